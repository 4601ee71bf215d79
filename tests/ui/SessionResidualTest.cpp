// The residual display through the session: the switch, its option panel, the labels on
// the plots and the cumulative label, and chi squared on points without error bars.
#include "FittingSessionFixture.h"

namespace lumo::test {
namespace {

using ui::Menu;
using ui::Tool;

class SessionResidual : public FittingSession {
 protected:
  const ui::ResidualLabel& label(int p) const { return panels().lblResidual[static_cast<size_t>(p)]; }

  // The residual texts drawn on plot p.
  std::vector<std::string> residualTexts(int p) const {
    std::vector<std::string> out;
    for (const auto& prim : session.picPlot(p).overlay())
      if (const auto* t = std::get_if<TextPrimitive>(&prim); t && t->role == TextRole::Residual)
        out.push_back(t->text);
    return out;
  }
};

TEST_F(SessionResidual, OkShowsTheChosenMeasureAndCancelSwitchesTheDisplayOff) {
  startAtTruth({{{ScrollFamily::Thickness, 1}, 20}});
  setFitting(true);
  EXPECT_FALSE(panels().cumulativeFrameVisible);
  session.toolClicked(Tool::SSRResidual, true);
  EXPECT_TRUE(panels().residualPanelVisible);
  EXPECT_TRUE(panels().cumulativeFrameVisible);
  EXPECT_TRUE(label(1).visible);
  EXPECT_FALSE(session.menus().checked(Menu::mnuResidual));
  // Least squares at start: the labels already show it after the recalculation.
  const std::string leastSquares = label(1).caption;
  EXPECT_EQ(residualTexts(1), std::vector<std::string>{leastSquares});

  session.optChiSquared_Click();
  session.cmdResidualOK_Click();
  EXPECT_FALSE(panels().residualPanelVisible);
  EXPECT_TRUE(session.menus().checked(Menu::mnuResidual));
  EXPECT_EQ(panels().measure, ResidualMeasure::ChiSquared);
  EXPECT_NE(label(1).caption, leastSquares);
  EXPECT_EQ(label(1).caption, text::formatSci4(session.store()[1].SetResidual));
  EXPECT_EQ(session.lblCumulativeResidual(),
            text::formatSci4(session.store()[1].SetResidual + session.store()[2].SetResidual));
  // The enlarged plot's label is never shown.
  EXPECT_FALSE(label(0).visible);

  // Cancel switches the display off. A change then recalculates the curves, not the
  // residuals, and the cumulative label keeps showing the sum of the last ones.
  session.toolClicked(Tool::SSRResidual, false);
  session.toolClicked(Tool::SSRResidual, true);
  const std::string cumulative = session.lblCumulativeResidual();
  session.cmdResidualCancel_Click();
  EXPECT_FALSE(session.tools().down(Tool::SSRResidual));
  EXPECT_FALSE(panels().residualPanelVisible);
  EXPECT_FALSE(label(1).visible);
  EXPECT_FALSE(session.menus().checked(Menu::mnuResidual));
  EXPECT_TRUE(residualTexts(1).empty());
  EXPECT_TRUE(panels().cumulativeFrameVisible);
  EXPECT_EQ(session.lblCumulativeResidual(), cumulative);
  session.setScrollValue(thicknessBar(1), 25);
  EXPECT_EQ(session.lblCumulativeResidual(), cumulative);
}

TEST_F(SessionResidual, WithCalculateFitUpTheLabelsWaitForTheNextCalculation) {
  startAtTruth({{{ScrollFamily::Thickness, 1}, 20}});
  showResidual();
  EXPECT_EQ(session.lblCumulativeResidual(), "---");
  EXPECT_EQ(label(1).caption, "");
  setFitting(true);
  EXPECT_NE(label(1).caption, "");
  EXPECT_NE(session.lblCumulativeResidual(), "---");
}

// At the true model only the rounding of the logarithms taken on reading the data
// remains, in both measures; chi squared leaves out points without error bars (instead
// of dividing by zero) and says so.
TEST_F(SessionResidual, AtTheTrueModelBothMeasuresVanishAndChiSquaredSaysWhatItLeftOut) {
  session.Form_Load();
  std::vector<DataPoint> points = truthCurve(1, 40);
  points[5].dr = points[9].dr = 0;
  open({dir.write("noerror.vld", dataFileText("No error", 6.35, points))});
  putAtTruth(session);
  setFitting(true);
  showResidual();
  EXPECT_LT(std::stod(session.lblCumulativeResidual()), 1e-20);
  EXPECT_EQ(label(1).caption.find("left out"), std::string::npos);  // least squares needs no dR

  session.toolClicked(Tool::SSRResidual, false);
  showResidual(true);
  EXPECT_EQ(session.store()[1].ResidualPointsLeftOut, 2);
  EXPECT_LT(session.store()[1].SetResidual, 1e-20);
  EXPECT_EQ(label(1).caption,
            cat(text::formatSci4(session.store()[1].SetResidual), " (2 points without error left out)"));
  EXPECT_NE(session.lblCumulativeResidual().find("(2 points without error left out)"), std::string::npos);
}

// Zeros measured at high Q are held as placeholders, which are no measurements: both
// measures, and a thickness scan ranked by them, come out as for the data without them.
TEST_F(SessionResidual, ZerosAtHighQLeaveResidualsAndScansAsIfTheyWereNotThere) {
  std::vector<DataPoint> zeros = truthCurve(1, 60);
  const std::vector<DataPoint> clean(zeros.begin(), zeros.end() - 6);
  for (size_t i = 54; i < 60; ++i) zeros[i].r = 0;
  struct Outcome {
    float leastSquares, chiSquared;
    int scanned;
  };
  const auto measure = [&](const std::vector<DataPoint>& points, const char* name) {
    if (session.dataLoaded()) session.toolClicked(Tool::SSRCloseData, true);
    open({dir.write(name, dataFileText(name, 6.35, points))});
    putAtTruth(session, {{{ScrollFamily::Thickness, 1}, 20}});
    setFitting(true);
    showResidual(true);
    Outcome o{};
    o.chiSquared = session.store()[1].SetResidual;
    session.toolClicked(Tool::SSRResidual, false);
    showResidual(false);
    o.leastSquares = session.store()[1].SetResidual;
    autoFitOn();
    session.lblThickness_Click(1);
    finishFit();
    o.scanned = value(thicknessBar(1));
    session.toolClicked(Tool::SSRAutoFit, false);
    return o;
  };
  session.Form_Load();
  const Outcome withZeros = measure(zeros, "zeros.vld");
  EXPECT_NE(label(1).caption.find("(6 points with R <= 0 left out)"), std::string::npos);
  const Outcome without = measure(clean, "clean.vld");
  EXPECT_EQ(withZeros.leastSquares, without.leastSquares);
  EXPECT_EQ(withZeros.chiSquared, without.chiSquared);
  EXPECT_GT(without.leastSquares, 0.1f);
  EXPECT_EQ(withZeros.scanned, without.scanned);
  EXPECT_EQ(without.scanned, truth(thicknessBar(1)));
}

TEST_F(SessionResidual, TheGridTakesTheDisplayAndAutomaticFittingOff) {
  startAtTruth();
  setFitting(true);
  showResidual();
  session.menuClicked(Menu::mnuPointsInCalculation);
  session.toolClicked(Tool::SSRAutoFit, true);
  session.cmdIncreasePointsOK_Click();
  EXPECT_FALSE(session.tools().down(Tool::SSRResidual));
  EXPECT_FALSE(session.tools().enabled(Tool::SSRAutoFit));
  EXPECT_FALSE(label(1).visible);
  EXPECT_EQ(labelColour(thicknessBar(1)), colour::Black);
  EXPECT_EQ(labelColour(roughnessBar(0)), colour::Black);
}

}  // namespace
}  // namespace lumo::test
