// The refinement through the session: the command and its panel, a run that puts the
// best model on the scroll bars and fills the results table, cancelling, refusals, and
// lumo-cli refine giving the window's result for the same files.
#include <sstream>

#include "FittingSessionFixture.h"
#include "app/Cli.h"
#include "files/ModelScrollValues.h"

namespace lumo::test {
namespace {

using ui::Menu;
using ui::Tool;

class SessionRefine : public FittingSession {
 protected:
  void openPanel() { session.toolClicked(Tool::SSCRefine); }
  void tick(std::initializer_list<ScrollId> ids) {
    for (ScrollId id : ids) session.chkRefine_Click(id, true);
  }
  const ui::RefinePanel& refine() const { return session.refinePanel(); }
};

TEST_F(SessionRefine, CommandNeedsDataAndThePanelListsTheParametersOfTheLayersInUse) {
  session.Form_Load();
  EXPECT_FALSE(session.toolUsable(Tool::SSCRefine));
  EXPECT_FALSE(session.menuUsable(Menu::mnuRefine));
  EXPECT_EQ(ui::hoverText(Tool::SSCRefine), "Refine Parameters");
  EXPECT_STREQ(ui::menuCaption(Menu::mnuRefine), "&Refine…");
  open(writeTruthFiles(dir, 20));
  putAtTruth(session);
  EXPECT_TRUE(session.toolUsable(Tool::SSCRefine));
  EXPECT_TRUE(session.menuUsable(Menu::mnuRefine));
  session.menuClicked(Menu::mnuRefine);
  EXPECT_TRUE(refine().visible);

  std::vector<std::string> names;
  for (const ui::RefineChoice& c : session.refineChoices()) names.push_back(c.name);
  EXPECT_EQ(names, (std::vector<std::string>{"Roughness Layer 0", "Thickness Layer 1", "SLD Layer 1",
                                             "% Solvent Layer 1", "Roughness Layer 1", "Thickness Layer 2",
                                             "SLD Layer 2", "% Solvent Layer 2", "Roughness Layer 2"}));
  // A tick of a layer that goes away comes back with the layer.
  tick({sldBar(2)});
  session.setScrollValue({ScrollFamily::NumLayers}, 1);
  EXPECT_EQ(session.refineChoices().size(), 5u);
  session.setScrollValue({ScrollFamily::NumLayers}, 2);
  EXPECT_TRUE(session.refineChoices()[6].ticked);

  showResidual(true);
  EXPECT_EQ(ui::refineMeasureCaption(panels().measure), "Measure: Chi Squared");

  session.cmdRefineCancel_Click();
  EXPECT_FALSE(refine().visible);
  openPanel();
  session.toolClicked(Tool::SSRCloseData, true);
  EXPECT_FALSE(refine().visible);  // it closes with the data
  EXPECT_FALSE(session.toolUsable(Tool::SSCRefine));
}

// Two parameters far from the truth: the run brings both back, the model and curves
// follow in one recalculation, and the table lists them with the measure's line.
TEST_F(SessionRefine, RunPutsTheBestModelOnTheScrollBarsAndFillsTheTable) {
  startAtTruth({{{ScrollFamily::Thickness, 1}, 45}, {{ScrollFamily::SLD, 2}, 500}});
  setFitting(true);
  showResidual(true);
  openPanel();
  tick({thicknessBar(1), sldBar(2)});
  session.cmdRefineStart_Click();
  ASSERT_TRUE(session.fitRunning());
  EXPECT_EQ(session.fitStatus().text.rfind("Refinement: ", 0), 0u) << session.fitStatus().text;
  session.chkRefine_Click(roughnessBar(0), true);  // refused while the run goes
  const int calcs = session.calculationCount();
  finishFit();
  EXPECT_FALSE(refine().ticked(roughnessBar(0)));
  EXPECT_EQ(value(thicknessBar(1)), 30);
  EXPECT_EQ(value(sldBar(2)), 100);
  EXPECT_EQ(text(thicknessBar(1)), "30");
  EXPECT_EQ(text(sldBar(2)), "1");
  EXPECT_FLOAT_EQ(session.model().Thickness[1], 30.0f);
  EXPECT_EQ(session.calculationCount(), calcs + 1);
  EXPECT_NEAR(session.store()[1].CalcR[10], session.store()[1].DataR[10], 1e-9);
  ASSERT_EQ(refine().results.size(), 2u);
  EXPECT_EQ(refine().results[0].name, "Thickness Layer 1");
  EXPECT_EQ(refine().results[0].value.rfind("30 ± ", 0), 0u) << refine().results[0].value;
  EXPECT_EQ(refine().results[1].name, "SLD Layer 2");
  EXPECT_EQ(refine().results[1].value.rfind("1 ± ", 0), 0u) << refine().results[1].value;
  EXPECT_EQ(refine().summary.rfind("Chi Squared ", 0), 0u) << refine().summary;
  EXPECT_NE(refine().summary.find(" over 120 points, 2 parameters refined"), std::string::npos)
      << refine().summary;
  EXPECT_TRUE(refine().visible);  // the panel stays for another run
}

// Cancel (Esc) in the middle leaves model, bars, boxes, residual and table as they were.
TEST_F(SessionRefine, CancelRestoresEverything) {
  startAtTruth({{{ScrollFamily::Thickness, 1}, 45}, {{ScrollFamily::SLD, 2}, 500}});
  setFitting(true);
  showResidual();
  openPanel();
  tick({thicknessBar(1)});
  session.cmdRefineStart_Click();
  finishFit();
  const std::vector<ui::RefineResultRow> table = refine().results;
  ASSERT_EQ(table.size(), 1u);
  session.setScrollValue(thicknessBar(1), 45);
  tick({sldBar(2), solventBar(2)});
  const std::string before = shown();
  const int calcs = session.calculationCount();
  session.cmdRefineStart_Click();
  session.fitTick();
  session.fitTick();
  ASSERT_TRUE(session.fitRunning());
  EXPECT_TRUE(refine().results.empty());
  EXPECT_NE(session.lblCumulativeResidual(), "");
  session.Form_KeyDown(ui::kEscapeKey, 0);
  EXPECT_FALSE(session.fitRunning());
  EXPECT_EQ(shown(), before);
  EXPECT_EQ(session.calculationCount(), calcs);
  ASSERT_EQ(refine().results.size(), 1u);  // the table of the earlier run comes back
  EXPECT_EQ(refine().results[0].value, table[0].value);
}

TEST_F(SessionRefine, NothingTickedOrABadSeedIsRefusedWithAMessage) {
  startAtTruth();
  openPanel();
  session.cmdRefineStart_Click();
  EXPECT_FALSE(session.fitRunning());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(message(0), "Tick at least one parameter to refine !");
  tick({thicknessBar(1)});
  for (const char* seed : {"", "abc", "-1", "1.5", "1234567890123456789"}) {
    session.setRefineSeedText(seed);
    session.cmdRefineStart_Click();
    EXPECT_FALSE(session.fitRunning()) << seed;
  }
  ASSERT_EQ(dialogs.messages.size(), 6u);
  EXPECT_EQ(message(5), "The seed must be a whole number of up to 18 digits !");
  session.setRefineSeedText("123456789012345678");
  session.cmdRefineStart_Click();
  EXPECT_TRUE(session.fitRunning());
}

// The same contrasts, start model, parameters, measure and seed: the command prints the
// window's table line for line and writes the model the window's scroll bars end with.
TEST_F(SessionRefine, CommandLineRunEqualsTheWindowsRun) {
  startAtTruth({{{ScrollFamily::Thickness, 1}, 45}, {{ScrollFamily::SLD, 2}, 500},
                {{ScrollFamily::Roughness, 0}, 9}});
  const std::string start = dir.write("start.FIT", "2\r\n9\r\n45 3.47 5 4\r\n12 5 20 2\r\n");
  const auto read = readModelScrollValues(start);
  ASSERT_TRUE(std::holds_alternative<ModelScrollValues>(read));
  ASSERT_EQ(std::get<ModelScrollValues>(read), session.modelScrollValues());
  showResidual(true);
  openPanel();
  tick({thicknessBar(1), sldBar(2), roughnessBar(0)});
  session.setRefineSeedText("7");
  session.cmdRefineStart_Click();
  finishFit();
  ASSERT_EQ(refine().results.size(), 3u);

  const std::string out = dir.file("out.FIT");
  std::ostringstream printed, errors;
  const int status = cli::run({"refine", start, "--data", dir.file("contrast1.vld"), "--solvent-sld", "6.35",
                               "--data", dir.file("contrast2.vld"), "--solvent-sld", "-0.56",
                               "--incident-sld", "2.07", "--vary", "roughness:0,thickness:1,sld:2",
                               "--measure", "chi2", "--seed", "7", "-o", out},
                              printed, errors);
  ASSERT_EQ(status, cli::kExitOk) << errors.str();
  std::istringstream lines(printed.str());
  std::string line;
  for (const ui::RefineResultRow& row : refine().results) {
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(line.rfind(row.name, 0), 0u) << line;
    EXPECT_EQ(line.substr(line.size() - row.value.size()), row.value) << line;
  }
  ASSERT_TRUE(std::getline(lines, line));
  EXPECT_EQ(line, refine().summary);
  EXPECT_FALSE(std::getline(lines, line));
  const auto written = readModelScrollValues(out);
  ASSERT_TRUE(std::holds_alternative<ModelScrollValues>(written));
  EXPECT_EQ(std::get<ModelScrollValues>(written), session.modelScrollValues());
}

}  // namespace
}  // namespace lumo::test
