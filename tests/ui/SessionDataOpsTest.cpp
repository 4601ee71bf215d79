// The data operations through the session: the background picked on a plot with the
// marker line, the scale factor dialog, the negative-value dialog, and what each says
// about a box it cannot use.
#include "FittingSessionFixture.h"
#include "files/DisplayScale.h"
#include "plot/PlotPointer.h"

namespace lumo::test {
namespace {

using ui::MouseButton;
using ui::Tool;

class SessionDataOps : public FittingSession {
 protected:
  const DataSet& set(int d) const { return session.store()[d]; }
  const ui::DataOpsPanels& dialogs_() const { return session.dataOpsPanels(); }
  // Points of decayingCurve, the last `zeros` of them measured as 0.
  std::string writeWithZeros(const std::string& name, int points, int zeros) {
    std::vector<DataPoint> p = decayingCurve(points);
    for (int i = points - zeros; i < points; ++i) p[static_cast<size_t>(i)].r = 0;
    return dir.write(name, dataFileText(name, 6.35, p));
  }
  // The full recalculation gives the curve calculated since (to rounding), so no stale
  // per-point value was used.
  void expectCurvesAsRecalculated() {
    const PointArray before = set(1).CalcR;
    session.fullRecalculation();
    for (int pt = 1; pt <= set(1).NumPoints; ++pt) EXPECT_NEAR(before[pt], set(1).CalcR[pt], 1e-12) << pt;
  }
};

// In background mode the marker line follows the pointer across the data area; a press
// puts the level under it into the dialog; OK subtracts it (the total shows as "bgd = "),
// a release changes no range meanwhile, and the pointer stays an arrow while the dialog
// is open.
TEST_F(SessionDataOps, BackgroundPickedOnThePlot) {
  startWithData(2);
  session.menuClicked(ui::Menu::mnuSubBgd);
  ASSERT_TRUE(session.tools().down(Tool::SSRBackGroundSub));
  const PlotMapping& m = session.mapping(2);
  const LogicalPoint at{m.mapX(0.1), m.mapY(-3.0)};  // R = 1e-3
  session.picPlot_MouseMove(2, at, false);
  const ui::MarkerLine& line = session.interaction().LineBackgroundSub(2);
  EXPECT_TRUE(line.visible);
  EXPECT_DOUBLE_EQ(line.from.y, at.y);
  EXPECT_DOUBLE_EQ(line.from.x, m.XLeft);
  EXPECT_DOUBLE_EQ(line.to.x, dataAreaRight(m));
  session.picPlot_MouseDown(2, MouseButton::Left, at);
  EXPECT_TRUE(dialogs_().background.visible);
  EXPECT_EQ(dialogs_().background.dataSet, 2);
  EXPECT_EQ(dialogs_().background.text, "1.00E-03");
  session.picPlot_MouseUp(2, MouseButton::Left, at);
  EXPECT_EQ(set(2).DataLast, 40);
  session.picPlot_MouseLeave(2);
  session.picPlot_MouseMove(2, {m.mapX(0.2), at.y}, false);
  EXPECT_EQ(session.interaction().cursor(2), ui::PlotCursor::Default);

  session.setBackgroundText("1e-3x");
  session.cmdBackGroundSubOK_Click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(message().find("\"Background to Subtract\""), std::string::npos);
  EXPECT_TRUE(dialogs_().background.visible);
  EXPECT_EQ(set(2).Background, 0.0f);
  session.setBackgroundText(" ");
  session.cmdBackGroundSubOK_Click();  // empty: nothing, the dialog stays
  EXPECT_TRUE(dialogs_().background.visible);
  session.setBackgroundText("1.00E-03");
  session.cmdBackGroundSubOK_Click();
  EXPECT_FALSE(dialogs_().background.visible);
  EXPECT_FLOAT_EQ(set(2).Background, 1e-3f);
  EXPECT_EQ(set(1).Background, 0.0f);
  bool shown = false;
  for (const auto& p : session.picPlot(2).persistent())
    if (const auto* t = std::get_if<TextPrimitive>(&p)) shown |= t->text == "bgd = 1.00E-03";
  EXPECT_TRUE(shown);

  session.menuClicked(ui::Menu::mnuSubBgd);
  EXPECT_FALSE(session.interaction().LineBackgroundSub(2).visible);
}

// The box shows the accumulated factor; OK brings the factor to the typed value, so an
// unchanged OK scales nothing twice; a box that cannot be used says so and changes no
// set; an empty box leaves its set alone.
TEST_F(SessionDataOps, ScaleFactorDialog) {
  startWithData(2);
  const PointArray loaded = set(1).DataR;
  session.toolClicked(Tool::SSRScaleFactor, true);
  EXPECT_FALSE(session.tools().down(Tool::SSRScaleFactor));
  EXPECT_TRUE(dialogs_().scale.visible);
  EXPECT_EQ(dialogs_().scale.boxes, 2);
  EXPECT_EQ(dialogs_().scale.text[1], "1");
  session.setScaleFactorText(1, "0.89");
  session.cmdScaleFactorOK_Click();
  EXPECT_FALSE(dialogs_().scale.visible);
  EXPECT_EQ(set(1).ScaleFactor, 0.89f);
  EXPECT_NEAR(set(1).DataR[5], loaded[5] + std::log10(double(0.89f)), 1e-12);
  const PointArray scaled = set(1).DataR;
  session.menuClicked(ui::Menu::mnuScaleData);
  EXPECT_EQ(dialogs_().scale.text[1], "0.89");
  session.cmdScaleFactorOK_Click();
  EXPECT_EQ(set(1).DataR, scaled);
  EXPECT_EQ(set(1).ScaleFactor, 0.89f);

  for (const char* bad : {"two", "0", "-1"}) {
    session.menuClicked(ui::Menu::mnuScaleData);
    session.setScaleFactorText(2, "2");
    session.setScaleFactorText(1, bad);
    session.cmdScaleFactorOK_Click();
    EXPECT_TRUE(dialogs_().scale.visible) << bad;
    EXPECT_NE(message(dialogs.messages.size() - 1).find("\"Scale Factor, Data Set 1\""), std::string::npos);
    EXPECT_EQ(set(2).ScaleFactor, 1.0f) << bad;  // no set changes
  }
  session.setScaleFactorText(1, "");
  session.cmdScaleFactorOK_Click();
  EXPECT_EQ(set(1).ScaleFactor, 0.89f);
  EXPECT_EQ(set(2).ScaleFactor, 2.0f);
}

// "Set To :" gives the placeholders a value; "Remove" drops them and resets the range,
// and the next calculation and residual see exactly the remaining points.
TEST_F(SessionDataOps, NegativeValuesSetOrRemoved) {
  session.Form_Load();
  open({writeWithZeros("z.vld", 40, 7)});
  setFitting(true);
  showResidual();
  EXPECT_EQ(set(1).ResidualPlaceholdersLeftOut, 7);
  session.toolClicked(Tool::SSRRemoveNegatives, true);
  EXPECT_TRUE(dialogs_().negatives.visible);
  session.optSetNegativesToValue_Click();
  session.setNegativesValueText("tiny");
  session.cmdRemoveNegativesOK_Click();
  EXPECT_NE(message().find("\"Set To :\""), std::string::npos);
  session.setNegativesValueText("0");
  session.cmdRemoveNegativesOK_Click();
  EXPECT_EQ(dialogs_().negatives.text, "1e-7");
  EXPECT_TRUE(dialogs_().negatives.visible);
  EXPECT_TRUE(isPlaceholder(set(1).DataR[40], true));
  session.setNegativesValueText("1e-7");
  session.cmdRemoveNegativesOK_Click();
  EXPECT_FALSE(dialogs_().negatives.visible);
  EXPECT_FALSE(session.tools().down(Tool::SSRRemoveNegatives));
  EXPECT_NEAR(set(1).DataR[40], -7.0, 1e-7);
  EXPECT_EQ(set(1).ResidualPlaceholdersLeftOut, 0);

  session.toolClicked(Tool::SSRCloseData, true);
  open({writeWithZeros("z.vld", 40, 7)});
  setFitting(true);
  session.menuClicked(ui::Menu::mnuRemoveNegativePoints);
  session.optRemoveNegatives_Click();
  session.cmdRemoveNegativesOK_Click();
  EXPECT_EQ(set(1).NumPoints, 33);
  EXPECT_EQ(set(1).DataLast, 33);
  EXPECT_EQ(curve(1).points.size(), 33u);
  EXPECT_EQ(set(1).ResidualPlaceholdersLeftOut, 0);
  session.setScrollValue(thicknessBar(1), 25);
  expectCurvesAsRecalculated();
}

}  // namespace
}  // namespace lumo::test
