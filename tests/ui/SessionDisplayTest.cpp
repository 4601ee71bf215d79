// The Calculate-Fit switch, the start-up curves, the calculation grid, the display
// switches and the combined plot through the session.
#include "SessionFixture.h"

namespace lumo::test {
namespace {

using ui::Menu;
using ui::Tool;

class SessionDisplay : public SessionFixture {};

// The start-up curves are those of the four start-up contrasts, and the Y title follows
// the Log Y switch however it was set.
TEST_F(SessionDisplay, CalculateFitWithoutDataShowsFourStartUpCurves) {
  session.Form_Load();
  session.toolClicked(Tool::SSRLogY, false);
  setFitting(true);
  EXPECT_EQ(session.lblYAxis(), "R e f l e c t i v i t y");
  // Contrast 1 (D2O on silicon) reflects totally at Q = 0.01, below its critical edge of
  // 4·sqrt(π·4.28e-6) = 0.0147; contrast 4 (H2O, below silicon) never does.
  EXPECT_NEAR(session.store()[1].CalcR[2], 1.0, 1e-9);
  EXPECT_LT(session.store()[4].CalcR[2], 0.9);
  session.toolClicked(Tool::SSRLogY, true);
  EXPECT_EQ(session.lblYAxis(), "L o g   R e f l e c t i v i t y");
  const char* runs[] = {"", "6.35", "4", "2.07", "-0.56"};
  const int values[] = {0, 635, 400, 207, -56};
  for (int k = 1; k <= 4; ++k) {
    EXPECT_EQ(session.editor().value({ScrollFamily::SLDRun, k}), values[k]);
    EXPECT_EQ(session.editor().control({ScrollFamily::SLDRun, k}).text, runs[k]);
    EXPECT_FLOAT_EQ(session.model().SolventSLD[k], static_cast<float>(values[k] * 1e-8));
  }
  EXPECT_EQ(session.increasePointsMarker(), "1");
  EXPECT_EQ(session.txtIncreasePointsNumPts(), "51");
  for (int ds = 1; ds <= 4; ++ds) {
    EXPECT_TRUE(session.picPlot(ds).visible());
    ASSERT_EQ(curves(ds), 1);
    EXPECT_EQ(curve(ds).points.size(), 51u);
    // Linear Q from 0 to 0.5 across the data area.
    EXPECT_NEAR(curve(ds).points.front().x, session.mapping(ds).XLeft, 1e-6);
  }
  // Below the critical edge R is 1: log10 R = 0 at Q = 0.
  EXPECT_NEAR(session.store()[1].CalcR[1], 0.0, 1e-9);

  // Log X converts nothing of them (they are linear in Q); Log Y off redraws them.
  session.toolClicked(Tool::SSRLogX, true);
  EXPECT_FALSE(session.storeHoldsLogX());
  EXPECT_EQ(session.store()[1].XMin, 0.0f);
  session.toolClicked(Tool::SSRLogY, false);
  EXPECT_EQ(curve(1).points.size(), 51u);
  EXPECT_NEAR(session.store()[1].CalcR[1], 1.0, 1e-9);
  EXPECT_NEAR(session.store()[1].YMin, 1e-9f, 1e-15);

  setFitting(false);
  for (int p = 0; p < ui::kPlotSurfaces; ++p) {
    EXPECT_FALSE(session.picPlot(p).visible());
    EXPECT_TRUE(session.picPlot(p).persistent().empty());
  }
}

TEST_F(SessionDisplay, IncreasePointsAcceptsOneToFiveHundredAndTwelve) {
  startWithData(2);
  setFitting(true);
  session.toolClicked(Tool::SSRIncreasePoints, true);
  EXPECT_TRUE(session.increasePointsPanelVisible());
  EXPECT_EQ(session.txtIncreasePointsNumPts(), "50");

  for (const char* refused : {"513", "0", "abc", "0.4"}) {
    session.setIncreasePointsText(refused);
    session.cmdIncreasePointsOK_Click();
    EXPECT_EQ(session.txtIncreasePointsNumPts(), "50") << refused;
    EXPECT_TRUE(session.increasePointsPanelVisible());
    EXPECT_EQ(session.increasePointsMarker(), "0");
  }

  session.setIncreasePointsText("512");
  session.cmdIncreasePointsOK_Click();
  EXPECT_FALSE(session.increasePointsPanelVisible());
  EXPECT_EQ(session.increasePointsMarker(), "1");
  EXPECT_FALSE(session.tools().enabled(Tool::SSRResidual));
  const DataSet& s = session.store()[2];
  EXPECT_EQ(s.GridQ[1], s.DataQ[1]);
  EXPECT_EQ(s.GridQ[512], s.DataQ[s.NumPoints]);
  EXPECT_EQ(s.CalcLast, 512);
  EXPECT_EQ(curve(2).points.size(), 512u);

  // Reopening the panel puts "50" in the box but leaves the grid in use.
  session.menuClicked(Menu::mnuPointsInCalculation);
  session.toolClicked(Tool::SSRLine, true);
  EXPECT_EQ(curve(2).points.size(), 512u);

  session.cmdIncreasePointsCancel_Click();
  EXPECT_EQ(session.increasePointsMarker(), "0");
  EXPECT_TRUE(session.tools().enabled(Tool::SSRResidual));
  EXPECT_TRUE(session.tools().enabled(Tool::SSRAutoFit));
  EXPECT_EQ(curve(2).points.size(), 40u);
}

TEST_F(SessionDisplay, GridOnALogXStoreSpansTheLinearDataRange) {
  startWithData(1);
  session.toolClicked(Tool::SSRLogX, true);
  setFitting(true);
  session.setIncreasePointsText("100");
  session.cmdIncreasePointsOK_Click();
  const DataSet& s = session.store()[1];
  EXPECT_NEAR(s.GridQ[1], 0.01, 1e-12);
  EXPECT_NEAR(s.GridQ[100], 0.25, 1e-12);
  EXPECT_NEAR(curve(1).points.front().x, session.mapping(1).XLeft, 1e-3);
}

TEST_F(SessionDisplay, DisplaySwitchesRedrawTheData) {
  startWithData(1);
  session.toolClicked(Tool::SSRPoints, false);
  session.toolClicked(Tool::SSRErrorBars, false);
  EXPECT_EQ(dataCircles(1), 0);
  session.menuClicked(Menu::mnuLine);
  // One line through the 40 points.
  ASSERT_EQ(countOf<PolylinePrimitive>(session.picPlot(1).persistent()), 1);
  for (const auto& p : session.picPlot(1).persistent()) {
    if (const auto* line = std::get_if<PolylinePrimitive>(&p)) {
      EXPECT_EQ(line->points.size(), 40u);
    }
  }
}

// The combined plot shows every set and every set's curve on the enlarged surface; a
// scroll step moves all the curves and leaves the data alone.
TEST_F(SessionDisplay, CombinedPlotShowsEverySetOnTheEnlargedSurface) {
  startWithData(3, 20);
  setFitting(true);
  session.toolClicked(Tool::SSRMultiPlot, true);
  EXPECT_TRUE(session.picPlot(0).visible());
  for (int p = 1; p <= 4; ++p) EXPECT_FALSE(session.picPlot(p).visible());
  EXPECT_EQ(dataCircles(0), 60);
  EXPECT_EQ(curves(0), 3);
  EXPECT_EQ(session.CurrentPlot(), 1);
  EXPECT_FALSE(session.tools().enabled(Tool::SSCReload));

  const PrimitiveList before = session.picPlot(0).overlay();
  const auto data = session.picPlot(0).persistentVersion();
  session.setScrollValue({ScrollFamily::Thickness, 1}, 30);
  EXPECT_EQ(session.picPlot(0).persistentVersion(), data);
  // Each set's curve (the runs of its colour, as the area cuts them) has moved.
  for (size_t k = 0; k < 3; ++k) {
    const int colour = std::get<PolylinePrimitive>(before[k]).colour;
    std::vector<double> was, now;
    for (const auto* list : {&before, &session.picPlot(0).overlay()})
      for (const auto& p : *list)
        if (const auto& line = std::get<PolylinePrimitive>(p); line.colour == colour)
          for (const LogicalPoint& pt : line.points) (list == &before ? was : now).push_back(pt.y);
    EXPECT_FALSE(now.empty());
    EXPECT_NE(now, was) << k;
  }

  session.toolClicked(Tool::SSRMultiPlot, false);
  EXPECT_FALSE(session.picPlot(0).visible());
  for (int p = 1; p <= 3; ++p) {
    EXPECT_TRUE(session.picPlot(p).visible());
    EXPECT_EQ(curves(p), 1);
  }
  EXPECT_TRUE(session.tools().enabled(Tool::SSCReload));
  EXPECT_EQ(session.store().LastCalcSet, 3);

  // Closing the data with the combined plot down ends it: the next data come on the
  // small plots, with automatic fitting available.
  session.toolClicked(Tool::SSRMultiPlot, true);
  session.toolClicked(Tool::SSRCloseData, true);
  EXPECT_FALSE(session.tools().down(Tool::SSRMultiPlot));
  EXPECT_FALSE(session.menus().checked(Menu::mnuMultiPlot));
  EXPECT_TRUE(session.tools().enabled(Tool::SSRAutoFit));
  open(writeDataSets(2, 20));
  EXPECT_FALSE(session.picPlot(0).visible());
  EXPECT_TRUE(session.picPlot(2).visible());
  EXPECT_TRUE(session.menus().enabled(Menu::mnuAutoFit));
}

TEST_F(SessionDisplay, CombinedPlotWithoutDataEnablesNothing) {
  session.Form_Load();
  session.toolClicked(Tool::SSRMultiPlot, true);
  session.toolClicked(Tool::SSRMultiPlot, false);
  EXPECT_FALSE(session.picPlot(0).visible());
  EXPECT_FALSE(session.tools().enabled(Tool::SSCReload));
  EXPECT_FALSE(session.tools().enabled(Tool::SSRIncreasePoints));
}

}  // namespace
}  // namespace lumo::test
