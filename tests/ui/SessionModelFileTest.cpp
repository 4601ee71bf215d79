// Model files through the session: saving on the data's points and on a grid, reopening,
// the files that are refused, and the Save Fit panel's own faults.
#include <cmath>
#include <filesystem>
#include <sstream>
#include <tuple>

#include "SessionFixture.h"
#include "files/DataLoading.h"
#include "files/DisplayScale.h"
#include "model/CalcGrid.h"
#include "model/ReflectivityEngine.h"

namespace lumo::test {
namespace {

using ui::SaveFitBox;
using ui::Tool;

std::vector<std::vector<double>> curveRows(const std::string& path, long& count, int& layers) {
  std::istringstream in(readBytes(path));
  std::string line;
  std::getline(in, line);
  layers = std::stoi(line);
  for (int i = 0; i <= layers; ++i) std::getline(in, line);
  in >> count;
  std::getline(in, line);
  std::vector<std::vector<double>> rows;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::vector<double> row;
    for (double v = 0; fields >> v;) row.push_back(v);
    rows.push_back(row);
  }
  return rows;
}

class SessionModelFile : public SessionFixture {
 protected:
  void putModel() {
    session.setScrollValue({ScrollFamily::NumLayers}, 2);
    session.setScrollValue(thicknessBar(1), 30);
    session.setScrollValue(sldBar(1), 340);
    session.setScrollValue(solventBar(1), 10);
    session.setScrollValue(roughnessBar(1), 3);
    session.setScrollValue(thicknessBar(2), 15);
    session.setScrollValue(sldBar(2), 150);
  }
  // A calculation of its own: the file's points read linear, the session's model.
  std::vector<double> freshCurve(int slot, const std::vector<double>& q, bool onGrid) {
    auto store = std::make_unique<DataStore>();
    DataSet& set = (*store)[slot];
    fillSlot(set, std::get<DataFileContents>(readDataFile(session.store()[slot].DataFileName,
                                                           PointCount::UntilEnd)), "x");
    convertForDisplay(set, false, false);
    CalcOptions options;
    options.logY = false;
    if (onGrid) {
      options.gridMode = true;
      options.gridPoints = static_cast<int>(q.size());
      for (size_t i = 0; i < q.size(); ++i) set.GridQ[i + 1] = q[i];
    }
    store->NumDataSets = store->LastCalcSet = slot;
    store->FirstCalcSet = slot;
    ReflectivityEngine engine;
    engine.Prof_Calc_1(session.model(), *store, options);
    engine.Prof_Calc_2(session.model(), *store, options);
    return {set.CalcR.begin() + set.CalcFirst, set.CalcR.begin() + set.CalcLast + 1};
  }
  void saveTo(const std::vector<std::string>& paths) {
    for (const auto& p : paths) dialogs.queueFile(p);
    session.cmdSaveFitOK_Click();
  }
};

// Round trips: on the data's points or a grid, with or without the data, Log Y on or off.
class SaveFitRoundTrip : public SessionModelFile,
                         public ::testing::WithParamInterface<std::tuple<bool, bool, bool>> {};

TEST_P(SaveFitRoundTrip, WritesLinearValuesAndReopensAsTheSameModel) {
  const auto [original, withData, logY] = GetParam();
  startWithData(2, 40);
  setFitting(true);
  putModel();
  if (!logY) session.toolClicked(Tool::SSRLogY, false);
  session.SSCSave_Click();
  session.chkKeepOriginalPoints_Click(original);
  session.chkSaveDataAsWell_Click(withData);
  session.setSaveFitText(SaveFitBox::QStart, "0.01");
  session.setSaveFitText(SaveFitBox::QFinish, "0.3");
  session.setSaveFitText(SaveFitBox::QNumPts, "60");
  saveTo({dir.file("one.FIT"), dir.file("two.FIT")});
  ASSERT_TRUE(dialogs.messages.empty()) << message();
  EXPECT_EQ(dialogs.requests[3].title, "Save Fit: Data Set 1");
  EXPECT_EQ(dialogs.requests[4].fileName, "set2.FIT");

  for (int slot : {1, 2}) {
    long count = 0;
    int layers = 0;
    const auto rows = curveRows(dir.file(slot == 1 ? "one.FIT" : "two.FIT"), count, layers);
    EXPECT_EQ(layers, 2);
    EXPECT_EQ(count, original ? 40 : 60);
    ASSERT_EQ(rows.size(), static_cast<size_t>(count));
    std::vector<double> q;
    for (int j = 0; j < 60 && !original; ++j) q.push_back(j == 59 ? 0.3 : 0.01 + j * 0.29 / 59);
    const std::vector<double> expected = freshCurve(slot, q, !original);
    const auto measured = decayingCurve(40);
    for (size_t i = 0; i < rows.size(); ++i) {
      ASSERT_EQ(rows[i].size(), withData && original ? 4u : 2u);
      EXPECT_NEAR(rows[i][1], expected[i], 5e-5 * expected[i]) << i;
      const double qi = original ? measured[i].q : q[i];
      EXPECT_NEAR(rows[i][0], qi, 5e-5 * qi);
      if (rows[i].size() == 4) {
        EXPECT_NEAR(rows[i][2], measured[i].r, 5e-5 * measured[i].r);
      }
    }
  }
  // The grid stays behind with the curves back on the data's points.
  if (!original) {
    EXPECT_EQ(session.increasePointsMarker(), "0");
    EXPECT_EQ(session.txtIncreasePointsNumPts(), "60");
    EXPECT_EQ(session.store()[2].GridQ[60], 0.3);
  }
  EXPECT_EQ(session.store()[1].CalcLast, 40);
  EXPECT_EQ(curves(1), 1);

  ScriptedDialogs otherDialogs;
  ui::MainSession again{otherDialogs, folder};
  again.Form_Load();
  ASSERT_TRUE(again.openModelFile(dir.file("one.FIT")));
  EXPECT_EQ(again.modelScrollValues(), session.modelScrollValues());
  EXPECT_EQ(again.model().LayerSLD, session.model().LayerSLD);
}

INSTANTIATE_TEST_SUITE_P(Cases, SaveFitRoundTrip,
                         ::testing::Values(std::tuple{true, false, true}, std::tuple{true, true, true},
                                           std::tuple{true, true, false}, std::tuple{false, false, true},
                                           std::tuple{false, false, false}));

// Every fault of a model file is shown naming the file and the line; nothing changes.
TEST_F(SessionModelFile, ABadFileChangesNothingAndNamesItsLine) {
  startWithData(1);
  setFitting(true);
  putModel();
  const ModelScrollValues before = session.modelScrollValues();
  const ScrollBar barBefore = session.editor().bar(thicknessBar(1));
  const int calculations = session.calculationCount();
  const std::pair<const char*, const char*> cases[] = {
      {" 0 \r\n 3 \r\n", "line 1"},
      {" 21 \r\n", "line 1"},
      {"", "line 1"},
      {" 3 \r\n 3 \r\n 14 3.4 25 2 \r\n 10 x 0 4 \r\n", "line 4"},
      {" 3 \r\n 3 \r\n 14 3.4 25 2 \r\n 10 2 \r\n", "line 5"},
      {" 1 \r\n 3 \r\n 99999 0 0 0 \r\n", "line 3"},
  };
  for (const auto& [text, line] : cases) {
    dialogs.messages.clear();
    const std::string path = dir.write("bad.FIT", text);
    dialogs.queueFile(path);
    session.toolClicked(Tool::SSCOpen);
    ASSERT_EQ(dialogs.messages.size(), 1u) << text;
    EXPECT_EQ(dialogs.messages[0].title, "LUMO");
    EXPECT_NE(message().find(path), std::string::npos);
    EXPECT_NE(message().find(line), std::string::npos) << message();
    EXPECT_EQ(session.modelScrollValues(), before);
    EXPECT_EQ(session.editor().bar(thicknessBar(1)).Max, barBefore.Max);
    EXPECT_EQ(session.calculationCount(), calculations);
  }
  EXPECT_EQ(dialogs.requests.back().title, "Select Fit To Open");
  EXPECT_EQ(dialogs.requests.back().filter, "Open Model (*.FIT)|*.FIT||All Files (*.*)|*.*");
}

// A value outside its bar's range widens that bar; the model equals the file, and it is
// calculated once and drawn.
TEST_F(SessionModelFile, OpeningWidensRangesAndCalculatesOnce) {
  startWithData(1);
  setFitting(true);
  const int calculations = session.calculationCount();
  dialogs.queueFile(dir.write("wide.FIT", " 3 \r\n 0 \r\n 120  9.5  0  60 \r\n 5 1 2 3 \r\n 6 0 0 1 \r\n"));
  session.menuClicked(ui::Menu::mnuOpenFit);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(session.calculationCount(), calculations + 1);
  EXPECT_EQ(session.editor().bar(thicknessBar(1)).Max, 120);
  EXPECT_EQ(session.editor().bar(sldBar(1)).Max, 950);
  EXPECT_EQ(session.editor().bar(roughnessBar(1)).Max, 60);
  EXPECT_EQ(session.editor().control(thicknessBar(1)).text, "120");
  EXPECT_EQ(session.model().NumLayers, 3);
  EXPECT_EQ(session.model().Thickness[1], 120.0f);
  EXPECT_EQ(session.model().LayerSLD[1], static_cast<float>(950 * 1e-8));
  EXPECT_TRUE(session.editor().layerEnabled(3));
  EXPECT_EQ(curves(1), 1);
}

// Bad grid input is said and keeps the panel open; nothing is asked or written.
TEST_F(SessionModelFile, InvalidGridInputIsSaidAndKeepsThePanel) {
  startWithData(1);
  session.SSCSave_Click();
  session.chkKeepOriginalPoints_Click(false);
  for (const auto& [box, text] : {std::pair{SaveFitBox::QNumPts, "513"}, {SaveFitBox::QNumPts, "10.5"},
                                  {SaveFitBox::QFinish, "0.6"}, {SaveFitBox::QStart, "x"}}) {
    session.setSaveFitText(SaveFitBox::QNumPts, "101");
    session.setSaveFitText(SaveFitBox::QStart, "0");
    session.setSaveFitText(SaveFitBox::QFinish, "0.5");
    session.setSaveFitText(box, text);
    dialogs.messages.clear();
    session.cmdSaveFitOK_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u) << text;
    EXPECT_EQ(message().rfind("Nothing was saved", 0), 0u);
  }
  EXPECT_TRUE(session.saveFitPanel().visible);
  EXPECT_EQ(dialogs.requests.size(), 2u);  // only those of "Open Data Files"
  EXPECT_EQ(session.increasePointsMarker(), "0");
}

