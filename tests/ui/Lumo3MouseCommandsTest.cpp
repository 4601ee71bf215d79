// The commands of model files, printing, scroll-bar properties and the data operations,
// chosen with the mouse where the user sees them in the window at its start-up size: each
// enabled one opens what it should, and the frame it opens can be closed with the mouse
// without scrolling.
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QToolBar>

#include <string>
#include <vector>

#include "WindowFixture.h"
#include "plot/PdfPagePrinter.h"

namespace lumo::test {
namespace {

using ui::Menu;
using ui::Tool;

// What a command opens: a file dialog, or a frame closed by one of its buttons.
struct Opens {
  const char* frame;  // nullptr: a file dialog
  const char* closeButton;
};

struct Command {
  Tool tool;
  Menu item;
  Opens opens;
};

const Command kCommands[] = {
    {Tool::SSCOpen, Menu::mnuOpenFit, {nullptr, nullptr}},
    {Tool::SSCSave, Menu::mnuSaveFit, {"frameSaveFit", "cmdSaveFitCancel"}},
    {Tool::SSCPrint, Menu::mnuPrint, {"FramePrint", "cmdPrintCancel"}},
    {Tool::SSCSetProperties, Menu::mnuSetScrollBarProperties, {"frameSetScrollBars", "CmdOK2"}},
    {Tool::SSRScaleFactor, Menu::mnuScaleData, {"Frame12", "cmdScaleFactorCancel"}},
    {Tool::SSRRemoveNegatives, Menu::mnuRemoveNegativePoints,
     {"FrameRemoveNegatives", "cmdRemoveNegativesCancel"}},
    {Tool::SSRSaveData, Menu::mnuSaveData, {"FrameSaveData", "cmdCancelLumoDataSave"}},
};

class MainWindowMouse : public WindowFixture {
 protected:
  void SetUp() override {
    window.setPrinter(&pdf);
    window.show();
    QApplication::processEvents();
    startSize = window.size();
  }

  // Clicks `target` at its centre as the user sees it: the point must lie inside its
  // window (the main window, or a tool window of its own on the screen) and show that
  // very widget, not one covering it or a scrolled-away part.
  void clickSeen(QWidget* target) {
    ASSERT_NE(target, nullptr);
    QApplication::processEvents();
    const std::string name = target->objectName().toStdString();
    ASSERT_TRUE(target->isVisible()) << name;
    QWidget* top = target->window();
    if (top != &window) {
      EXPECT_TRUE(top->screen()->availableGeometry().contains(top->frameGeometry())) << name;
    }
    const QPoint centre = target->mapTo(top, target->rect().center());
    ASSERT_TRUE(top->rect().contains(centre)) << name;
    QWidget* hit = top->childAt(centre);
    ASSERT_TRUE(hit == target || target->isAncestorOf(hit))
        << name << " is covered by " << (hit ? hit->metaObject()->className() : "nothing");
    QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(top, centre));
    QApplication::processEvents();
  }
  // An item can be chosen while it and the menu holding it are enabled.
  bool menuItemOn(Menu m) {
    for (QAction* top : window.menuBar()->actions())
      if (top->menu() && top->menu()->actions().contains(menu(m)))
        return top->isEnabled() && menu(m)->isEnabled();
    return false;
  }
  QWidget* toolButton(Tool t) {
    for (QToolBar* bar : window.findChildren<QToolBar*>())
      if (QWidget* w = bar->widgetForAction(tool(t)); w && w->isVisible()) return w;
    return nullptr;
  }
  // Opens the action's menu from the menu bar and clicks the item, both with the mouse.
  void clickMenuItem(Menu m) {
    QAction* item = menu(m);
    QMenuBar* bar = window.menuBar();
    for (QAction* top : bar->actions()) {
      QMenu* popup = top->menu();
      if (!popup || !popup->actions().contains(item)) continue;
      QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(top).center());
      ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
      QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(item).center());
      QApplication::processEvents();
      return;
    }
    FAIL() << ui::menuName(m) << " is in no menu";
  }

  // Chooses the command with `choose`; when it is enabled it must open what it should.
  void expectOpens(const Opens& opens, bool enabled, const std::function<void()>& choose,
                   const std::string& name) {
    SCOPED_TRACE(name);
    const size_t requests = dialogs.requests.size();
    if (!opens.frame) dialogs.queueCancel();
    choose();
    if (!enabled) return;
    if (!opens.frame) {
      EXPECT_EQ(dialogs.requests.size(), requests + 1);
      return;
    }
    QWidget* frame = child<QWidget>(opens.frame);
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    clickSeen(child<QWidget>(opens.closeButton));
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(window.size(), startSize);
  }

  // Chooses every command from the tool panel and from the menus; returns those that were
  // enabled, by name.
  std::vector<std::string> chooseEveryCommand(const std::string& when) {
    std::vector<std::string> chosen;
    for (const Command& c : kCommands) {
      QWidget* button = toolButton(c.tool);
      EXPECT_NE(button, nullptr) << ui::toolName(c.tool);
      if (!button) continue;
      const bool toolOn = button->isEnabled();
      EXPECT_EQ(toolOn, tool(c.tool)->isEnabled());
      expectOpens(c.opens, toolOn, [&] { if (toolOn) clickSeen(button); },
                  std::string(ui::toolName(c.tool)) + when);
      const bool itemOn = menuItemOn(c.item);
      expectOpens(c.opens, itemOn, [&] { if (itemOn) clickMenuItem(c.item); },
                  std::string(ui::menuName(c.item)) + when);
      if (toolOn) chosen.push_back(ui::toolName(c.tool));
      if (itemOn) chosen.push_back(ui::menuName(c.item));
    }
    return chosen;
  }

  plot::PdfPagePrinter pdf{dir.file("plots.pdf")};
  QSize startSize;
};

TEST_F(MainWindowMouse, EveryEnabledCommandOpensWhatItShould) {
  // Without data: the model's commands and the tools that open their dialogs anyway.
  EXPECT_EQ(chooseEveryCommand(" at start"),
            (std::vector<std::string>{"SSCOpen", "mnuOpenFit", "SSCSave", "mnuSaveFit", "SSCPrint",
                                      "mnuPrint", "SSCSetProperties", "mnuSetScrollBarProperties"}));
  openFiles(writeDataSets(4));
  trigger(Tool::SSRFitting);
  EXPECT_EQ(chooseEveryCommand(" with four data sets").size(), 2 * std::size(kCommands));
}

}  // namespace
}  // namespace lumo::test
