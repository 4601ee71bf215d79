// The SLD profile panel through the session: shown from the Plot menu or its button,
// the contrasts in use with the data sets' colours and titles, following every change
// of the model at once without touching the curves, and printed when shown.
#include "FittingSessionFixture.h"
#include "files/ModelFileWriter.h"
#include "plot/CombinedPlot.h"
#include "plot/PrintPage.h"
#include "plot/PagePrinter.h"

namespace lumo::test {
namespace {

using ui::Menu;
using ui::Tool;

class SessionSldProfile : public FittingSession {
 protected:
  std::vector<const PolylinePrimitive*> profileCurves() const {
    std::vector<const PolylinePrimitive*> out;
    for (const auto& p : session.sldProfilePlot().persistent())
      if (const auto* c = std::get_if<PolylinePrimitive>(&p)) out.push_back(c);
    return out;
  }
  std::vector<std::string> legend() const {
    std::vector<std::string> out;
    for (const auto& p : session.sldProfilePlot().persistent())
      if (const auto* t = std::get_if<TextPrimitive>(&p); t && t->role == TextRole::Legend)
        out.push_back(t->text);
    return out;
  }
  std::vector<LogicalPoint> firstCurve() const { return profileCurves().at(0)->points; }
};

TEST_F(SessionSldProfile, TheButtonAndTheMenuItemShowAndHideThePanelTogether) {
  session.Form_Load();
  EXPECT_FALSE(session.sldProfileShown());
  EXPECT_TRUE(session.toolUsable(Tool::SSRSldProfile));
  EXPECT_EQ(ui::hoverText(Tool::SSRSldProfile), "SLD Profile");
  session.toolClicked(Tool::SSRSldProfile, true);
  EXPECT_TRUE(session.sldProfileShown());
  EXPECT_TRUE(session.menus().checked(Menu::mnuSldProfile));
  session.menuClicked(Menu::mnuSldProfile);
  EXPECT_FALSE(session.sldProfileShown());
  EXPECT_FALSE(session.tools().down(Tool::SSRSldProfile));
  EXPECT_FALSE(session.menus().checked(Menu::mnuSldProfile));
  EXPECT_STREQ(ui::menuCaption(Menu::mnuSldProfile), "SLD &Profile");
}

TEST_F(SessionSldProfile, WithoutDataTheFourStartUpContrastsAreShown) {
  session.Form_Load();
  setFitting(true);
  session.menuClicked(Menu::mnuSldProfile);
  ASSERT_EQ(profileCurves().size(), 4u);
  EXPECT_EQ(legend(), (std::vector<std::string>{"\u25CF Contrast 1", "\u25CF Contrast 2",
                                                "\u25CF Contrast 3", "\u25CF Contrast 4"}));
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(profileCurves()[static_cast<size_t>(k - 1)]->colour, combinedDataColour(k));
  // Each contrast ends at its own solvent: the curves part at the right.
  EXPECT_NE(profileCurves()[0]->points.back().y, profileCurves()[3]->points.back().y);
}

TEST_F(SessionSldProfile, TheDataSetsInUseGiveTheContrastsColoursAndTitles) {
  startAtTruth();
  session.menuClicked(Menu::mnuSldProfile);
  ASSERT_EQ(profileCurves().size(), 2u);
  EXPECT_EQ(legend(), (std::vector<std::string>{"\u25CF Contrast 1", "\u25CF Contrast 2"}));
  EXPECT_EQ(profileCurves()[1]->colour, combinedDataColour(2));
}

// Scroll bar, typed value, layer count and model file: the picture follows each at once,
// and only then; the reflectivity is not calculated once more for it.
TEST_F(SessionSldProfile, FollowsEveryChangeOfTheModelAtOnceAndLeavesTheCurvesAlone) {
  startAtTruth();
  setFitting(true);
  session.menuClicked(Menu::mnuSldProfile);
  std::vector<LogicalPoint> last = firstCurve();
  const int calculations = session.calculationCount();
  auto changed = [&] {
    const std::vector<LogicalPoint> now = firstCurve();
    const bool differs = now.size() != last.size() ||
                         !std::equal(now.begin(), now.end(), last.begin(), [](auto a, auto b) {
                           return a.x == b.x && a.y == b.y;
                         });
    last = now;
    return differs;
  };
  const int drawings = session.sldProfileDrawings();
  EXPECT_FALSE(changed());
  EXPECT_EQ(session.sldProfileDrawings(), drawings) << "nothing moved: nothing redrawn";

  session.setScrollValue(thicknessBar(1), 60);
  EXPECT_TRUE(changed());
  session.txtParameter_GotFocus(sldBar(2));
  session.txtParameter_LostFocus(sldBar(2), "5.5");
  EXPECT_TRUE(changed());
  session.setScrollValue({ScrollFamily::NumLayers}, 3);
  session.setScrollValue(thicknessBar(3), 80);
  EXPECT_TRUE(changed());
  session.setScrollValue({ScrollFamily::SLDRun, 2}, 300);
  EXPECT_TRUE(changed());
  // Changes that are not the model's leave it as it was.
  session.toolClicked(Tool::SSRLogY, false);
  EXPECT_FALSE(changed());

  // A model file opened puts its values on the bars, and the profile follows.
  const ModelScrollValues before = session.modelScrollValues();
  putAtTruth(session);
  const std::string path = dir.write("m.FIT", modelFileText(session.modelScrollValues(), FitCurve{}));
  for (const auto& [key, value] : truthValues()) session.setScrollValue({key.first, key.second}, value + 3);
  last = firstCurve();
  ASSERT_TRUE(session.openModelFile(path));
  EXPECT_TRUE(changed());
  EXPECT_NE(session.modelScrollValues(), before);
  // Looking at the profile calculates no reflectivity.
  const int count = session.calculationCount();
  for (int i = 0; i < 3; ++i) (void)session.sldProfilePlot();
  EXPECT_EQ(session.calculationCount(), count);
  EXPECT_GT(count, calculations);
}

TEST_F(SessionSldProfile, WhenShownItIsPartOfThePrintForm) {
  struct Printer : PagePrinter {
    PrintResult print(const PrintPage&, const std::string&) override { return {}; }
  } printer;
  session.setPrinter(&printer);
  startAtTruth();
  setFitting(true);
  session.toolClicked(Tool::SSCPrint);
  session.cmdPrintPreview_Click();
  const PrintPage without = session.printForms().page;
  ASSERT_EQ(without.plots.size(), 2u);

  session.menuClicked(Menu::mnuSldProfile);
  session.cmdPrintPreview_Click();
  const PrintPage& with = session.printForms().page;
  ASSERT_EQ(with.plots.size(), 3u);
  EXPECT_GT(with.width, without.width);
  const auto profile = std::find_if(with.plots.begin(), with.plots.end(), [](const PagePlot& p) {
    return p.box.left == ui::printProfileBox().left;
  });
  ASSERT_NE(profile, with.plots.end());
  EXPECT_GT(profile->box.left, ui::printPictureBox(2).right);
  EXPECT_LE(profile->box.right, with.width);
  EXPECT_EQ(profile->surface.persistent().size(), session.sldProfilePlot().persistent().size());
  // The combined plot's form has it too.
  session.toolClicked(Tool::SSRMultiPlot, true);
  session.cmdPrintPreview_Click();
  EXPECT_EQ(session.printForms().page.plots.size(), 2u);
  EXPECT_EQ(session.printForms().page.width, with.width);
}

}  // namespace
}  // namespace lumo::test
