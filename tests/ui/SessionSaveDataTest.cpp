// Saving data sets through the session ("Save Data:"): the file written, the title with
// its background, placeholders left out, failures and cancelling.
#include <filesystem>

#include "FittingSessionFixture.h"
#include "files/DisplayScale.h"

namespace lumo::test {
namespace {

using ui::MouseButton;
using ui::Tool;

class SessionSaveData : public FittingSession {
 protected:
  const DataSet& set(int d) const { return session.store()[d]; }
  // Subtracts `b` from set d as the user does: background mode, a click, the value, OK.
  void subtract(int d, const char* b) {
    session.toolClicked(Tool::SSRBackGroundSub, true);
    const PlotMapping& m = session.mapping(d);
    session.picPlot_MouseDown(d, MouseButton::Left, {m.XLeft + 10, m.YBottom - 10});
    session.setBackgroundText(b);
    session.cmdBackGroundSubOK_Click();
    session.toolClicked(Tool::SSRBackGroundSub, false);
  }
  // Saves the ticked sets into these paths.
  void save(const std::vector<std::string>& paths) {
    session.toolClicked(Tool::SSRSaveData, true);
    for (const auto& p : paths) dialogs.queueFile(p);
    session.cmdOKLumoDataSave_Click();
  }
  static std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    for (size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
      out.push_back(text.substr(at, end - at));
    return out;
  }
};

// A set saved after a background and a scale factor reopens with its Q, R and dR to five
// significant digits (Q too: 0.00512 stays 0.00512); its title carries the background
// once, however often it is saved.
TEST_F(SessionSaveData, SavedSetReopensToFiveDigitsWithItsBackgroundInTheTitleOnce) {
  session.Form_Load();
  std::vector<DataPoint> points = decayingCurve(40);
  points[0].q = 0.00512;
  open({dir.write("si.d2o.vld", dataFileText("Si", 6.35, points))});
  subtract(1, "1e-6");
  session.toolClicked(Tool::SSRScaleFactor, true);
  session.setScaleFactorText(1, "0.5");
  session.cmdScaleFactorOK_Click();
  EXPECT_TRUE(session.dataOpsPanels().save.checked[1]);
  const std::string out = dir.file("out.VLB");
  save({out});
  EXPECT_FALSE(session.dataOpsPanels().save.visible);
  const FileDialogRequest& request = dialogs.requests.back();
  EXPECT_TRUE(request.save);
  EXPECT_EQ(request.title, "Enter File To Save Data To");
  EXPECT_EQ(request.fileName, "si.d2o.VLB");
  EXPECT_EQ(request.defaultExtension, "VLB");
  EXPECT_EQ(request.filter, "Data Files (*.VLB)|*.VLB|All Files (*.*)|*.*");
  const std::vector<std::string> text = lines(readBytes(out));
  ASSERT_EQ(text.size(), 44u);
  EXPECT_EQ(text[0], "\"LUMO\"");
  EXPECT_EQ(text[1], "\"Si bgd = 1.00E-06\"");
  EXPECT_EQ(text[2], "6.35");
  EXPECT_EQ(text[3], "40");
  EXPECT_EQ(text[4].substr(0, 14), "5.1200E-03    ");
  EXPECT_EQ(set(1).DataTitle, "Si bgd = 1.00E-06");

  const DataFileResult back = readDataFile(out, PointCount::AsAnnounced);
  ASSERT_TRUE(std::holds_alternative<DataFileContents>(back));
  const auto& read = std::get<DataFileContents>(back).points;
  for (int pt = 1; pt <= 40; ++pt) {
    const DataPoint& p = read[static_cast<size_t>(pt - 1)];
    const double r = pow10Of(set(1).DataR[pt]), dr = pow10Of(set(1).ErrUpper[pt]) - r;
    EXPECT_NEAR(p.q, set(1).DataQ[pt], 5e-5 * set(1).DataQ[pt]) << pt;
    EXPECT_NEAR(p.r, r, 5e-5 * r) << pt;
    EXPECT_NEAR(p.dr, dr, 5e-5 * dr) << pt;
    EXPECT_NEAR(p.r, 0.5 * (points[static_cast<size_t>(pt - 1)].r - 1e-6), 5e-5 * r) << pt;
  }

  subtract(1, "1e-6");
  save({out});
  EXPECT_EQ(lines(readBytes(out))[1], "\"Si bgd = 2.00E-06\"");
}

// The real ORSO file with zeros at high Q: the zeros are not written, the count says
// how many points were, the message how many were left out; reopened, the file gives the
// residual of the data it was saved from.
TEST_F(SessionSaveData, PlaceholdersAreLeftOutAndTheFileReopensToTheSameResidual) {
  LUMO_REQUIRE_TESTDATA(data);
  const auto orso = data / "orso" / "amor_prist5_10K.ort";
  if (!std::filesystem::exists(orso)) GTEST_SKIP() << "no ORSO file in the test data";
  session.Form_Load();
  open({orso.string()});
  ASSERT_TRUE(session.dataLoaded());
  setFitting(true);
  showResidual();
  EXPECT_EQ(set(1).ResidualPlaceholdersLeftOut, 8);
  const float residual = set(1).SetResidual;
  const std::string out = dir.file("amor.VLB");
  save({out});
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, cat("8 points with R <= 0 left out of\n", out));
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(lines(readBytes(out))[3], "71");

  session.toolClicked(Tool::SSRCloseData, true);
  open({out});
  setFitting(true);
  showResidual();
  EXPECT_EQ(set(1).NumPoints, 71);
  EXPECT_EQ(set(1).ResidualPlaceholdersLeftOut, 0);
  EXPECT_NEAR(set(1).SetResidual, residual, 1e-3 * residual);
}

// A file that cannot be written says "Error Saving File!" with its name and leaves what
// was there; the next set is still offered; cancelling a dialog ends the saving.
TEST_F(SessionSaveData, FailuresAreReportedAndCancelEndsTheSaving) {
  startWithData(2);
  const std::string taken = dir.file("taken.VLB");
  std::filesystem::create_directory(taken);
  const std::string second = dir.file("second.VLB");
  save({taken, second});
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(message().rfind(cat("Error Saving File!\n\n", taken), 0), 0u);
  EXPECT_TRUE(std::filesystem::is_directory(taken));
  EXPECT_TRUE(std::filesystem::exists(second));

  dialogs.requests.clear();
  session.toolClicked(Tool::SSRSaveData, true);
  dialogs.queueCancel();
  session.cmdOKLumoDataSave_Click();
  EXPECT_EQ(dialogs.requests.size(), 1u);
  session.chkLumoDataSave_Click(1, false);
  save({dir.file("two.VLB")});
  EXPECT_EQ(dialogs.requests.back().fileName, "set2.VLB");
}

}  // namespace
}  // namespace lumo::test
