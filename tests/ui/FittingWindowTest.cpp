// Fitting in the real main window on the offscreen platform: a scan run by the window's
// timer, a long fit that shows its progress and is cancelled by Esc or by the Cancel
// button, and pictures of the fitting panels for looking at by eye.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <functional>

#include "FittingSessionFixture.h"
#include "MeasuredCurves.h"
#include "WindowFixture.h"
#include "editor/LayerEditorWidgets.h"
#include "ui/FitProgressPanel.h"
#include "ui/FittingPanelWidgets.h"
#include "ui/Lumo3.h"
#include "ui/MainActions.h"

namespace lumo::test {
namespace {

using ui::Tool;

class FittingWindow : public WindowFixture {
 protected:
  template <class W>
  W* child(const char* name) const {
    W* w = window.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  void click(const char* button) { child<QAbstractButton>(button)->click(); }
  // Row f (thickness, SLD, solvent, roughness) of the layer panel in place j.
  editor::ParameterRow* row(int j, int f) const { return window.layerPanels()->panel(j)->rows()[f]; }
  QColor captionColour(int j, int f) const {
    return row(j, f)->caption()->palette().color(QPalette::WindowText);
  }
  // Runs the event loop until `done` or until `ms` have passed.
  static bool waitFor(const std::function<bool()>& done, int ms = 20000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) QApplication::processEvents();
    return done();
  }

