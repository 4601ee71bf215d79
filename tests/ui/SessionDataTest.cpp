// Data files through the session: opening, the load pictures, history entries, reloading,
// closing, and what file errors show and keep.
#include <filesystem>

#include "SessionFixture.h"

namespace lumo::test {
namespace {

using ui::Menu;
using ui::Tool;

class SessionData : public SessionFixture {};

TEST_F(SessionData, OpeningFourFilesDrawsEachOnItsPlot) {
  startWithData(4, 30);
  ASSERT_EQ(dialogs.requests.size(), 4u);
  EXPECT_EQ(dialogs.requests[2].title, "Select Data Set 3");
  EXPECT_EQ(session.store().NumDataSets, 4);
  for (int p = 1; p <= 4; ++p) {
    EXPECT_TRUE(session.picPlot(p).visible());
    EXPECT_EQ(dataCircles(p), 30) << p;
    EXPECT_EQ(curves(p), 0);  // Calculate Fit is up
    EXPECT_TRUE(session.picLoadFileVisible(p));
  }
  EXPECT_FALSE(session.picPlot(0).visible());
  EXPECT_EQ(session.editor().value({ScrollFamily::SLDRun, 4}), -56);
  EXPECT_EQ(session.store().LastCalcSet, 4);
  EXPECT_LT(session.store()[1].DataR[30], -3);  // log10 R: Log Y is on at start

  EXPECT_FALSE(session.tools().enabled(Tool::SSROpenData));
  for (Tool t : {Tool::SSRCloseData, Tool::SSRIncreasePoints, Tool::SSRResidual, Tool::SSCReload})
    EXPECT_TRUE(session.tools().enabled(t)) << ui::toolName(t);
  EXPECT_EQ(session.history().count(), 4);
}

// A solvent SLD beyond its "SLD Run" bar (±10) takes the nearest end, and the user is
// told which file and which value.
TEST_F(SessionData, ASolventSLDBeyondItsBarIsClampedAndSaid) {
  session.Form_Load();
  open({dir.write("heavy.vld", dataFileText("heavy", 12.5, decayingCurve(10))),
        writeData("b.vld", 9.99)});
  EXPECT_EQ(session.editor().value({ScrollFamily::SLDRun, 1}), 1000);
  EXPECT_EQ(session.editor().value({ScrollFamily::SLDRun, 2}), 999);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(message().find("12.5"), std::string::npos);
  EXPECT_NE(message().find(dir.file("heavy.vld")), std::string::npos);
  EXPECT_NE(message().find("SLD Run 1; 10 is used"), std::string::npos);
}

// A cancelled first dialog loads nothing silently; a bad file stops the opening and
// keeps the slots read before it.
TEST_F(SessionData, CancelOrAWrongMarkerStopsOpeningAndKeepsTheSlotsRead) {
  session.Form_Load();
  open({});
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_FALSE(session.dataLoaded());

  const std::string bad = dir.write("bad.vld", "\"NOTLUMO\"\r\n\"t\"\r\n1\r\n1\r\n0.1,1,0.1\r\n");
  dialogs.queueFile(writeData("good.vld"));
  dialogs.queueFile(bad);
  session.toolClicked(Tool::SSROpenData, true);
  EXPECT_EQ(dialogs.requests.size(), 3u);  // no dialog after the bad file
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(message().find("File Not In Correct Format!"), std::string::npos);
  EXPECT_NE(message().find(bad), std::string::npos);
  EXPECT_EQ(session.store().NumDataSets, 1);
  EXPECT_LT(session.store()[1].YMin, 0);  // converted to log10 like every loaded slot
  EXPECT_EQ(dataCircles(1), 40);
  EXPECT_EQ(session.history().count(), 1);
}

TEST_F(SessionData, ReloadRereadsTheFilesAndAFailureKeepsEverything) {
  startWithData(2);
  setFitting(true);
  const std::string second = session.store()[2].DataFileName;
  dir.write("set1.vld", dataFileText("changed", 5.0, decayingCurve(25)));
  session.toolClicked(Tool::SSCReload);
  EXPECT_EQ(session.store()[1].DataTitle, "changed");
  EXPECT_EQ(session.store()[1].NumPoints, 25);
  EXPECT_EQ(session.editor().value({ScrollFamily::SLDRun, 1}), 500);
  EXPECT_EQ(dataCircles(1), 25);
  EXPECT_EQ(curves(1), 1);  // the curve follows the reloaded data at once

  std::filesystem::remove(second);
  const DataSet before = session.store()[1];
  session.menuClicked(Menu::mnuReLoad);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(message().find("Error Opening File!"), std::string::npos);
  EXPECT_NE(message().find(second), std::string::npos);
  EXPECT_EQ(session.store()[1].DataTitle, before.DataTitle);
  EXPECT_EQ(session.store()[1].DataR, before.DataR);
  EXPECT_EQ(session.store().NumDataSets, 2);
  EXPECT_TRUE(session.picPlot(2).visible());
}

TEST_F(SessionData, CloseLeavesAnEmptyWindowAndFitBringsBackTheStartUpCurves) {
  startWithData(2);
  setFitting(true);
  session.toolClicked(Tool::SSRCloseData, true);
  EXPECT_FALSE(session.dataLoaded());
  EXPECT_FALSE(session.tools().down(Tool::SSRFitting));
  EXPECT_TRUE(session.tools().enabled(Tool::SSROpenData));
  EXPECT_FALSE(session.tools().enabled(Tool::SSCReload));
  for (int p = 0; p < ui::kPlotSurfaces; ++p) EXPECT_FALSE(session.picPlot(p).visible());
  EXPECT_FALSE(session.picLoadFileVisible(1));

  setFitting(true);
  for (int p = 1; p <= 4; ++p) {
    EXPECT_TRUE(session.picPlot(p).visible());
    EXPECT_EQ(curves(p), 1);
    EXPECT_EQ(dataCircles(p), 0);
  }
}

TEST_F(SessionData, LoadPictureAddsTheNextSlotWithItsAnnouncedCount) {
  startWithData(1);
  // Announces 10 points but holds 40: adding one file reads the announced ones only.
  const std::string extra = dir.write("extra.vld", dataFileText("extra", 2.07, decayingCurve(40), 10));
  dialogs.queueFile(extra);
  session.picLoadFile_Click(1);
  ASSERT_EQ(dialogs.requests.size(), 3u);  // the open dialogs, then the load picture's
  EXPECT_EQ(dialogs.requests[2].title, "Select Data Set 2");
  EXPECT_NE(dialogs.requests[2].filter.find("Open Drydoc Files (*.DAT)"), std::string::npos);
  EXPECT_EQ(session.store().NumDataSets, 2);
  EXPECT_EQ(session.editor().value({ScrollFamily::SLDRun, 2}), 207);
  EXPECT_TRUE(session.picPlot(2).visible());
  EXPECT_EQ(dataCircles(2), 10);
  EXPECT_EQ(session.history().count(), 1);  // added files stay out of the history
  EXPECT_FALSE(session.BusyFlag());
}

// A history entry whose file is gone changes nothing; one that reads replaces the
// start-up curves.
TEST_F(SessionData, HistoryEntriesLoadOverTheStartUpCurvesOrChangeNothing) {
  const std::string a = writeData("a.vld", 4.0);
  dir.write("lumo.ini", cat("\"\"\r\n\"\"\r\n2\r\n\"", dir.file("gone.vld"), "\"\r\n\"", a, "\"\r\n"));
  session.Form_Load();
  setFitting(true);  // start-up curves on four plots
  session.mnuFileArray_Click(1);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(message().find(dir.file("gone.vld")), std::string::npos);
  EXPECT_FALSE(session.dataLoaded());
  EXPECT_EQ(session.increasePointsMarker(), "1");
  for (int p = 1; p <= 4; ++p) EXPECT_TRUE(session.picPlot(p).visible());

  session.mnuFileArray_Click(2);
  EXPECT_EQ(session.store().NumDataSets, 1);
  EXPECT_TRUE(session.dataLoaded());
  EXPECT_EQ(session.increasePointsMarker(), "0");
  for (int p = 2; p <= 4; ++p) EXPECT_FALSE(session.picPlot(p).visible());
  EXPECT_EQ(dataCircles(1), 40);
  EXPECT_EQ(curves(1), 1);
  EXPECT_EQ(session.editor().value({ScrollFamily::SLDRun, 1}), 400);
}

TEST_F(SessionData, SwitchingLogYOrLogXWithDataConvertsTheStoreAndRecalculates) {
  startWithData(2);
  setFitting(true);
  const double logR = session.store()[1].DataR[5];
  const double logCalc = session.store()[1].CalcR[5];
  session.toolClicked(Tool::SSRLogY, false);
  EXPECT_EQ(session.lblYAxis(), "R e f l e c t i v i t y");
  EXPECT_NEAR(session.store()[1].DataR[5], std::pow(10.0, logR), 1e-12);
  EXPECT_NEAR(session.store()[1].CalcR[5], std::pow(10.0, logCalc), 1e-9);
  EXPECT_NEAR(session.store()[1].YMax, 10.0f, 1e-4);
  EXPECT_EQ(curves(1), 1);
  EXPECT_EQ(dataCircles(2), 40);
  session.menuClicked(Menu::mnuLogY);
  EXPECT_NEAR(session.store()[1].DataR[5], logR, 1e-12);
  EXPECT_NEAR(session.store()[1].CalcR[5], logCalc, 1e-12);

  const double q = session.store()[1].DataQ[3];
  session.toolClicked(Tool::SSRLogX, true);
  EXPECT_NEAR(session.store()[1].DataQ[3], std::log10(q), 1e-12);
  EXPECT_TRUE(session.storeHoldsLogX());
  EXPECT_NEAR(curve(1).points[2].x, session.mapping(1).mapX(std::log10(q)), 1e-6);  // on the data
  session.toolClicked(Tool::SSRLogX, false);
  EXPECT_NEAR(session.store()[1].DataQ[3], q, 1e-12);
}

}  // namespace
}  // namespace lumo::test