// The integer count, the start-up curves saved on a grid (the only choice without
// data), a cancelled dialog, a refused output and a failed write.
TEST_F(SessionModelFile, OutputsArePlannedAndFailuresReported) {
  session.Form_Load();
  setFitting(true);  // the start-up curves
  session.SSCSave_Click();
  EXPECT_FALSE(session.saveFitPanel().keepOriginalPointsEnabled);
  session.setSaveFitText(SaveFitBox::QNumPts, " 101 ");
  dialogs.queueFile(dir.file("startup.FIT"));
  dialogs.queueCancel();
  session.cmdSaveFitOK_Click();
  EXPECT_EQ(dialogs.requests.size(), 2u);  // no dialog after the cancelled one
  long count = 0;
  int layers = 0;
  const auto rows = curveRows(dir.file("startup.FIT"), count, layers);
  EXPECT_EQ(count, 101);
  EXPECT_NE(readBytes(dir.file("startup.FIT")).find("\r\n 101 \r\n"), std::string::npos);
  EXPECT_NEAR(rows[1][0], 0.005, 1e-12);
  EXPECT_EQ(session.increasePointsMarker(), "1");  // the start-up curves keep their grid
  EXPECT_FALSE(std::filesystem::exists(dir.file("two.FIT")));

  session.toolClicked(Tool::SSRFitting, false);
  open(writeDataSets(2));
  const std::string data = session.store()[1].DataFileName;
  const std::string bytes = readBytes(data);
  session.SSCSave_Click();
  saveTo({data, dir.file("missing/x.FIT")});
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_NE(message(0).find("is the data file of Data Set 1"), std::string::npos);
  EXPECT_EQ(message(1).rfind("Error Saving File!", 0), 0u);
  EXPECT_NE(message(1).find(dir.file("missing/x.FIT")), std::string::npos);
  EXPECT_EQ(readBytes(data), bytes);
}

}  // namespace
}  // namespace lumo::test
