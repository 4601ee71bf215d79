#pragma once
// The real main window on the offscreen platform, in a scratch folder with scripted
// dialogs.
#include <QAction>

#include "SessionFixture.h"
#include "ui/Lumo3.h"
#include "ui/MainActions.h"

namespace lumo::test {

class WindowFixture : public ::testing::Test {
 protected:
  ScratchDir dir;
  ScriptedDialogs dialogs;
  FixedWorkingFolder folder{dir.path().string()};
  ui::Lumo3 window{&dialogs, &folder};

  const ui::MainSession& session() const { return window.session(); }
  void trigger(ui::Tool t) { window.actions().tool(t)->trigger(); }

  // "Open Data Files" with these paths, the dialog cancelled after them.
  void openFiles(const std::vector<std::string>& paths) {
    for (const auto& p : paths) dialogs.queueFile(p);
    if (paths.size() < 4) dialogs.queueCancel();
    trigger(ui::Tool::SSROpenData);
  }
};

}  // namespace lumo::test
