// ORSO files through the session's data commands: several data sets into the next free
// slots, the contrasts keeping their solvent SLD, placeholders and reloading.
#include <cmath>

#include "SessionFixture.h"
#include "converter/ConversionRun.h"
#include "files/OrsoTestText.h"
#include "files/TextItemReader.h"

namespace lumo::test {
namespace {

using ui::Tool;

class SessionOrso : public SessionFixture {
 protected:
  std::string writeOrso(const std::string& name, int sets, int points = 30) {
    std::vector<std::vector<DataPoint>> curves(static_cast<size_t>(sets), decayingCurve(points));
    curves[0][1].r = 0.0;  // a zero reflectivity, as measured at high Q
    return dir.write(name, orsoFileText("POPC", curves));
  }
};

TEST_F(SessionOrso, OpeningFillsTheNextSlotsAndTheContrastsKeepTheirSLD) {
  session.Form_Load();
  session.setScrollValue({ScrollFamily::SLDRun, 2}, 123);
  const int sld1 = session.editor().value({ScrollFamily::SLDRun, 1});
  open({writeOrso("pair.ort", 2), writeData("d2o.vld", 2.07, 30)});
  ASSERT_EQ(dialogs.requests.size(), 3u);  // files for slots 1 and 3, then cancelled
  EXPECT_EQ(dialogs.requests[1].title, "Select Data Set 3");
  EXPECT_NE(dialogs.requests[0].filter.find("ORSO Files (*.ort)"), std::string::npos);
  EXPECT_TRUE(dialogs.messages.empty());

  const DataStore& store = session.store();
  ASSERT_EQ(store.NumDataSets, 3);
  EXPECT_EQ(store[1].DataTitle, "POPC (0)");
  EXPECT_EQ(store[2].DataTitle, "POPC (1)");
  EXPECT_EQ(store[2].DataFileEntry, 1);
  EXPECT_EQ(session.editor().value({ScrollFamily::SLDRun, 1}), sld1);
  EXPECT_EQ(session.editor().value({ScrollFamily::SLDRun, 2}), 123);
  EXPECT_DOUBLE_EQ(store[2].FileSolventSLD, 1.23);
  EXPECT_EQ(session.editor().value({ScrollFamily::SLDRun, 3}), 207);
  // R = 0 becomes the placeholder at R = 10 (log10: 1), as in the own format.
  EXPECT_EQ(store[1].DataR[2], 1.0);
  EXPECT_EQ(store[1].ErrUpper[2], 1.0);
  EXPECT_TRUE(store[1].HasQResolution);
  EXPECT_DOUBLE_EQ(store[1].DataQResolution[3], decayingCurve(30)[2].q * 0.02);
  EXPECT_FALSE(store[3].HasQResolution);
  for (int p = 1; p <= 3; ++p) EXPECT_EQ(dataCircles(p), 30) << p;
  EXPECT_EQ(session.history().count(), 2);
}

// Files named at start go in turn into the next free slots, as from the dialogs.
TEST_F(SessionOrso, FilesNamedAtStartFillTheSlotsInTurn) {
  session.Form_Load();
  session.openDataFiles({writeOrso("pair.ort", 2), writeData("d2o.vld", 2.07)});
  ASSERT_EQ(session.store().NumDataSets, 3);
  EXPECT_EQ(session.store()[3].DataTitle, "d2o.vld");
}

TEST_F(SessionOrso, MoreDataSetsThanFreeSlotsAreCountedAndReloadFindsEachAgain) {
  startWithData(2);
  const std::string five = writeOrso("five.ort", 5);
  dialogs.queueFile(five);
  session.picLoadFile_Click(1);
  EXPECT_EQ(session.store().NumDataSets, 4);
  EXPECT_EQ(session.store()[4].DataTitle, "POPC (1)");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);
  EXPECT_NE(message().find(five), std::string::npos);
  EXPECT_NE(message().find("5 data sets; 3 were not loaded"), std::string::npos);

  session.toolClicked(Tool::SSCReload);
  EXPECT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(session.store()[4].DataTitle, "POPC (1)");

  // The file loses its second data set: the reload says so and changes nothing.
  dir.write("five.ort", orsoFileText("other", {decayingCurve(20)}));
  session.toolClicked(Tool::SSCReload);
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_NE(message(1).find("no longer holds data set 2"), std::string::npos);
  EXPECT_EQ(session.store()[3].DataTitle, "POPC (0)");
  EXPECT_EQ(session.store()[3].NumPoints, 30);
}

// A measured legacy file, converted to ORSO and opened, keeps every value the converter
// holds (single precision) and shows as many points as the legacy file.
TEST_F(SessionOrso, LegacyFileThroughOrsoOpensWithItsValues) {
  LUMO_REQUIRE_TESTDATA(data);
  const std::string legacy = dir.write("d2o.dat", readBytes((data / "measured/Si_D2O_HEPES_20mM.dat").string()));
  converter::ConversionSettings settings;
  settings.input = {converter::InputFormat::NISTData, false};
  settings.outputs.set(converter::OutputFormat::ORSO, true);
  settings.titleText = "Si in D2O";
  converter::ConvData conv;
  ASSERT_TRUE(converter::runConversion({legacy}, settings, conv).complete());

  session.Form_Load();
  session.openDataFiles({dir.file("d2o.ORT")});
  const DataSet& set = session.store()[1];
  ASSERT_EQ(set.NumPoints, 161);
  EXPECT_EQ(set.DataTitle, "Si in D2O");
  const std::string legacyText = readBytes(legacy);
  text::TextItemReader reader(legacyText);
  for (int pt = 1; pt <= set.NumPoints; ++pt) {
    const double q = reader.readNumber(), r = reader.readNumber(), dr = reader.readNumber();
    ASSERT_EQ(static_cast<float>(set.DataQ[pt]), static_cast<float>(q)) << pt;
    // R is held as log10 R (Log Y is on): single precision, not five digits.
    ASSERT_NEAR(std::pow(10.0, set.DataR[pt]) / static_cast<float>(r), 1.0, 1e-7) << pt;
    ASSERT_EQ(static_cast<float>(set.DataErr[pt]), static_cast<float>(dr)) << pt;
  }
}

}  // namespace
}  // namespace lumo::test
