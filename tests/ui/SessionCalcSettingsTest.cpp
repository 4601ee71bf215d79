// The calculation settings through the session: "Resolution…" and "Exact Wave Vector"
// in the Options menu, lumo-calc.ini read at start and written on change, and every
// curve and residual following the settings at once.
#include "FittingSessionFixture.h"
#include "files/CalcSettingsFile.h"
#include "files/FileText.h"

namespace lumo::test {
namespace {

using ui::Menu;

class SessionCalcSettings : public FittingSession {
 protected:
  std::vector<double> calcR(int d) const {
    const DataSet& set = session.store()[d];
    return {set.CalcR.begin() + set.DataFirst, set.CalcR.begin() + set.DataLast + 1};
  }
  void chooseResolution(const std::string& percent, bool fromData = false) {
    session.menuClicked(Menu::mnuResolution);
    session.setResolutionText(percent);
    session.chkResolutionFromData_Click(fromData);
    session.cmdResolutionOK_Click();
  }
  std::string settingsFile() const { return readBytes(dir.file(kCalcSettingsFileName)); }
};

TEST_F(SessionCalcSettings, WithoutAFileTheDefaultsApplySilentlyAndNothingIsWritten) {
  session.Form_Load();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(session.calcSettings(), CalcSettings{});
  const CalcOptions o = session.calcOptions();
  EXPECT_FALSE(o.resolution.active());
  EXPECT_FALSE(o.exactQ);
  EXPECT_EQ(session.lblCalcSettings(), "Resolution: off");
  EXPECT_FALSE(session.menus().checked(Menu::mnuExactQ));
  session.mnuExit_Click();
  EXPECT_FALSE(std::filesystem::exists(dir.file(kCalcSettingsFileName)));
}

TEST_F(SessionCalcSettings, AFileIsReadAtStartAndADamagedOneIsNamedWithItsLine) {
  dir.write(kCalcSettingsFileName, "Resolution=2.5\r\nResolutionFromData=1\r\nExactWaveVector=1\r\n");
  session.Form_Load();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(session.calcOptions().resolution, (Resolution{2.5, true}));
  EXPECT_TRUE(session.calcOptions().exactQ);
  EXPECT_TRUE(session.menus().checked(Menu::mnuExactQ));
  EXPECT_EQ(session.lblCalcSettings(), "Resolution: sQz of the data, else 2.5 % dQ/Q (FWHM)  |  Exact Q");

  for (const char* damaged : {"Resolution=5\r\nResolution=6\r\n", "Resolution=5\r\nSpeed=3\r\n",
                              "Resolution=5\r\nExactWaveVector=yes\r\n", "Resolution=5\r\n\xff\xfe"}) {
    dir.write(kCalcSettingsFileName, damaged);
    ui::MainSession s(dialogs, folder);
    dialogs.messages.clear();
    s.Form_Load();
    ASSERT_EQ(dialogs.messages.size(), 1u) << damaged;
    EXPECT_NE(message().find(kCalcSettingsFileName), std::string::npos);
    EXPECT_NE(message().find("line 2"), std::string::npos) << message();
    EXPECT_EQ(s.calcSettings(), CalcSettings{});
    // The damaged file stays as it was until a setting is changed.
    EXPECT_EQ(settingsFile(), damaged);
  }
}

TEST_F(SessionCalcSettings, ResolutionSmearsEveryCurveAtOnceAndZeroGivesTheSameBitsBack) {
  startAtTruth({{{ScrollFamily::Thickness, 1}, 40}});
  setFitting(true);
  showResidual();
  const std::vector<double> plain1 = calcR(1), plain2 = calcR(2);
  const std::string plainResidual = session.lblCumulativeResidual();

  session.menuClicked(Menu::mnuResolution);
  EXPECT_TRUE(session.resolutionPanel().visible);
  EXPECT_EQ(session.resolutionPanel().percentText, "0");
  session.cmdResolutionCancel_Click();
  EXPECT_FALSE(session.resolutionPanel().visible);

  const int before = session.calculationCount();
  chooseResolution("5");
  EXPECT_FALSE(session.resolutionPanel().visible);
  EXPECT_GT(session.calculationCount(), before);
  EXPECT_EQ(session.lblCalcSettings(), "Resolution: 5 % dQ/Q (FWHM)");
  EXPECT_EQ(settingsFile(), "Resolution=5\r\nResolutionFromData=0\r\nExactWaveVector=0\r\n");
  const std::vector<double> smeared = calcR(1);
  ASSERT_EQ(smeared.size(), plain1.size());
  EXPECT_NE(smeared, plain1);
  EXPECT_NE(calcR(2), plain2);
  EXPECT_NE(session.lblCumulativeResidual(), plainResidual);
  // Smearing fills the fringes' minima and rounds the critical edge.
  int minima = 0;
  for (size_t i = 3; i + 1 < plain1.size(); ++i)
    if (plain1[i] < plain1[i - 1] && plain1[i] < plain1[i + 1]) {
      EXPECT_GT(smeared[i], plain1[i]) << i;
      ++minima;
    }
  EXPECT_GE(minima, 1);
  EXPECT_LT(smeared[1], plain1[1]);

  // A scroll step recalculates the smeared curve incrementally; the result is the same
  // as a fresh calculation's.
  session.setScrollValue(thicknessBar(1), 35);
  const std::vector<double> stepped = calcR(1);
  session.fullRecalculation();
  EXPECT_EQ(calcR(1), stepped);
  session.setScrollValue(thicknessBar(1), 40);

  chooseResolution(" 0 % ");
  EXPECT_EQ(calcR(1), plain1);
  EXPECT_EQ(calcR(2), plain2);
  EXPECT_EQ(session.lblCumulativeResidual(), plainResidual);
  EXPECT_EQ(session.lblCalcSettings(), "Resolution: off");
}

TEST_F(SessionCalcSettings, ATypedValueThatIsNoPercentageChangesNothing) {
  startAtTruth();
  setFitting(true);
  const std::vector<double> plain = calcR(1);
  for (const char* bad : {"", "abc", "5x", "-1", "20.5", "nan", "1e400"}) {
    dialogs.messages.clear();
    chooseResolution(bad);
    ASSERT_EQ(dialogs.messages.size(), 1u) << bad;
    EXPECT_NE(message().find("from 0 to 20"), std::string::npos);
    EXPECT_TRUE(session.resolutionPanel().visible) << "the panel stays open for another try";
    EXPECT_EQ(session.calcSettings(), CalcSettings{});
    EXPECT_EQ(calcR(1), plain);
    session.cmdResolutionCancel_Click();
  }
  EXPECT_FALSE(std::filesystem::exists(dir.file(kCalcSettingsFileName)));
}

TEST_F(SessionCalcSettings, ExactWaveVectorSwitchesTheKinematicsOfEveryCurveAndIsRemembered) {
  startAtTruth();
  setFitting(true);
  showResidual();
  const std::vector<double> plain = calcR(1);
  const std::string plainResidual = session.lblCumulativeResidual();
  session.menuClicked(Menu::mnuExactQ);
  EXPECT_TRUE(session.menus().checked(Menu::mnuExactQ));
  EXPECT_TRUE(session.calcOptions().exactQ);
  EXPECT_NE(calcR(1), plain);
  EXPECT_NE(session.lblCumulativeResidual(), plainResidual);

  // The curve is the engine's with the standard kinematics.
  DataStore store = session.store();
  CalcOptions exact = session.calcOptions();
  ReflectivityEngine engine;
  engine.Prof_Calc_1(session.model(), store, exact);
  engine.Prof_Calc_2(session.model(), store, exact);
  EXPECT_EQ(store[1].CalcR, session.store()[1].CalcR);

  // The next start reads it back.
  ui::MainSession next(dialogs, folder);
  next.Form_Load();
  EXPECT_TRUE(next.calcSettings().exactQ);
  EXPECT_TRUE(next.menus().checked(Menu::mnuExactQ));

  session.menuClicked(Menu::mnuExactQ);
  EXPECT_EQ(calcR(1), plain);
  EXPECT_EQ(session.lblCumulativeResidual(), plainResidual);
}

TEST_F(SessionCalcSettings, TheStartUpCurvesAndTheGridAreSmearedToo) {
  session.Form_Load();
  setFitting(true);
  const std::vector<double> plain(session.store()[1].CalcR.begin(), session.store()[1].CalcR.end());
  chooseResolution("8");
  EXPECT_EQ(session.calcOptions().resolution.percent, 8);
  EXPECT_NE(std::vector<double>(session.store()[1].CalcR.begin(), session.store()[1].CalcR.end()), plain);
  EXPECT_GT(curves(1), 0);
}

TEST_F(SessionCalcSettings, WhileAFitRunsTheSettingsCannotChange) {
  startAtTruth({{{ScrollFamily::Thickness, 1}, 20}});
  setFitting(true);
  autoFitOn();
  session.lblThickness_Click(1);
  ASSERT_TRUE(session.fitRunning());
  session.menuClicked(Menu::mnuExactQ);
  session.menuClicked(Menu::mnuResolution);
  EXPECT_FALSE(session.resolutionPanel().visible);
  EXPECT_EQ(session.calcSettings(), CalcSettings{});
  session.cancelFit();
}

TEST_F(SessionCalcSettings, AFileThatCannotBeWrittenIsNamed) {
  session.Form_Load();
  // A folder where the file should be: the rename onto it fails.
  std::filesystem::create_directory(dir.file(kCalcSettingsFileName));
  std::filesystem::create_directory(dir.file(std::string(kCalcSettingsFileName) + "/x"));
  session.menuClicked(Menu::mnuExactQ);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(message().find("Error Saving File!"), std::string::npos);
  EXPECT_NE(message().find(kCalcSettingsFileName), std::string::npos);
  // The setting still applies for this session.
  EXPECT_TRUE(session.calcOptions().exactQ);
}

}  // namespace
}  // namespace lumo::test