  // The true model of FittingSessionFixture on screen, "Calculate Fit" down, with
  // changes made by `adjust`.
  void showTruth(const std::function<void(ui::MainSession&)>& adjust) {
    openFiles(writeTruthFiles(dir, 60));
    trigger(Tool::SSRFitting);
    window.run([&](ui::MainSession& s) {
      s.setScrollValue({ScrollFamily::NumLayers}, 2);
      for (const auto& [key, value] : truthValues()) s.setScrollValue({key.first, key.second}, value);
      adjust(s);
    });
    window.show();
  }
};

TEST_F(FittingWindow, AScanRunsOnTheWindowsTimerAndSetsTheScrollBar) {
  showTruth([](ui::MainSession& s) { s.setScrollValue(thicknessBar(1), 20); });
  trigger(Tool::SSRAutoFit);
  EXPECT_EQ(captionColour(0, 0), QColor(0, 0, 128));
  auto* panel = window.findChild<ui::AutoFitPanel*>();
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(panel->isVisible());
  EXPECT_FALSE(child<QRadioButton>("optMultiFit")->isEnabled());
  click("cmdAutoFitOK");
  EXPECT_FALSE(panel->isVisible());

  QTest::mouseClick(row(0, 0)->caption(), Qt::LeftButton);
  ASSERT_TRUE(session().fitRunning());
  // The editor and the commands are locked while the scan runs.
  EXPECT_FALSE(row(0, 0)->scrollBar()->isEnabled());
  EXPECT_FALSE(row(0, 1)->textBox()->isEnabled());
  EXPECT_FALSE(window.actions().tool(Tool::SSRLogY)->isEnabled());
  EXPECT_TRUE(window.actions().tool(Tool::SSRToolTips)->isEnabled());
  EXPECT_EQ(captionColour(0, 0), QColor(128, 0, 0));

  ASSERT_TRUE(waitFor([&] { return !session().fitRunning(); }));
  EXPECT_EQ(row(0, 0)->scrollBar()->value(), 30);
  EXPECT_EQ(row(0, 0)->textBox()->text(), "30");
  EXPECT_TRUE(row(0, 0)->scrollBar()->isEnabled());
  EXPECT_TRUE(window.actions().tool(Tool::SSRLogY)->isEnabled());
  EXPECT_EQ(captionColour(0, 0), QColor(0, 0, 128));
  EXPECT_FALSE(window.fitProgress()->isVisible());
}

// Three layers of 0..200 Å each: far more evaluations than a second allows.
TEST_F(FittingWindow, ALongFitShowsItsProgressAndEscOrCancelEndsIt) {
  showTruth([](ui::MainSession& s) {
    s.setScrollValue({ScrollFamily::NumLayers}, 3);
    for (int k = 1; k <= 3; ++k) s.setScrollProperties(thicknessBar(k), ScrollBar{0, 200, 1, 10, 0});
  });
  trigger(Tool::SSRAutoFit);
  click("optFitConstrainThickness");
  click("cmdAutoFitOK");
  EXPECT_EQ(child<QLineEdit>("txtConstrainStart")->text(), "0");
  EXPECT_EQ(child<QLineEdit>("txtConstrainFinish")->text(), "600");
  for (int j = 0; j < 3; ++j) QTest::mouseClick(row(j, 0)->caption(), Qt::LeftButton);
  EXPECT_EQ(captionColour(2, 0), QColor(128, 0, 0));
  const LayerModel model = session().model();
  const QString texts = row(0, 0)->textBox()->text() + row(1, 0)->textBox()->text();

  for (bool byEscape : {true, false}) {
    SCOPED_TRACE(byEscape ? "Esc" : "Cancel button");
    click("cmdConstrainGO");
    ASSERT_TRUE(session().fitRunning());
    ASSERT_TRUE(waitFor([&] { return window.fitProgress()->isVisible(); }));
    auto* bar = child<QProgressBar>("fitProgress");
    EXPECT_TRUE(window.fitProgress()->text().startsWith("Layers 1, 2, 3: "))
        << window.fitProgress()->text().toStdString();
    EXPECT_GE(bar->value(), 0);
    if (byEscape)
      QTest::keyClick(&window, Qt::Key_Escape);
    else
      click("cmdFitCancel");
    EXPECT_FALSE(session().fitRunning());
    EXPECT_FALSE(window.fitProgress()->isVisible());
    EXPECT_EQ(session().model().Thickness, model.Thickness);
    EXPECT_EQ(row(0, 0)->scrollBar()->value(), 30);
    EXPECT_EQ(row(1, 0)->scrollBar()->value(), 12);
    EXPECT_EQ(row(0, 0)->textBox()->text() + row(1, 0)->textBox()->text(), texts);
    EXPECT_TRUE(row(0, 0)->scrollBar()->isEnabled());
  }
}

// Pictures of fitting in the window, written into $LUMO_SCREENSHOT_DIR: the measured
// silicon block in D2O (background removed, scale divided out) with one oxide layer on
// a linear Y axis, the residual (chi squared) shown, the oxide thickness scanned, and a
// long constrained fit in progress.
TEST_F(FittingWindow, Screenshots) {
  const char* out = std::getenv("LUMO_SCREENSHOT_DIR");
  if (!out) GTEST_SKIP() << "set LUMO_SCREENSHOT_DIR to write screenshots";
  LUMO_REQUIRE_TESTDATA(data);
  const QString dirOut = QString::fromLatin1(out);
  openFiles({convertMeasuredCorrected(data / "measured", dir, "Si_D2O_HEPES_20mM.dat", 6.01, 4e-6,
                                      0.89)});
  trigger(Tool::SSRLogY);
  trigger(Tool::SSRFitting);
  window.run([](ui::MainSession& s) {
    s.setScrollValue(sldBar(1), 347);
    s.setScrollValue(solventBar(1), 5);
    s.setScrollValue(roughnessBar(0), 3);
    s.setScrollValue(roughnessBar(1), 2);
    s.setScrollValue(thicknessBar(1), 40);
  });
  window.resize(901, 640);
  window.show();
  trigger(Tool::SSRResidual);
  click("optChiSquared");
  QApplication::processEvents();
  window.grab().save(dirOut + "/fit-residual-panel.png");
  click("cmdResidualOK");
  trigger(Tool::SSRAutoFit);
  QApplication::processEvents();
  window.grab().save(dirOut + "/fit-autofit-panel.png");
  click("cmdAutoFitOK");
  QTest::mouseClick(row(0, 0)->caption(), Qt::LeftButton);
  waitFor([&] { return !session().fitRunning(); });
  QApplication::processEvents();
  window.grab().save(dirOut + "/fit-thickness-scanned.png");

  window.run([](ui::MainSession& s) {
    s.setScrollValue({ScrollFamily::NumLayers}, 3);
    for (int k = 1; k <= 3; ++k) s.setScrollProperties(thicknessBar(k), ScrollBar{0, 150, 1, 10, 0});
  });
  trigger(Tool::SSRAutoFit);
  trigger(Tool::SSRAutoFit);
  click("optFitConstrainThickness");
  click("cmdAutoFitOK");
  for (int j = 0; j < 3; ++j) QTest::mouseClick(row(j, 0)->caption(), Qt::LeftButton);
  click("cmdConstrainGO");
  waitFor([&] { return window.fitProgress()->isVisible(); });
  waitFor([] { return false; }, 300);
  window.grab().save(dirOut + "/fit-constrained-progress.png");
  QTest::keyClick(&window, Qt::Key_Escape);
  QApplication::processEvents();
  window.grab().save(dirOut + "/fit-constrained-cancelled.png");
  window.run([](ui::MainSession& s) { s.setScrollValue({ScrollFamily::NumLayers}, 6); });
  for (int j = 3; j < 6; ++j) QTest::mouseClick(row(j, 0)->caption(), Qt::LeftButton);
  click("cmdConstrainGO");
  QApplication::processEvents();
  window.grab().save(dirOut + "/fit-limit-panel.png");
}

}  // namespace
}  // namespace lumo::test
