// The real main window on the offscreen platform: its shell, the way from the widgets
// to the session and back, fits run by its timer, and pictures for looking at by eye.
#include "ui/Lumo3.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "FittingSessionFixture.h"
#include "Screenshots.h"
#include "WindowFixture.h"
#include "converter/ConversionRun.h"
#include "converter/DataConverter.h"
#include "plot/PagePainter.h"
#include "plot/PlotWidget.h"
#include "ui/FitProgressPanel.h"
#include "ui/LumoAbout.h"
#include "ui/LumoPrint.h"

namespace lumo::test {
namespace {

using ui::Menu;
using ui::Tool;

class MainWindow : public WindowFixture {};

TEST_F(MainWindow, StartsShowingTheSessionsStates) {
  EXPECT_TRUE(tool(Tool::SSRLogY)->isChecked());
  EXPECT_EQ(menu(Menu::mnuLogY), tool(Tool::SSRLogY));
  EXPECT_FALSE(tool(Tool::SSRCloseData)->isEnabled());
  EXPECT_FALSE(tool(Tool::SSCPause)->isVisible());
  EXPECT_TRUE(menu(Menu::mnuOff)->isChecked());
  EXPECT_FALSE(menu(Menu::mnuClearHistory)->isVisible());
  for (int p = 0; p < ui::kPlotSurfaces; ++p) EXPECT_FALSE(window.plotWidget(p)->isVisibleTo(&window));

  // Commands without an action are disabled, in the menu and on the tool bar.
  EXPECT_FALSE(tool(Tool::SSCPause)->isEnabled());
  EXPECT_FALSE(menu(Menu::mnuWebsite)->isEnabled());
  // Separators show as lines, without a "-" heading.
  for (QAction* a : window.menuBar()->actions()[0]->menu()->actions())
    if (a->isSeparator()) {
      EXPECT_EQ(a->text(), "");
    }

  trigger(Tool::SSCAbout);
  menu(Menu::mnuAbout)->trigger();
  const auto boxes = window.findChildren<ui::LumoAbout*>();
  ASSERT_EQ(boxes.size(), 1);
  EXPECT_FALSE(boxes[0]->isModal());

  // The close button saves the settings as "E&xit Lumo" does.
  window.show();
  window.close();
  EXPECT_TRUE(session().exitRequested());
  EXPECT_EQ(readBytes(dir.file("lumo.ini")).substr(0, 1), "\"");
}

// Hover texts show only while "Tool Tips" is down (its own always); a button without one
// leaves the panel's text, and a move over the window clears it.
TEST_F(MainWindow, HoverPanelFollowsTheToolButtons) {
  auto* panel = child<QLabel>("SSPToolTips");
  const auto hover = [&](Tool t) {
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(window.actions().toolButton(t), &enter);
    return panel->text();
  };
  EXPECT_EQ(hover(Tool::SSRLogY), "");
  EXPECT_EQ(hover(Tool::SSRToolTips), "   Tool Tips");
  trigger(Tool::SSRToolTips);
  EXPECT_EQ(hover(Tool::SSRLogY), "   Log Y Axis");
  EXPECT_EQ(hover(Tool::SSRMultiPlot), "   Log Y Axis");
  QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(window.centralWidget(), &move);
  EXPECT_EQ(panel->text(), "");
}

TEST_F(MainWindow, LoadsFourDataSetsAndShowsDataCurvesAndHistory) {
  const auto paths = writeDataSets(4, 512);
  openFiles(paths);
  ASSERT_EQ(session().store().NumDataSets, 4);
  EXPECT_TRUE(menu(Menu::mnuCloseFiles)->isEnabled());
  trigger(Tool::SSRFitting);
  EXPECT_TRUE(menu(Menu::mnuOn)->isChecked());
  window.show();
  for (int p = 1; p <= 4; ++p) {
    plot::PlotWidget* w = window.plotWidget(p);
    EXPECT_TRUE(w->isVisible()) << p;
    EXPECT_EQ(countOf<CirclePrimitive>(session().picPlot(p).persistent()), 512) << p;
    EXPECT_EQ(countOf<PolylinePrimitive>(session().picPlot(p).overlay()), 1) << p;
    const QImage image = w->grab().toImage();
    QImage blank(image.size(), image.format());
    blank.fill(image.pixel(0, 0));
    EXPECT_NE(image, blank) << p;
  }
  EXPECT_FALSE(window.plotWidget(0)->isVisible());

  EXPECT_TRUE(menu(Menu::mnuClearHistory)->isVisible());
  QStringList fileMenu;
  for (QAction* a : window.menuBar()->actions()[0]->menu()->actions()) fileMenu << a->text();
  EXPECT_TRUE(fileMenu.contains(QString::fromStdString(cat("&1  ", paths[0]))));
  EXPECT_TRUE(fileMenu.contains(QString::fromStdString(cat("&4  ", paths[3]))));
}

// Typed text and scroll bars go through the session: dragging never queues up stale
// steps, Shift holds every step back until released, paging rebinds the panels.
TEST_F(MainWindow, EditorWidgetsGoThroughTheSession) {
  openFiles(writeDataSets(4, 100));
  trigger(Tool::SSRFitting);
  window.show();
  QLineEdit* box = row(0)->textBox();
  box->setFocus();
  QApplication::processEvents();
  box->selectAll();
  QTest::keyClicks(box, "12.5");
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_EQ(session().editor().value(thicknessBar(1)), 12);
  EXPECT_EQ(box->text(), "12");
  QScrollBar* bar = row(0)->scrollBar();
  EXPECT_EQ(bar->value(), 12);

  const int before = session().calculationCount();
  for (int v = 20; v <= 30; ++v) bar->setValue(v);
  EXPECT_EQ(session().calculationCount(), before);  // nothing applied yet
  QApplication::processEvents();
  EXPECT_EQ(session().calculationCount(), before + 1);
  EXPECT_EQ(session().editor().value(thicknessBar(1)), 30);
  EXPECT_EQ(box->text(), "30");

  QTest::keyPress(&window, Qt::Key_Shift, Qt::ShiftModifier);
  EXPECT_TRUE(session().CalcPaused());
  EXPECT_TRUE(tool(Tool::SSCPause)->isVisible());
  EXPECT_FALSE(tool(Tool::SSRFitting)->isVisible());
  for (int v : {5, 6, 7}) {
    bar->setValue(v);
    QApplication::processEvents();
  }
  EXPECT_EQ(session().calculationCount(), before + 1);
  QTest::keyRelease(&window, Qt::Key_Shift);
  EXPECT_EQ(session().calculationCount(), before + 2);
  EXPECT_EQ(session().editor().value(thicknessBar(1)), 7);

  window.moveScrollBar({ScrollFamily::WhichLayers}, 15);
  window.applyPendingMoves();
  window.syncFromSession();
  EXPECT_EQ(window.layerPanels()->panel(0)->title(), "Layer 15");
  EXPECT_EQ(window.layerPanels()->panel(5)->title(), "Layer 20");
  EXPECT_FALSE(window.layerPanels()->panel(0)->isEnabled());
}

// Where a scroll bar's thumb can travel, as its style lays it out.
struct Track {
  QRect groove, thumb;
};
Track trackOf(const QScrollBar* bar) {
  QStyleOptionSlider o;
  o.initFrom(bar);
  o.orientation = bar->orientation();
  o.minimum = bar->minimum();
  o.maximum = bar->maximum();
  o.sliderPosition = o.sliderValue = bar->value();
  o.singleStep = bar->singleStep();
  o.pageStep = bar->pageStep();
  o.subControls = QStyle::SC_All;
  const QStyle* st = bar->style();
  return {st->subControlRect(QStyle::CC_ScrollBar, &o, QStyle::SC_ScrollBarGroove, bar),
          st->subControlRect(QStyle::CC_ScrollBar, &o, QStyle::SC_ScrollBarSlider, bar)};
}

int colourDistance(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
         std::abs(qBlue(a) - qBlue(b));
}

std::vector<PrimitiveList> overlays(const ui::MainSession& s) {
  std::vector<PrimitiveList> out;
  for (int p = 1; p <= s.store().NumDataSets; ++p) out.push_back(s.picPlot(p).overlay());
  return out;
}

bool samePolylines(const std::vector<PrimitiveList>& a, const std::vector<PrimitiveList>& b) {
  if (a.size() != b.size()) return false;
  for (size_t k = 0; k < a.size(); ++k) {
    if (a[k].size() != b[k].size()) return false;
    for (size_t i = 0; i < a[k].size(); ++i) {
      const auto* x = std::get_if<PolylinePrimitive>(&a[k][i]);
      const auto* y = std::get_if<PolylinePrimitive>(&b[k][i]);
      if (!x || !y || x->points.size() != y->points.size()) return false;
      for (size_t j = 0; j < x->points.size(); ++j)
        if (x->points[j].x != y->points[j].x || x->points[j].y != y->points[j].y) return false;
    }
  }
  return true;
}

// The layer scroll bars are the main way of fitting by hand: at the size the window
// starts with, every bar of the editor has a track of at least 80 px with a thumb that
// stands out, and dragging the thumb moves the value in proportion to the pointer, with
// the calculated curves following the value.
TEST_F(MainWindow, ScrollBarsAreDraggableAtTheStartUpSize) {
  openFiles(writeDataSets(2, 100));
  trigger(Tool::SSRFitting);
  window.show();
  QApplication::processEvents();
  QList<editor::ParameterRow*> rows = window.layerPanels()->rows();
  rows += window.findChild<editor::ModelSideWidget*>()->rows();
  for (editor::ParameterRow* r : rows) {
    SCOPED_TRACE(r->caption()->text().toStdString());
    const Track t = trackOf(r->scrollBar());
    EXPECT_GE(t.groove.width(), 80);
    EXPECT_GE(t.thumb.width(), 10);
    EXPECT_LE(t.thumb.width(), t.groove.width() / 2);
    const QImage image = r->scrollBar()->grab().toImage();
    const QPoint far(t.thumb.center().x() < t.groove.center().x() ? t.groove.right() - 4
                                                                   : t.groove.left() + 4,
                     t.groove.center().y());
    EXPECT_GT(colourDistance(image.pixel(t.thumb.center()), image.pixel(far)), 90);
  }

  QScrollBar* bar = row(0)->scrollBar();  // thickness of layer 1, 0..50
  for (int dx : {12, 30, -25, -60}) {
    SCOPED_TRACE(dx);
    const std::vector<PrimitiveList> before = overlays(session());
    const Track t = trackOf(bar);
    const int start = bar->value();
    const QPoint grip = t.thumb.center();
    QTest::mousePress(bar, Qt::LeftButton, {}, grip);
    for (int step = 1; step <= 4; ++step) QTest::mouseMove(bar, grip + QPoint(dx * step / 4, 0));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, grip + QPoint(dx, 0));
    QApplication::processEvents();
    const double perPixel =
        double(bar->maximum() - bar->minimum()) / (t.groove.width() - t.thumb.width());
    const int expected = std::clamp(static_cast<int>(std::lround(start + dx * perPixel)), 0, 50);
    EXPECT_NEAR(bar->value(), expected, 1);
    EXPECT_EQ(session().editor().value(thicknessBar(1)), bar->value());
    EXPECT_EQ(session().model().Thickness[1], float(bar->value()));
    const std::vector<PrimitiveList> dragged = overlays(session());
    EXPECT_FALSE(samePolylines(dragged, before));
    // The curves drawn are those of the value: a full recalculation draws them again.
    QTest::keyPress(&window, Qt::Key_Shift, Qt::ShiftModifier);
    QTest::keyRelease(&window, Qt::Key_Shift);
    EXPECT_TRUE(samePolylines(overlays(session()), dragged));
  }
}

TEST_F(MainWindow, DataConversionOpensAFreshConverterAndComesBack) {
  window.show();
  menu(Menu::mnuStartDataConv)->trigger();
  QPointer<ui::DataConverter> first = window.converter();
  ASSERT_TRUE(first);
  EXPECT_TRUE(first->isVisible());
  EXPECT_TRUE(window.isMinimized());
  emit first->returnToLumoRequested();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(first);  // closed and gone
  EXPECT_TRUE(window.isMaximized());
  menu(Menu::mnuStartDataConv)->trigger();
  ASSERT_TRUE(window.converter());
  window.converter()->close();  // the title bar's close also returns
  EXPECT_TRUE(window.isMaximized());
}

// A scan runs on the window's timer with the editor and the commands locked, and sets
// the scroll bar; then a fit of three layers of 0..200 Å each (far more evaluations than
// a second allows) shows its progress, and Esc or the Cancel button ends it with
// everything as it was.
TEST_F(MainWindow, FitsRunOnTheTimerShowProgressAndEscOrCancelEndThem) {
  openFiles(writeTruthFiles(dir, 60));
  trigger(Tool::SSRFitting);
  window.run([](ui::MainSession& s) { putAtTruth(s, {{{ScrollFamily::Thickness, 1}, 20}}); });
  window.show();
  trigger(Tool::SSRAutoFit);
  click("cmdAutoFitOK");
  QTest::mouseClick(row(0)->caption(), Qt::LeftButton);
  ASSERT_TRUE(session().fitRunning());
  EXPECT_FALSE(row(0)->scrollBar()->isEnabled());
  EXPECT_FALSE(row(0, 1)->textBox()->isEnabled());
  EXPECT_FALSE(tool(Tool::SSRLogY)->isEnabled());
  EXPECT_TRUE(tool(Tool::SSRToolTips)->isEnabled());
  EXPECT_EQ(captionColour(0), QColor(128, 0, 0));
  ASSERT_TRUE(waitFor([&] { return !session().fitRunning(); }));
  EXPECT_EQ(row(0)->scrollBar()->value(), 30);
  EXPECT_EQ(row(0)->textBox()->text(), "30");
  EXPECT_TRUE(row(0)->scrollBar()->isEnabled());
  EXPECT_TRUE(tool(Tool::SSRLogY)->isEnabled());
  EXPECT_EQ(captionColour(0), QColor(0, 0, 128));  // dark blue again

  window.run([](ui::MainSession& s) {
    s.setScrollValue({ScrollFamily::NumLayers}, 3);
    for (int k = 1; k <= 3; ++k) s.setScrollProperties(thicknessBar(k), ScrollBar{0, 200, 1, 10, 0});
  });
  trigger(Tool::SSRAutoFit);  // off, and on again for the constrained fit
  trigger(Tool::SSRAutoFit);
  click("optFitConstrainThickness");
  click("cmdAutoFitOK");
  for (int j = 0; j < 3; ++j) QTest::mouseClick(row(j)->caption(), Qt::LeftButton);
  const LayerModel model = session().model();
  const QString texts = row(0)->textBox()->text() + row(1)->textBox()->text();
  for (bool byEscape : {true, false}) {
    SCOPED_TRACE(byEscape ? "Esc" : "Cancel button");
    click("cmdConstrainGO");
    ASSERT_TRUE(waitFor([&] { return window.fitProgress()->isVisible(); }));
    EXPECT_TRUE(window.fitProgress()->text().startsWith("Layers 1, 2, 3: "))
        << window.fitProgress()->text().toStdString();
    if (byEscape)
      QTest::keyClick(&window, Qt::Key_Escape);
    else
      click("cmdFitCancel");
    EXPECT_FALSE(session().fitRunning());
    EXPECT_FALSE(window.fitProgress()->isVisible());
    EXPECT_EQ(session().model().Thickness, model.Thickness);
    EXPECT_EQ(row(0)->scrollBar()->value(), 30);
    EXPECT_EQ(row(0)->textBox()->text() + row(1)->textBox()->text(), texts);
    EXPECT_TRUE(row(0)->scrollBar()->isEnabled());
  }
}

// One of the team's measured curves converted as the converter's "NIST Data" reader
// reads it, into a ".VLD" file in `dir` titled `title`.
std::string convertNist(const std::filesystem::path& measured, const ScratchDir& dir,
                        const std::string& name, const std::string& title, float sld) {
  const std::string input = dir.write(name, readBytes((measured / name).string()));
  converter::ConversionSettings settings;
  settings.input.format = converter::InputFormat::NISTData;
  settings.outputs.set(converter::OutputFormat::Lumo, true);
  settings.titleText = title;
  settings.sld = sld;
  converter::ConvData data;
  const converter::ConversionReport report = converter::runConversion({input}, settings, data);
  EXPECT_TRUE(report.complete()) << report.problemSummary();
  return report.written.empty() ? std::string() : report.written.front().path;
}

// Pictures for looking at by eye, written into $LUMO_SCREENSHOT_DIR: the start-up
// curves; three measured curves with their calculated curves; the measured silicon
// block in D2O (background removed, scale divided out) with one oxide layer on a linear
// Y axis, its thickness scanned with chi squared; a long constrained fit in progress;
// the oxide refined with its results table; the converter.
TEST_F(MainWindow, Screenshots) {
  LUMO_REQUIRE_SCREENSHOT_FOLDER(out);
  LUMO_REQUIRE_TESTDATA(data);
  const auto shot = [&](const char* name, QWidget* w = nullptr) {
    test::saveScreenshot(w ? *w : window, out, name);
  };
  const auto measured = data / "measured";
  trigger(Tool::SSRFitting);  // the start-up curves
  trigger(Tool::SSRToolTips);
  window.show();
  shot("main-startup-curves");
  trigger(Tool::SSRFitting);
  openFiles({convertMeasured(measured, dir, "Si_D2O_HEPES_20mM.dat", 6.35),
             convertMeasured(measured, dir, "Si_H2O_HEPES_20mM.dat", -0.56),
             convertMeasured(measured, dir, "Si_D2O_HEPES_20mM_POPC_1h.dat", 6.35)});
  trigger(Tool::SSRFitting);
  shot("main-start");
  trigger(Tool::SSCSave);
  shot("save-fit-panel");
  click("cmdSaveFitCancel");
  trigger(Tool::SSCSetProperties);
  shot("scroll-properties", window.findChild<QWidget*>(QStringLiteral("frameSetScrollBars")));
  click("CmdOK2");
  trigger(Tool::SSCPrint);
  click("cmdPrintPreview");
  shot("print-options");
  shot("print-preview", window.printForm());
  QImage page(1600, 1100, QImage::Format_RGB32);  // the page as a printer gets it, in vectors
  page.fill(Qt::white);
  plot::renderPage(page, session().printForms().page);
  page.save(QString::fromLatin1(out) + "/print-page.png");
  click("cmdLumoPrintCancel");
  click("cmdPrintCancel");
  window.resize(1280, 800);
  shot("main-large");
  trigger(Tool::SSRLine);
  trigger(Tool::SSRLogY);
  shot("main-linear");
  trigger(Tool::SSRMultiPlot);
  shot("main-multiplot");
  trigger(Tool::SSRMultiPlot);
  trigger(Tool::SSRIncreasePoints);
  window.resize(901, 640);
  shot("main-points-panel");
  click("cmdIncreasePointsCancel");

  trigger(Tool::SSRCloseData);
  openFiles({convertMeasured(measured, dir, "Si_D2O_HEPES_20mM.dat", 6.01, 4e-6, 0.89)});
  trigger(Tool::SSRFitting);
  window.run([](ui::MainSession& s) {
    putOxideModel(s);
    s.setScrollValue(thicknessBar(1), 40);
  });
  trigger(Tool::SSRResidual);
  click("optChiSquared");
  shot("fit-residual-panel");
  click("cmdResidualOK");
  trigger(Tool::SSRAutoFit);
  shot("fit-autofit-panel");
  click("cmdAutoFitOK");
  QTest::mouseClick(row(0)->caption(), Qt::LeftButton);
  waitFor([&] { return !session().fitRunning(); });
  shot("fit-thickness-scanned");
  trigger(Tool::SSCSave);
  dialogs.queueFile(dir.file("oxide.FIT"));
  click("cmdSaveFitOK");
  window.run([](ui::MainSession& s) { s.setScrollValue(thicknessBar(1), 5); });
  dialogs.queueFile(dir.file("oxide.FIT"));
  trigger(Tool::SSCOpen);
  shot("model-reopened");

  window.run([](ui::MainSession& s) {
    s.setScrollValue({ScrollFamily::NumLayers}, 3);
    for (int k = 1; k <= 3; ++k) s.setScrollProperties(thicknessBar(k), ScrollBar{0, 150, 1, 10, 0});
  });
  trigger(Tool::SSRAutoFit);
  trigger(Tool::SSRAutoFit);
  click("optFitConstrainThickness");
  click("cmdAutoFitOK");
  for (int j = 0; j < 3; ++j) QTest::mouseClick(row(j)->caption(), Qt::LeftButton);
  click("cmdConstrainGO");
  waitFor([&] { return window.fitProgress()->isVisible(); });
  waitFor([] { return false; }, 300);
  shot("fit-constrained-progress");
  QTest::keyClick(&window, Qt::Key_Escape);
  window.run([](ui::MainSession& s) { s.setScrollValue({ScrollFamily::NumLayers}, 6); });
  for (int j = 3; j < 6; ++j) QTest::mouseClick(row(j)->caption(), Qt::LeftButton);
  click("cmdConstrainGO");
  shot("fit-limit-panel");
  QTest::keyClick(&window, Qt::Key_Escape);
  trigger(Tool::SSRAutoFit);

  // The oxide refined: thickness, solvent and its roughness together, chi squared.
  window.run([](ui::MainSession& s) { s.setScrollValue({ScrollFamily::NumLayers}, 1); });
  trigger(Tool::SSCRefine);
  for (const char* box : {"chkRefineThickness1", "chkRefineSolvent1", "chkRefineRoughness1"})
    child<QAbstractButton>(box)->click();
  click("cmdRefineStart");
  waitFor([&] { return !session().fitRunning(); });
  shot("refine-results");
  click("cmdRefineCancel");

  // The four silicon contrasts, bare and with the bilayer, on the combined plot.
  trigger(Tool::SSRCloseData);
  openFiles({convertNist(measured, dir, "Si_D2O_HEPES_20mM.dat", "Si D2O", 6.35f),
             convertNist(measured, dir, "Si_H2O_HEPES_20mM.dat", "Si H2O", -0.56f),
             convertNist(measured, dir, "Si_D2O_HEPES_20mM_POPC_1h.dat", "Si D2O POPC", 6.35f),
             convertNist(measured, dir, "Si_H2O_HEPES_20mM_POPC_1h.dat", "Si H2O POPC", -0.56f)});
  window.run([](ui::MainSession& s) { putOxideModel(s); });
  if (!tool(Tool::SSRLogY)->isChecked()) trigger(Tool::SSRLogY);
  trigger(Tool::SSRFitting);
  trigger(Tool::SSRMultiPlot);
  shot("multiplot-four-contrasts");
  trigger(Tool::SSRLogX);
  shot("multiplot-four-contrasts-logx");
  trigger(Tool::SSRLogX);
  trigger(Tool::SSRMultiPlot);

  menu(Menu::mnuStartDataConv)->trigger();
  shot("converter", window.converter());
}

}  // namespace
}  // namespace lumo::test
