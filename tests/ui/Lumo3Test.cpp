// The real main window on the offscreen platform: its shell, and the way from the
// widgets to the session and back.
#include "ui/Lumo3.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QMenuBar>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>

#include <cstdlib>

#include "MeasuredCurves.h"
#include "SessionFixture.h"
#include "WindowFixture.h"
#include "editor/LayerEditorWidgets.h"
#include "plot/PlotWidget.h"
#include "converter/DataConverter.h"
#include "ui/LumoAbout.h"
#include "ui/MainActions.h"

namespace lumo::test {
namespace {

using ui::Menu;
using ui::Tool;

class MainWindow : public WindowFixture {
 protected:
  std::vector<std::string> writeFour(int points) {
    const double slds[] = {6.35, 4.0, 2.07, -0.56};
    std::vector<std::string> paths;
    for (int i = 0; i < 4; ++i)
      paths.push_back(dir.write(cat("run", std::to_string(i + 1), ".vld"),
                                dataFileText(cat("Run ", std::to_string(i + 1)), slds[i],
                                             decayingCurve(points))));
    return paths;
  }
  QScrollBar* thicknessBar(int panel) const {
    return window.layerPanels()->panel(panel)->rows()[0]->scrollBar();
  }
};

TEST_F(MainWindow, StartsAsLaidOut) {
  EXPECT_EQ(window.windowTitle(), "Lumo Version 3.05");
  EXPECT_NEAR(window.width(), 901, 2);
  QStringList menus;
  for (QAction* a : window.menuBar()->actions()) menus << a->text();
  EXPECT_EQ(menus.join(","), "&File,Fi&tting,&Plot,&Data,&Options,&Help");
  EXPECT_TRUE(window.actions().tool(Tool::SSRLogY)->isChecked());
  EXPECT_FALSE(window.actions().tool(Tool::SSRCloseData)->isEnabled());
  EXPECT_FALSE(window.actions().tool(Tool::SSCPause)->isVisible());
  EXPECT_TRUE(window.actions().menu(Menu::mnuOff)->isChecked());
  EXPECT_FALSE(window.actions().menu(Menu::mnuClearHistory)->isVisible());
  EXPECT_EQ(window.actions().menu(Menu::mnuLogY), window.actions().tool(Tool::SSRLogY));
  for (int p = 0; p < ui::kPlotSurfaces; ++p) EXPECT_FALSE(window.plotWidget(p)->isVisibleTo(&window));
  EXPECT_EQ(ui::LumoAbout::versionText(), "Lumo Version 3.1.1");
}

TEST_F(MainWindow, AboutBoxIsOneInstanceUntilClosed) {
  trigger(Tool::SSCAbout);
  window.actions().menu(Menu::mnuAbout)->trigger();
  const auto boxes = window.findChildren<ui::LumoAbout*>();
  ASSERT_EQ(boxes.size(), 1);
  EXPECT_FALSE(boxes[0]->isModal());
  EXPECT_EQ(boxes[0]->windowTitle(), "About Lumo");
}

TEST_F(MainWindow, HoverPanelFollowsTheToolButtons) {
  QWidget* logY = window.actions().toolButton(Tool::SSRLogY);
  QWidget* tips = window.actions().toolButton(Tool::SSRToolTips);
  QEvent enter(QEvent::Enter);
  QApplication::sendEvent(logY, &enter);
  EXPECT_EQ(session().tools().hoverCaption, "");
  QApplication::sendEvent(tips, &enter);
  EXPECT_EQ(session().tools().hoverCaption, "   Tool Tips");
  trigger(Tool::SSRToolTips);
  QApplication::sendEvent(logY, &enter);
  auto* panel = window.findChild<QLabel*>("SSPToolTips");
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->text(), "   Log Y Axis");
  QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(window.centralWidget(), &move);
  EXPECT_EQ(panel->text(), "");
}

TEST_F(MainWindow, LoadsFourDataSetsAndShowsDataAndCurves) {
  openFiles(writeFour(512));
  ASSERT_EQ(session().store().NumDataSets, 4);
  EXPECT_TRUE(window.actions().menu(Menu::mnuCloseFiles)->isEnabled());
  trigger(Tool::SSRFitting);
  EXPECT_TRUE(window.actions().menu(Menu::mnuOn)->isChecked());
  window.show();
  for (int p = 1; p <= 4; ++p) {
    plot::PlotWidget* w = window.plotWidget(p);
    EXPECT_TRUE(w->isVisible()) << p;
    int circles = 0, curves = 0;
    for (const auto& prim : session().picPlot(p).persistent()) circles += std::holds_alternative<CirclePrimitive>(prim);
    for (const auto& prim : session().picPlot(p).overlay()) curves += std::holds_alternative<PolylinePrimitive>(prim);
    EXPECT_EQ(circles, 512) << p;
    EXPECT_EQ(curves, 1) << p;
    // Painted: the plot is not blank.
    const QImage image = w->grab().toImage();
    EXPECT_NE(image.pixelColor(image.width() / 2, image.height() / 2).name(), QString())
        << p;
  }
  EXPECT_FALSE(window.plotWidget(0)->isVisible());
}

TEST_F(MainWindow, DraggingAppliesOnlyTheLatestValueOncePerTurn) {
  openFiles(writeFour(100));
  trigger(Tool::SSRFitting);
  const int before = session().calculationCount();
  for (int v = 20; v <= 30; ++v) thicknessBar(0)->setValue(v);
  EXPECT_EQ(session().calculationCount(), before);  // nothing applied yet
  QApplication::processEvents();
  EXPECT_EQ(session().calculationCount(), before + 1);
  EXPECT_EQ(session().editor().value({ScrollFamily::Thickness, 1}), 30);
  EXPECT_EQ(window.layerPanels()->panel(0)->rows()[0]->textBox()->text(), "30");
}

TEST_F(MainWindow, ShiftPausesUntilReleased) {
  openFiles(writeFour(50));
  trigger(Tool::SSRFitting);
  window.show();
  const int before = session().calculationCount();
  QTest::keyPress(&window, Qt::Key_Shift, Qt::ShiftModifier);
  EXPECT_TRUE(session().CalcPaused());
  EXPECT_TRUE(window.actions().tool(Tool::SSCPause)->isVisible());
  EXPECT_FALSE(window.actions().tool(Tool::SSRFitting)->isVisible());
  for (int v : {5, 6, 7}) {
    thicknessBar(0)->setValue(v);
    QApplication::processEvents();
  }
  EXPECT_EQ(session().calculationCount(), before);
  QTest::keyRelease(&window, Qt::Key_Shift);
  EXPECT_EQ(session().calculationCount(), before + 1);
  EXPECT_FALSE(session().CalcPaused());
}

TEST_F(MainWindow, TypedEntryGoesThroughTheSession) {
  window.show();
  QLineEdit* box = window.layerPanels()->panel(0)->rows()[0]->textBox();
  box->setFocus();
  QApplication::processEvents();
  box->selectAll();
  QTest::keyClicks(box, "12.5");
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_EQ(session().editor().value({ScrollFamily::Thickness, 1}), 12);
  EXPECT_EQ(box->text(), "12");
  EXPECT_EQ(thicknessBar(0)->value(), 12);
}

TEST_F(MainWindow, PagingRebindsThePanels) {
  window.layerPanels();
  window.moveScrollBar({ScrollFamily::WhichLayers}, 15);
  window.applyPendingMoves();
  window.syncFromSession();
  EXPECT_EQ(window.layerPanels()->panel(0)->title(), "Layer 15");
  EXPECT_EQ(window.layerPanels()->panel(5)->title(), "Layer 20");
  EXPECT_FALSE(window.layerPanels()->panel(0)->isEnabled());
}

TEST_F(MainWindow, HistoryEntriesAppearInTheFileMenu) {
  const auto paths = writeFour(20);
  openFiles({paths[0], paths[1]});
  EXPECT_TRUE(window.actions().menu(Menu::mnuClearHistory)->isVisible());
  QStringList entries;
  for (QAction* a : window.menuBar()->actions()[0]->menu()->actions())
    if (a->text().startsWith("&1") || a->text().startsWith("&2")) entries << a->text();
  ASSERT_EQ(entries.size(), 2);
  EXPECT_EQ(entries[0].toStdString(), cat("&1  ", paths[0]));
}

TEST_F(MainWindow, DataConversionOpensAFreshConverterAndComesBack) {
  window.show();
  window.actions().menu(Menu::mnuStartDataConv)->trigger();
  QPointer<ui::DataConverter> first = window.converter();
  ASSERT_TRUE(first);
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(first->windowTitle(), "Data Manager");
  EXPECT_TRUE(window.isMinimized());
  emit first->returnToLumoRequested();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(first);  // closed and gone
  EXPECT_TRUE(window.isMaximized());
  window.actions().menu(Menu::mnuStartDataConv)->trigger();
  ASSERT_TRUE(window.converter());
  window.converter()->close();  // the title bar's close also returns
  EXPECT_TRUE(window.isMaximized());
}

// Writes pictures of the window with three measured curves and their calculated curves
// into $LUMO_SCREENSHOT_DIR, and the converter window, for looking at them by eye.
TEST_F(MainWindow, Screenshots) {
  const char* out = std::getenv("LUMO_SCREENSHOT_DIR");
  if (!out) GTEST_SKIP() << "set LUMO_SCREENSHOT_DIR to write screenshots";
  LUMO_REQUIRE_TESTDATA(data);
  trigger(Tool::SSRFitting);  // the start-up curves
  trigger(Tool::SSRToolTips);
  window.show();
  QApplication::processEvents();
  window.grab().save(QString::fromLatin1(out) + "/main-startup-curves.png");
  trigger(Tool::SSRFitting);
  const auto measured = data / "measured";
  openFiles({convertMeasured(measured, dir, "Si_D2O_HEPES_20mM.dat", 6.35),
             convertMeasured(measured, dir, "Si_H2O_HEPES_20mM.dat", -0.56),
             convertMeasured(measured, dir, "Si_D2O_HEPES_20mM_POPC_1h.dat", 6.35)});
  trigger(Tool::SSRFitting);
  window.show();
  QApplication::processEvents();
  window.grab().save(QString::fromLatin1(out) + "/main-start.png");
  window.resize(1280, 800);
  QApplication::processEvents();
  window.grab().save(QString::fromLatin1(out) + "/main-large.png");
  trigger(Tool::SSRLine);
  trigger(Tool::SSRLogY);
  QApplication::processEvents();
  window.grab().save(QString::fromLatin1(out) + "/main-linear.png");
  trigger(Tool::SSRMultiPlot);
  QApplication::processEvents();
  window.grab().save(QString::fromLatin1(out) + "/main-multiplot.png");
  trigger(Tool::SSRMultiPlot);
  trigger(Tool::SSRLogY);
  trigger(Tool::SSRIncreasePoints);
  window.resize(901, 600);
  QApplication::processEvents();
  window.grab().save(QString::fromLatin1(out) + "/main-points-panel.png");
  window.actions().menu(Menu::mnuStartDataConv)->trigger();
  QApplication::processEvents();
  window.converter()->grab().save(QString::fromLatin1(out) + "/converter.png");
}

}  // namespace
}  // namespace lumo::test
