// Automatic fitting through the session: the mode with its label colours and panel,
// the scans of single parameters, and the selection of layers by their thickness labels.
#include "FittingSessionFixture.h"

namespace lumo::test {
namespace {

using ui::Menu;
using ui::Tool;

class SessionAutoFit : public FittingSession {
 protected:
  void expectLayerColours(int layer, int colour) {
    for (ScrollFamily f : kLayerFamilies) EXPECT_EQ(labelColour({f, layer}), colour) << layer;
  }
};

// The mode colours the labels of the model's layers, and of layers added while it is
// on, and keeps the calculation grid away; Cancel in either of its panels ends it.
TEST_F(SessionAutoFit, ModeColoursTheModelsLabelsAndItsPanelsEndIt) {
  startAtTruth();
  session.lblThickness_Click(1);  // the mode is off: nothing happens
  EXPECT_FALSE(session.fitRunning());
  session.menuClicked(Menu::mnuAutoFit);
  EXPECT_TRUE(session.tools().down(Tool::SSRAutoFit));
  EXPECT_TRUE(panels().autoFitPanelVisible);
  EXPECT_FALSE(session.menus().enabled(Menu::mnuPointsInCalculation));
  EXPECT_EQ(labelColour(roughnessBar(0)), colour::DarkBlue);
  expectLayerColours(2, colour::DarkBlue);
  expectLayerColours(3, colour::Black);
  session.setScrollValue({ScrollFamily::NumLayers}, 4);
  expectLayerColours(4, colour::DarkBlue);

  session.optFitConstrainThickness_Click();
  session.cmdAutoFitOK_Click();
  EXPECT_FALSE(panels().autoFitPanelVisible);
  EXPECT_TRUE(panels().constrainPanelVisible);
  // Start: Min of layer 1's thickness; Finish: the sum of the Max of layers 1..4.
  EXPECT_EQ(panels().txtConstrainStart, "0");
  EXPECT_EQ(panels().txtConstrainFinish, "200");
  session.cmdConstrainCancel_Click();
  EXPECT_FALSE(panels().constrainPanelVisible);
  EXPECT_FALSE(session.tools().down(Tool::SSRAutoFit));
  EXPECT_TRUE(session.menus().enabled(Menu::mnuPointsInCalculation));
  EXPECT_EQ(labelColour(roughnessBar(0)), colour::Black);
  expectLayerColours(1, colour::Black);

  session.toolClicked(Tool::SSRAutoFit, true);
  session.setScrollValue({ScrollFamily::NumLayers}, 1);  // removed layers turn black
  expectLayerColours(2, colour::Black);
  expectLayerColours(1, colour::DarkBlue);
  session.cmdAutoFitCancel_Click();
  EXPECT_FALSE(panels().autoFitPanelVisible);
  EXPECT_FALSE(session.tools().down(Tool::SSRAutoFit));
  expectLayerColours(1, colour::Black);
}

struct ScanCase {
  ScrollId id;
  int start;  // the value before the scan
  bool residualShown;
  bool calculateFit = true;
};

// Every family, each with the residual display on and off; one with "Calculate Fit" up.
std::vector<ScanCase> scanCases() {
  std::vector<ScanCase> cases;
  for (bool shown : {true, false})
    for (auto [id, start] : {std::pair{thicknessBar(1), 20}, {thicknessBar(2), 40}, {sldBar(1), 500},
                             {solventBar(2), 60}, {roughnessBar(1), 10}, {roughnessBar(0), 30}})
      cases.push_back({id, start, shown});
  cases.push_back({thicknessBar(1), 20, true, false});
  return cases;
}

class SessionScan : public FittingSession, public ::testing::WithParamInterface<ScanCase> {
 protected:
  void click(ScrollId id) {
    switch (id.family) {
      case ScrollFamily::Thickness: session.lblThickness_Click(id.index); break;
      case ScrollFamily::SLD: session.lblSLD_Click(id.index); break;
      case ScrollFamily::Solvent: session.lblSolvent_Click(id.index); break;
      default: session.lblRoughness_Click(id.index); break;
    }
  }
};

// The scan ends on the true value, set through the scroll bar. With "Calculate Fit"
// down one recalculation with it puts the curves on the data; with it up nothing is
// drawn. With the residual display off the scan still ranks by the measure (it would
// otherwise see one stale total and keep Min).
TEST_P(SessionScan, FindsTheTrueValue) {
  const ScanCase& c = GetParam();
  startAtTruth({{{c.id.family, c.id.index}, c.start}});
  if (c.calculateFit) setFitting(true);
  if (c.residualShown) showResidual();
  autoFitOn();
  const auto overlay = session.picPlot(1).overlayVersion();
  click(c.id);
  ASSERT_TRUE(session.fitRunning());
  EXPECT_EQ(labelColour(c.id), c.id.family == ScrollFamily::Thickness ? colour::Red : colour::DarkBlue);
  const int calcs = session.calculationCount();
  finishFit();
  EXPECT_EQ(value(c.id), truth(c.id));
  EXPECT_EQ(text(c.id), LayerEditorState::textForm(c.id.family, truth(c.id)));
  EXPECT_EQ(labelColour(c.id), colour::DarkBlue);
  EXPECT_FLOAT_EQ(session.model().Thickness[1], 30.0f);  // the model follows the bar
  EXPECT_EQ(session.calculationCount(), calcs + (c.calculateFit ? 1 : 0));
  if (c.calculateFit)
    EXPECT_NEAR(session.store()[1].CalcR[30], session.store()[1].DataR[30], 1e-12);
  else
    EXPECT_EQ(session.picPlot(1).overlayVersion(), overlay);
}

INSTANTIATE_TEST_SUITE_P(Families, SessionScan, ::testing::ValuesIn(scanCases()));

// Min = Max is one trial, which still runs the bar's change handler; a SmallChange
// that does not divide the range stops below Max (0, 7, ..., 35).
TEST_F(SessionAutoFit, ARangeOfOneValueOrWithAStepThatDoesNotDivideIt) {
  startAtTruth();
  setFitting(true);
  autoFitOn();
  for (auto [bar, trials, best] : {std::tuple{ScrollBar{17, 17, 1, 5, 0}, 1, 17},
                                   std::tuple{ScrollBar{0, 40, 7, 5, 0}, 6, 28}}) {
    session.setScrollProperties(thicknessBar(1), bar);
    session.lblThickness_Click(1);
    EXPECT_EQ(session.fitStatus().total, trials);
    const int calcs = session.calculationCount();
    finishFit();
    EXPECT_EQ(value(thicknessBar(1)), best);
    EXPECT_EQ(session.calculationCount(), calcs + 1);
  }
}

TEST_F(SessionAutoFit, ConstrainModeSelectsThicknessLabelsAndScansTheOthers) {
  startAtTruth({{{ScrollFamily::SLD, 2}, 300}});
  autoFitOn(true);
  session.lblThickness_Click(2);
  EXPECT_EQ(labelColour(thicknessBar(2)), colour::Red);
  EXPECT_FALSE(session.fitRunning());
  session.lblThickness_Click(2);
  EXPECT_EQ(labelColour(thicknessBar(2)), colour::DarkBlue);
  session.lblThickness_Click(3);  // not a layer of the model
  EXPECT_EQ(labelColour(thicknessBar(3)), colour::Black);
  session.lblSLD_Click(2);
  EXPECT_TRUE(session.fitRunning());
  finishFit();
  EXPECT_EQ(value(sldBar(2)), 100);
}

TEST_F(SessionAutoFit, WithoutDataAScanIsRefusedWithAMessage) {
  session.Form_Load();
  setFitting(true);  // the start-up curves
  session.toolClicked(Tool::SSRAutoFit, true);
  session.lblThickness_Click(1);
  EXPECT_FALSE(session.fitRunning());
  EXPECT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(value(thicknessBar(1)), 14);
}

// The native oxide of a silicon block measured in D2O (published 11 Å): the background
// removed and the scale divided out, chi squared on a linear Y axis.
TEST_F(SessionAutoFit, ScanOfAMeasuredOxideFindsItsThickness) {
  LUMO_REQUIRE_TESTDATA(data);
  if (!std::filesystem::exists(data / "measured" / "Si_D2O_HEPES_20mM.dat")) GTEST_SKIP();
  session.Form_Load();
  open({convertMeasured(data / "measured", dir, "Si_D2O_HEPES_20mM.dat", 6.01, 4e-6, 0.89)});
  session.toolClicked(Tool::SSRLogY, false);
  setFitting(true);
  putOxideModel(session);
  showResidual(true);
  autoFitOn();
  session.lblThickness_Click(1);
  finishFit();
  EXPECT_NEAR(value(thicknessBar(1)), 11, 3);
  EXPECT_EQ(session.lblCumulativeResidual(), panels().lblResidual[1].caption);
}

}  // namespace
}  // namespace lumo::test
