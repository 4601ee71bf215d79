// The mouse on the plots through the session: read-outs, the Q range chosen with the
// left button and restored with the right one, the picture buttons (remove a data set,
// Y range) and the calculation that follows the chosen points.
#include "FittingSessionFixture.h"
#include "plot/PlotPointer.h"

namespace lumo::test {
namespace {

using ui::MouseButton;
using ui::Tool;

class SessionPlotMouse : public FittingSession {
 protected:
  const DataSet& set(int d) const { return session.store()[d]; }
  // The logical point of stored (q, r) on plot p, and one halfway between points i, i+1.
  LogicalPoint at(int p, double q, double r) const {
    return session.mapping(p == 0 ? session.CurrentPlot() : p).map(q, r);
  }
  LogicalPoint between(int p, int i) const {
    const int d = p == 0 ? session.CurrentPlot() : p;
    return at(p, (set(d).DataQ[i] + set(d).DataQ[i + 1]) / 2, set(d).DataR[i]);
  }
  void drag(int p, LogicalPoint from, LogicalPoint to) {
    session.picPlot_MouseDown(p, MouseButton::Left, from);
    session.picPlot_MouseMove(p, to, true);
    session.picPlot_MouseUp(p, MouseButton::Left, to);
  }
  // The full recalculation gives the curve the calculation made since (to rounding: the
  // engine's paths may round the last bit differently), so no stale per-point value was
  // used.
  void expectCurvesAsRecalculated() {
    std::vector<PointArray> before;
    for (int d = 1; d <= session.store().NumDataSets; ++d) before.push_back(set(d).CalcR);
    session.fullRecalculation();
    for (int d = 1; d <= session.store().NumDataSets; ++d)
      for (int pt = 1; pt <= set(d).NumPoints; ++pt)
        EXPECT_NEAR(before[static_cast<size_t>(d - 1)][static_cast<size_t>(pt)], set(d).CalcR[pt], 1e-12)
            << d << " " << pt;
  }
};

// A press and release at the same x choose three points from the press; the red line
// shows between them; the curve, the residual and the plot ranges follow at once.
TEST_F(SessionPlotMouse, PressAndReleaseAtOneXChooseThreePointsForEverything) {
  startAtTruth({{{ScrollFamily::Thickness, 1}, 20}});
  setFitting(true);
  showResidual();
  const LogicalPoint x = between(1, 9);
  session.picPlot_MouseMove(1, x, false);
  EXPECT_EQ(session.interaction().cursor(1), ui::PlotCursor::Cross);
  EXPECT_EQ(session.interaction().lblQPosition(),
            cat("Q:    ", text::formatFixed3((set(1).DataQ[9] + set(1).DataQ[10]) / 2)));
  EXPECT_EQ(session.interaction().lblReflectivityPosition().rfind("Ref: ", 0), 0u);
  session.picPlot_MouseDown(1, MouseButton::Left, x);
  EXPECT_TRUE(session.interaction().LineX1(1).visible);
  EXPECT_EQ(session.interaction().RangeStart(1), 10);
  session.picPlot_MouseUp(1, MouseButton::Left, x);
  EXPECT_FALSE(session.interaction().LineX1(1).visible);
  EXPECT_EQ(set(1).DataFirst, 10);
  EXPECT_EQ(set(1).DataLast, 12);
  EXPECT_EQ(set(1).CalcFirst, 10);
  EXPECT_EQ(set(1).CalcLast, 12);
  EXPECT_EQ(curve(1).points.size(), 3u);
  EXPECT_EQ(dataCircles(1), 3);
  EXPECT_EQ(set(1).XMin, static_cast<float>(set(1).DataQ[10]));
  EXPECT_EQ(set(1).XMax, static_cast<float>(set(1).DataQ[12]));
  float sum = 0;
  for (int pt = 10; pt <= 12; ++pt)
    sum = static_cast<float>(sum + std::pow(set(1).DataR[pt] - set(1).CalcR[pt], 2));
  EXPECT_FLOAT_EQ(set(1).SetResidual, sum);
  // The cumulative label still sums both sets.
  EXPECT_EQ(session.lblCumulativeResidual(), text::formatSci4(set(1).SetResidual + set(2).SetResidual));
}

// A press right at the end of the data starts five points before the end; a release right
// of the data area takes the range to the last point; a release left of the line's start
// changes nothing; a press right of the data area starts nothing.
TEST_F(SessionPlotMouse, PressesAndReleasesAtTheEdges) {
  startAtTruth();
  const int n = set(1).NumPoints;
  const PlotMapping& m = session.mapping(1);
  const double y = m.YBottom - 10;
  drag(1, {dataAreaRight(m), y}, {dataAreaRight(m) + 50, y});
  EXPECT_EQ(set(1).DataFirst, n - 5);
  EXPECT_EQ(set(1).DataLast, n);
  const auto before = std::pair{set(1).DataFirst, set(1).DataLast};
  drag(1, between(1, n - 3), between(1, n - 5));
  EXPECT_EQ(std::pair(set(1).DataFirst, set(1).DataLast), before);
  EXPECT_FALSE(session.interaction().LineX1(1).visible);
  drag(1, {dataAreaRight(m) + 50, y}, between(1, n - 2));
  EXPECT_EQ(std::pair(set(1).DataFirst, set(1).DataLast), before);
  // A left press on the margin starts at DataFirst.
  drag(1, {m.XLeft - 20, y}, between(1, n - 2));
  EXPECT_EQ(set(1).DataFirst, n - 5);
  EXPECT_EQ(set(1).DataLast, n - 2);
}

// Sets of fewer than six points keep their range within their points.
TEST_F(SessionPlotMouse, TinySetsKeepTheRangeWithinTheirPoints) {
  session.Form_Load();
  open({dir.write("two.vld", dataFileText("two", 6.35, decayingCurve(2))),
        dir.write("four.vld", dataFileText("four", 6.35, decayingCurve(4)))});
  for (int d = 1; d <= 2; ++d) {
    const LogicalPoint x = between(d, 1);
    drag(d, x, x);
    EXPECT_EQ(set(d).DataFirst, 1) << d;
    EXPECT_EQ(set(d).DataLast, std::min(set(d).NumPoints, 3)) << d;
  }
}

// The right button restores the whole set and the ranges as loaded, as logarithms on
// logarithmic axes; the calculation takes every point again.
TEST_F(SessionPlotMouse, RightButtonRestoresTheWholeSetOnLogAxes) {
  startAtTruth();
  setFitting(true);
  session.toolClicked(Tool::SSRLogX, true);
  drag(1, between(1, 5), between(1, 30));
  ASSERT_EQ(set(1).DataFirst, 6);
  session.picPlot_MouseUp(1, MouseButton::Right, between(1, 20));
  EXPECT_EQ(set(1).DataFirst, 1);
  EXPECT_EQ(set(1).DataLast, set(1).NumPoints);
  EXPECT_EQ(set(1).CalcLast, set(1).NumPoints);
  EXPECT_FLOAT_EQ(set(1).XMin, static_cast<float>(std::log10(set(1).XMinSaved)));
  EXPECT_FLOAT_EQ(set(1).YMax, static_cast<float>(std::log10(set(1).YMaxSaved)));
  EXPECT_EQ(curve(1).points.size(), static_cast<size_t>(set(1).NumPoints));
  expectCurvesAsRecalculated();
}

// The start-up curves are chosen on their grid, and their ranges follow the curve.
TEST_F(SessionPlotMouse, StartUpCurvesAreChosenOnTheirGrid) {
  session.Form_Load();
  setFitting(true);
  const PlotMapping& m = session.mapping(2);
  const double y = m.YBottom - 10;
  drag(2, {m.mapX(0.105), y}, {m.mapX(0.2), y});
  EXPECT_EQ(set(2).DataFirst, 12);  // grid point 12 is Q = 0.11
  EXPECT_EQ(set(2).DataLast, 20);   // Q = 0.19
  EXPECT_EQ(set(2).CalcFirst, 12);
  EXPECT_FLOAT_EQ(set(2).XMin, 0.11f);
  EXPECT_FLOAT_EQ(set(2).YMax, static_cast<float>(set(2).CalcR[12]));
  EXPECT_EQ(curve(2).points.size(), 9u);
}

// Removing plot 2 of 3 moves everything of set 3 into slot 2, with its solvent; the
// curves are those of the remaining sets, and the next move of a layer uses no value
// of the set that went.
TEST_F(SessionPlotMouse, RemovingPlotTwoOfThreeMovesSetThreeIntoTwo) {
  session.Form_Load();
  open({writeData("a.vld", 6.35, 40), writeData("b.vld", 4.0, 50), writeData("c.vld", 2.07, 30)});
  setFitting(true);
  showResidual();
  const DataSet third = set(3);
  const int solvent3 = session.editor().value({ScrollFamily::SLDRun, 3});
  session.picDeletePlot_Click(2);  // the question is answered Cancel
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Are You Sure ?");
  EXPECT_EQ(dialogs.messages[0].title, "Remove Plot");
  EXPECT_EQ(session.store().NumDataSets, 3);
  dialogs.queueAnswer(MessageAnswer::Ok);
  session.picDeletePlot_Click(2);
  EXPECT_EQ(session.store().NumDataSets, 2);
  EXPECT_FALSE(session.picPlot(3).visible());
  EXPECT_EQ(set(2).DataTitle, third.DataTitle);
  EXPECT_EQ(set(2).NumPoints, 30);
  EXPECT_EQ(set(2).DataR, third.DataR);
  EXPECT_EQ(set(2).CalcR, third.CalcR);  // the same model, Q and solvent
  EXPECT_EQ(set(2).SetResidual, third.SetResidual);
  EXPECT_EQ(session.editor().value({ScrollFamily::SLDRun, 2}), solvent3);
  EXPECT_EQ(curve(2).points.size(), 30u);
  session.setScrollValue(thicknessBar(1), 33);
  expectCurvesAsRecalculated();
  dialogs.queueAnswer(MessageAnswer::Ok);
  session.picDeletePlot_Click(1);
  session.picDeletePlot_Click(1);  // the last set stays, without a question
  EXPECT_EQ(session.store().NumDataSets, 1);
  EXPECT_EQ(dialogs.messages.size(), 3u);
}

// The Y dialog shows the stored logarithms on a log axis; a maximum not above the
// minimum empties both boxes and keeps it open; OK and "&Default" set and restore.
TEST_F(SessionPlotMouse, YRangeDialogOnALogAxis) {
  session.Form_Load();
  open({dir.write("deep.vld", dataFileText("deep", 6.35, {{0.01, 0.5, 0.01}, {0.1, 2e-6, 1e-7}}))});
  session.PicYFix_Click(1);
  const ui::YRangeDialog& y = session.dataOpsPanels().yRange;
  EXPECT_TRUE(y.visible);
  EXPECT_TRUE(y.logY);
  EXPECT_EQ(y.minText, "-7.00E+00");
  EXPECT_EQ(y.maxText, "0.00E+00");
  session.setYFixTexts("-3", "-4");
  session.cmdOKYFix_Click();
  EXPECT_TRUE(y.visible);
  EXPECT_EQ(y.minText + y.maxText, "");
  EXPECT_EQ(dialogs.messages.size(), 1u);
  session.setYFixTexts("-5", "x");
  session.cmdOKYFix_Click();
  EXPECT_EQ(set(1).YMin, -7.0f);
  session.setYFixTexts("-5", "-1");
  session.cmdOKYFix_Click();
  EXPECT_FALSE(y.visible);
  EXPECT_EQ(set(1).YMin, -5.0f);
  EXPECT_EQ(set(1).YMax, -1.0f);
  EXPECT_DOUBLE_EQ(session.picPlot(1).height(), 1200.0 * 4);
  session.PicYFix_Click(1);
  session.cmdDefaultYFix_Click();
  EXPECT_FALSE(y.visible);
  EXPECT_FLOAT_EQ(set(1).YMin, -7.0f);
  EXPECT_FLOAT_EQ(set(1).YMax, 0.0f);
}

}  // namespace
}  // namespace lumo::test
