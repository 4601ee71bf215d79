// Fitting in the real main window on the offscreen platform: a scan run by the window's
// timer, and a long fit that shows its progress and is cancelled by Esc or by the
// Cancel button.
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "FittingSessionFixture.h"
#include "WindowFixture.h"
#include "ui/FitProgressPanel.h"
#include "ui/FittingPanelWidgets.h"

namespace lumo::test {
namespace {

using ui::Tool;

class FittingWindow : public WindowFixture {
 protected:
  // The true model of FittingSessionFixture on screen, "Calculate Fit" down, with
  // changes made by `adjust`.
  void showTruth(const std::function<void(ui::MainSession&)>& adjust) {
    openFiles(writeTruthFiles(dir, 60));
    trigger(Tool::SSRFitting);
    window.run([&](ui::MainSession& s) {
      putAtTruth(s);
      adjust(s);
    });
    window.show();
  }
};

TEST_F(FittingWindow, AScanRunsOnTheWindowsTimerAndSetsTheScrollBar) {
  showTruth([](ui::MainSession& s) { s.setScrollValue(thicknessBar(1), 20); });
  trigger(Tool::SSRAutoFit);
  auto* panel = window.findChild<ui::AutoFitPanel*>();
  ASSERT_TRUE(panel && panel->isVisible());
  click("cmdAutoFitOK");
  EXPECT_FALSE(panel->isVisible());

  QTest::mouseClick(row(0)->caption(), Qt::LeftButton);
  ASSERT_TRUE(session().fitRunning());
  // The editor and the commands are locked while the scan runs.
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
  EXPECT_EQ(child<QLineEdit>("txtConstrainFinish")->text(), "600");
  for (int j = 0; j < 3; ++j) QTest::mouseClick(row(j)->caption(), Qt::LeftButton);
  EXPECT_EQ(captionColour(2), QColor(128, 0, 0));
  const LayerModel model = session().model();
  const QString texts = row(0)->textBox()->text() + row(1)->textBox()->text();

  for (bool byEscape : {true, false}) {
    SCOPED_TRACE(byEscape ? "Esc" : "Cancel button");
    click("cmdConstrainGO");
    ASSERT_TRUE(session().fitRunning());
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
    EXPECT_EQ(row(1)->scrollBar()->value(), 12);
    EXPECT_EQ(row(0)->textBox()->text() + row(1)->textBox()->text(), texts);
    EXPECT_TRUE(row(0)->scrollBar()->isEnabled());
  }
}

}  // namespace
}  // namespace lumo::test
