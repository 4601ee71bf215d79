#pragma once
// The real main window on the offscreen platform, in a scratch folder with scripted
// dialogs.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>

#include <functional>

#include "SessionFixture.h"
#include "editor/LayerEditorWidgets.h"
#include "ui/Lumo3.h"
#include "ui/MainActions.h"

namespace lumo::test {

class WindowFixture : public ScratchFixture {
 protected:
  ui::Lumo3 window{&dialogs, &folder};

  const ui::MainSession& session() const { return window.session(); }
  QAction* menu(ui::Menu m) const { return window.actions().menu(m); }
  QAction* tool(ui::Tool t) const { return window.actions().tool(t); }
  void trigger(ui::Tool t) { tool(t)->trigger(); }
  // "Open Data Files" with these paths.
  void openFiles(const std::vector<std::string>& paths) {
    queueFiles(paths);
    trigger(ui::Tool::SSROpenData);
  }

  template <class W>
  W* child(const char* name) const {
    W* w = window.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  void click(const char* button) { child<QAbstractButton>(button)->click(); }
  // Row f (thickness, SLD, solvent, roughness) of the layer panel in place j.
  editor::ParameterRow* row(int j, int f = 0) const { return window.layerPanels()->panel(j)->rows()[f]; }
  QColor captionColour(int j, int f = 0) const {
    return row(j, f)->caption()->palette().color(QPalette::WindowText);
  }
  // Runs the event loop until `done` or until `ms` have passed.
  static bool waitFor(const std::function<bool()>& done, int ms = 20000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) QApplication::processEvents();
    return done();
  }
};

}  // namespace lumo::test
