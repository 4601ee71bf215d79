// The calculation settings and the SLD profile in the real window at its start-up size,
// driven with the mouse: the Options menu's "Resolution…" frame, the status line beside
// the cumulative residual, "Exact Wave Vector", and the profile's button and panel.
#include <QCheckBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QTest>

#include "FittingSessionFixture.h"
#include "WindowFixture.h"
#include "plot/PlotWidget.h"

namespace lumo::test {
namespace {

using ui::Menu;
using ui::Tool;

class MainWindowCalcSettings : public WindowFixture {
 protected:
  void showWindow() {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
  }
  // Opens a menu of the menu bar with the mouse and clicks one of its items.
  void clickMenuItem(const QString& menuTitle, QAction* item) {
    QMenuBar* bar = window.menuBar();
    QMenu* menu = nullptr;
    for (QAction* a : bar->actions())
      if (a->text() == menuTitle) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(a).center());
        menu = a->menu();
      }
    ASSERT_TRUE(menu);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    QApplication::processEvents();
  }
  void clickInColumn(QWidget* w) {
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
      if (auto* area = qobject_cast<QScrollArea*>(p)) {
        area->ensureWidgetVisible(w);
        break;
      }
    QApplication::processEvents();
    ASSERT_TRUE(w->isVisible() && w->isEnabled()) << w->objectName().toStdString();
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
  }
};

TEST_F(MainWindowCalcSettings, ResolutionFromTheOptionsMenuSmearsTheCurvesAndIsShown) {
  openFiles(writeTruthFiles(dir, 60));
  trigger(Tool::SSRFitting);
  showWindow();
  auto* line = child<QLabel>("lblCalcSettings");
  EXPECT_TRUE(line->isVisible());
  EXPECT_EQ(line->text(), QStringLiteral("Resolution: off"));
  const double plain = session().store()[1].CalcR[30];

  clickMenuItem(QStringLiteral("&Options"), menu(Menu::mnuResolution));
  auto* frame = child<QWidget>("frameResolution");
  ASSERT_TRUE(frame->isVisible());
  auto* box = child<QLineEdit>("txtResolution");
  EXPECT_EQ(box->text(), QStringLiteral("0"));
  box->selectAll();
  QTest::keyClicks(box, QStringLiteral("5"));
  clickInColumn(child<QWidget>("cmdResolutionOK"));
  EXPECT_FALSE(frame->isVisible());
  EXPECT_EQ(session().calcOptions().resolution.percent, 5);
  EXPECT_NE(session().store()[1].CalcR[30], plain);
  EXPECT_EQ(line->text(), QStringLiteral("Resolution: 5 % dQ/Q (FWHM)"));

  EXPECT_TRUE(menu(Menu::mnuExactQ)->isCheckable());
  clickMenuItem(QStringLiteral("&Options"), menu(Menu::mnuExactQ));
  EXPECT_TRUE(menu(Menu::mnuExactQ)->isChecked());
  EXPECT_TRUE(session().calcOptions().exactQ);
  EXPECT_TRUE(line->text().endsWith(QStringLiteral("Exact Q")));
}

TEST_F(MainWindowCalcSettings, TheProfileButtonOpensAPanelThatFollowsTheScrollBars) {
  openFiles(writeTruthFiles(dir, 60));
  trigger(Tool::SSRFitting);
  showWindow();
  auto* dock = child<QDockWidget>("dockSldProfile");
  EXPECT_FALSE(dock->isVisible());
  QTest::mouseClick(window.actions().toolButton(Tool::SSRSldProfile), Qt::LeftButton);
  ASSERT_TRUE(dock->isVisible());
  EXPECT_TRUE(menu(Menu::mnuSldProfile)->isChecked());
  auto* plot = child<plot::PlotWidget>("picSldProfile");
  EXPECT_TRUE(plot->isVisible());
  const auto version = session().sldProfilePlot().persistentVersion();
  window.moveScrollBar(thicknessBar(1), 80);
  ASSERT_TRUE(waitFor([&] { return session().sldProfilePlot().persistentVersion() != version; }));
  clickMenuItem(QStringLiteral("&Plot"), menu(Menu::mnuSldProfile));
  EXPECT_FALSE(dock->isVisible());
}

}  // namespace
}  // namespace lumo::test
