// The calculation settings and the SLD profile in the real window at its start-up size,
// driven with the mouse: the Options menu's "Resolution…" frame, the status line beside
// the cumulative residual, "Exact Wave Vector", and the profile's button and panel.
#include <QCheckBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "FittingSessionFixture.h"
#include "Screenshots.h"
#include "WindowFixture.h"
#include "plot/PagePainter.h"
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

// With other frames filling the side column, a frame opened from the menus is scrolled
// into view, so that the command visibly does something.
TEST_F(MainWindowCalcSettings, AFrameOpenedBelowOthersIsScrolledIntoView) {
  openFiles(writeTruthFiles(dir, 60));
  trigger(Tool::SSRFitting);
  showWindow();
  const auto inView = [&](const char* name) {
    auto* frame = child<QWidget>(name);
    QWidget* viewport = frame->parentWidget();
    while (viewport && !qobject_cast<QScrollArea*>(viewport->parentWidget())) viewport = viewport->parentWidget();
    if (!frame->isVisible() || !viewport) return false;
    // Its caption and first row.
    const int top = frame->mapTo(viewport, QPoint(0, 0)).y();
    return top >= 0 && top + 40 <= viewport->height();
  };
  clickMenuItem(QStringLiteral("&File"), menu(Menu::mnuExportPlot));
  clickMenuItem(QStringLiteral("&Options"), menu(Menu::mnuResolution));
  EXPECT_TRUE(inView("frameResolution"));
  clickMenuItem(QStringLiteral("Fi&tting"), menu(Menu::mnuRefine));
  EXPECT_TRUE(inView("frameRefine"));
  // Back at the top for a frame that opens there.
  clickMenuItem(QStringLiteral("&File"), menu(Menu::mnuSaveFit));
  EXPECT_TRUE(inView("frameSaveFit"));
}

// With every frame of the side column open (so that its scroll bar shows), each frame
// still fits the column's width: no button or box is cut off at the right.
TEST_F(MainWindowCalcSettings, EveryFrameFitsTheColumnBesideItsScrollBar) {
  openFiles(writeTruthFiles(dir, 60));
  trigger(Tool::SSRFitting);
  showWindow();
  for (Menu m : {Menu::mnuSaveFit, Menu::mnuPrint, Menu::mnuExportPlot, Menu::mnuResolution,
                 Menu::mnuRefine, Menu::mnuSaveData, Menu::mnuScaleData, Menu::mnuAutoFit})
    menu(m)->trigger();
  QApplication::processEvents();
  auto* column = child<QWidget>("frameRefine")->parentWidget();
  while (!qobject_cast<QScrollArea*>(column)) column = column->parentWidget();
  QWidget* viewport = static_cast<QScrollArea*>(column)->viewport();
  ASSERT_TRUE(static_cast<QScrollArea*>(column)->verticalScrollBar()->isVisible());
  for (QGroupBox* box : static_cast<QScrollArea*>(column)->widget()->findChildren<QGroupBox*>())
    if (box->isVisible()) {
      EXPECT_LE(box->minimumSizeHint().width(), viewport->width()) << box->title().toStdString();
      EXPECT_LE(box->mapTo(viewport, QPoint(box->width(), 0)).x(), viewport->width())
          << box->title().toStdString();
    }
}

// Pictures for looking at by eye, written into $LUMO_SCREENSHOT_DIR: the measured
// asymmetric bilayer in three contrasts (D2O, silicon-matched water, H2O) with a model of
// it and the SLD profile beside the curves, with resolution off and at 5 %; the print
// page with the profile.
TEST_F(MainWindowCalcSettings, Screenshots) {
  LUMO_REQUIRE_SCREENSHOT_FOLDER(out);
  LUMO_REQUIRE_TESTDATA(data);
  const auto shot = [&](const char* name) { test::saveScreenshot(window, out, name); };
  const auto measured = data / "measured";
  openFiles({convertMeasured(measured, dir, "dDPPC_hLPS_37969_70.dat", 6.35, 2e-6),
             convertMeasured(measured, dir, "dDPPC_hLPS_37971_72.dat", 2.07, 2e-6),
             convertMeasured(measured, dir, "dDPPC_hLPS_37973_74.dat", -0.56, 2e-6)});
  window.run([](ui::MainSession& s) {
    // Oxide, inner heads, deuterated inner tails, hydrogenous outer tails, LPS core.
    const int layers[][4] = {{10, 347, 5, 3}, {9, 180, 35, 3}, {17, 650, 5, 3}, {15, -40, 5, 3}, {30, 150, 50, 4}};
    s.setScrollValue({ScrollFamily::NumLayers}, 5);
    s.setScrollValue(roughnessBar(0), 3);
    for (int i = 1; i <= 5; ++i) {
      const int* l = layers[i - 1];
      s.setScrollValue(thicknessBar(i), l[0]);
      s.setScrollValue(sldBar(i), l[1]);
      s.setScrollValue(solventBar(i), l[2]);
      s.setScrollValue(roughnessBar(i), l[3]);
    }
  });
  trigger(Tool::SSRFitting);
  trigger(Tool::SSRSldProfile);
  window.resize(1400, 820);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  shot("profile-resolution-off");
  window.run([](ui::MainSession& s) {
    s.menuClicked(Menu::mnuResolution);
    s.setResolutionText("5");
    s.cmdResolutionOK_Click();
  });
  shot("profile-resolution-5");
  trigger(Tool::SSRMultiPlot);
  shot("profile-resolution-5-multiplot");
  trigger(Tool::SSRMultiPlot);
  window.run([](ui::MainSession& s) {
    s.toolClicked(Tool::SSCPrint);
    s.cmdPrintPreview_Click();
  });
  QImage page(2000, 1000, QImage::Format_RGB32);
  page.fill(Qt::white);
  plot::renderPage(page, session().printForms().page);
  page.save(QString::fromLatin1(out) + "/profile-print-page.png");
}

}  // namespace
}  // namespace lumo::test
