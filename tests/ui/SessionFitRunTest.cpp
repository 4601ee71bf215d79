// Fits in progress through the session: the constrained thickness fit and its
// refusals, progress, cancellation, and the commands refused while a fit runs.
#include <sstream>

#include "FittingSessionFixture.h"
#include "fitting/ConstrainedFitPlan.h"

namespace lumo::test {
namespace {

using ui::Tool;

class SessionFitRun : public FittingSession {
 protected:
  // Constrained mode with the thickness labels of `layers` selected.
  void select(std::initializer_list<int> layers) {
    autoFitOn(true);
    for (int k : layers) session.lblThickness_Click(k);
  }
  void bounds(const std::string& start, const std::string& finish) {
    session.setConstrainStartText(start);
    session.setConstrainFinishText(finish);
  }
};

TEST_F(SessionFitRun, ConstrainedFitFindsBothThicknessesAndWritesThemBackOnce) {
  startAtTruth({{{ScrollFamily::Thickness, 1}, 5}, {{ScrollFamily::Thickness, 2}, 45}});
  setFitting(true);
  select({1, 2});
  bounds("0", "100");
  session.cmdConstrainGO_Click();
  ASSERT_TRUE(session.fitRunning());
  // The selected layers start at the Min of their ranges.
  EXPECT_EQ(text(thicknessBar(1)), "0");
  EXPECT_EQ(text(thicknessBar(2)), "0");
  EXPECT_EQ(session.fitStatus().total, 51 * 51);
  const int calcs = session.calculationCount();
  finishFit();
  EXPECT_EQ(value(thicknessBar(1)), 30);
  EXPECT_EQ(value(thicknessBar(2)), 12);
  EXPECT_EQ(text(thicknessBar(2)), "12");
  EXPECT_FLOAT_EQ(session.model().Thickness[2], 12.0f);
  EXPECT_FALSE(session.CalcPaused());
  EXPECT_EQ(session.calculationCount(), calcs + 1);
  EXPECT_NEAR(session.store()[2].CalcR[10], session.store()[2].DataR[10], 1e-12);
  // The panel stays for another run, and so does the selection.
  EXPECT_TRUE(panels().constrainPanelVisible);
  EXPECT_EQ(labelColour(thicknessBar(1)), colour::Red);
}

// Start after Finish puts the default bounds back; Start = Finish = 50 evaluates only
// the pairs that sum to 50.
TEST_F(SessionFitRun, StartAfterFinishResetsTheBoundsAndStartEqualToFinishIsOneSum) {
  startAtTruth();
  select({1, 2});
  bounds("60", "20");
  session.cmdConstrainGO_Click();
  EXPECT_FALSE(session.fitRunning());
  EXPECT_EQ(panels().txtConstrainStart, "0");
  EXPECT_EQ(panels().txtConstrainFinish, "100");
  EXPECT_TRUE(dialogs.messages.empty());

  bounds("50", "50");
  session.cmdConstrainGO_Click();
  EXPECT_EQ(session.fitStatus().total, 51);  // t1 = 0..50, t2 = 50 - t1
  finishFit();
  EXPECT_EQ(value(thicknessBar(1)) + value(thicknessBar(2)), 50);
}

struct RefusalCase {
  std::vector<int> selected;
  std::string start, finish;
  std::string message;  // empty: the limit panel instead of a message
};

class SessionConstrainedRefusal : public SessionFitRun,
                                  public ::testing::WithParamInterface<RefusalCase> {};

// A refused fit changes nothing: model, scroll bars, text boxes, selection.
TEST_P(SessionConstrainedRefusal, ChangesNothing) {
  const RefusalCase& c = GetParam();
  startAtTruth();
  session.setScrollValue({ScrollFamily::NumLayers}, 6);
  autoFitOn(true);
  for (int k : c.selected) session.lblThickness_Click(k);
  bounds(c.start, c.finish);
  const std::string before = shown();
  session.cmdConstrainGO_Click();
  EXPECT_FALSE(session.fitRunning());
  EXPECT_EQ(shown(), before);
  if (c.message.empty()) {
    EXPECT_TRUE(panels().limitPanelVisible);
    EXPECT_TRUE(dialogs.messages.empty());
    session.cmdTooManyOK_Click();
    EXPECT_FALSE(panels().limitPanelVisible);
  } else {
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(message(), c.message);
    EXPECT_FALSE(panels().limitPanelVisible);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SessionConstrainedRefusal,
    ::testing::Values(RefusalCase{{1, 2, 3, 4, 5, 6}, "0", "300", ""},
                      RefusalCase{{1, 2}, "zero", "100", fitting::kBoundsNotNumbersMessage},
                      RefusalCase{{1, 2}, "0", "", fitting::kBoundsNotNumbersMessage},
                      RefusalCase{{}, "0", "100", fitting::kNoLayerSelectedMessage}));

// Esc in the middle of either kind of fit leaves everything as it was.
TEST_F(SessionFitRun, EscapeRestoresModelScrollBarsAndTextBoxes) {
  startAtTruth({{{ScrollFamily::Thickness, 1}, 5}, {{ScrollFamily::SLD, 2}, 600}});
  setFitting(true);
  showResidual();
  for (bool constrained : {false, true}) {
    SCOPED_TRACE(constrained ? "constrained" : "scan");
    autoFitOn(constrained);
    if (constrained) {
      session.lblThickness_Click(1);
      session.lblThickness_Click(2);
      bounds("0", "100");
    }
    const std::string before = shown();
    constrained ? session.cmdConstrainGO_Click() : session.lblThickness_Click(1);
    ASSERT_TRUE(session.fitRunning());
    session.fitTick();
    session.fitTick();
    ASSERT_TRUE(session.fitRunning());
    EXPECT_NE(shown(), before);  // the boxes and the residual show the trials
    const int calcs = session.calculationCount();
    session.Form_KeyDown(ui::kEscapeKey, 0);
    EXPECT_FALSE(session.fitRunning());
    EXPECT_EQ(shown(), before);
    EXPECT_EQ(session.calculationCount(), calcs);
    session.toolClicked(Tool::SSRAutoFit, false);
  }
}

// The test clock moves 1 ms at every reading: the progress shows after 500 trials.
TEST_F(SessionFitRun, ProgressShowsForRunsLongerThanHalfASecond) {
  startAtTruth();
  autoFitOn();
  session.lblSLD_Click(1);  // 901 trials
  while (session.fitRunning() && !session.fitStatus().progressVisible) session.fitTick();
  const ui::FitStatus s = session.fitStatus();
  ASSERT_TRUE(s.progressVisible);
  EXPECT_GT(s.done, 450);
  EXPECT_EQ(s.total, 901);
  EXPECT_NEAR(s.fraction, static_cast<double>(s.done) / 901, 1e-12);
  EXPECT_EQ(s.text.rfind(cat("SLD of layer 1: ", std::to_string(s.done), " of 901 trials, best residual "), 0), 0u)
      << s.text;
}

TEST_F(SessionFitRun, CommandsThatChangeTheModelWaitForTheFit) {
  startAtTruth();
  setFitting(true);
  autoFitOn();
  session.lblSLD_Click(1);
  ASSERT_TRUE(session.fitRunning());
  const std::string before = shown();
  session.setScrollValue(thicknessBar(1), 40);
  session.txtParameter_GotFocus(thicknessBar(2));
  session.txtParameter_LostFocus(thicknessBar(2), "20");
  session.setScrollValue({ScrollFamily::NumLayers}, 3);
  session.toolClicked(Tool::SSRLogY, false);
  session.toolClicked(Tool::SSRAutoFit, false);
  session.menuClicked(ui::Menu::mnuLogX);
  session.optAirLiquid_Click();
  session.lblThickness_Click(1);
  session.picEnlarge_Click(1);
  EXPECT_EQ(shown(), before);
  EXPECT_TRUE(session.tools().down(Tool::SSRLogY));
  EXPECT_TRUE(session.tools().down(Tool::SSRAutoFit));
  EXPECT_FALSE(session.picPlot(0).visible());
  // Paging only changes what is shown.
  session.setScrollValue({ScrollFamily::WhichLayers}, 5);
  EXPECT_EQ(value({ScrollFamily::WhichLayers}), 5);
  finishFit();
  EXPECT_EQ(value(sldBar(1)), 347);
  session.setScrollValue(thicknessBar(1), 40);
  EXPECT_EQ(value(thicknessBar(1)), 40);
}

}  // namespace
}  // namespace lumo::test
