#pragma once
// The main window's commands as QActions: one per tool-panel button, shared with the
// menu item that performs the same command with the same state, and menu-only actions
// for the rest. Builds the menu bar and the tool bar, and mirrors the session's enabled,
// down/checked and visible states and its recent-file history.
#include <QObject>

#include <array>
#include <string>
#include <vector>

#include "ui/MenuState.h"
#include "ui/ToolPanelState.h"

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace lumo::ui {

class MainSession;

class MainActions : public QObject {
  Q_OBJECT

 public:
  explicit MainActions(QMainWindow* window);

  QAction* tool(Tool t) const { return tools_[static_cast<size_t>(t)]; }
  // The action the menu shows for an item (its button's, where they share one).
  QAction* menu(Menu m) const { return menus_[static_cast<size_t>(m)]; }
  QToolBar* toolBar() const { return toolBar_; }
  // The menu tool bar a tool's button lives in, for hover texts.
  QWidget* toolButton(Tool t) const;

  void sync(const MainSession& session);

 signals:
  void toolTriggered(lumo::ui::Tool tool, bool down);
  void menuTriggered(lumo::ui::Menu item);
  void historyTriggered(int number);

 private:
  void createToolActions();
  void createMenus(QMainWindow* window);
  QAction* menuOnly(Menu m, bool checkable = false);
  void syncHistory(const MainSession& session);

  QMainWindow* window_;
  std::array<QAction*, kToolCount> tools_{};
  std::array<QAction*, kMenuCount> menus_{};
  std::array<bool, kMenuCount> shared_{};
  QToolBar* toolBar_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QMenu* dataMenu_ = nullptr;
  std::vector<QAction*> historyActions_;
  std::vector<std::string> shownHistory_;
};

}  // namespace lumo::ui
