// ORSO files in the converter: as input (the first data set, its resolution kept) and as
// output (full precision, the header naming the source), never over the input.
#include "converter/ConversionRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <variant>

#include "TestSupport.h"
#include "files/DataFile.h"
#include "files/OrsoTestText.h"

namespace lumo::converter {
namespace {

ConversionSettings orsoSettings(InputFormat input) {
  ConversionSettings settings;
  settings.input = {input, false};
  settings.outputs.set(OutputFormat::ORSO, true);
  settings.outputs.set(OutputFormat::Lumo, true);
  settings.timestamp = "2024-05-01T10:00:00+02:00";
  return settings;
}

std::vector<DataFileContents> readBack(const std::string& path) {
  DataFileSetsResult result = readDataFileSets(path, PointCount::UntilEnd);
  if (auto* e = std::get_if<DataFileError>(&result)) {
    ADD_FAILURE() << e->message();
    return {};
  }
  return std::get<std::vector<DataFileContents>>(result);
}

// A legacy file becomes an ORSO file holding every digit the converter read (single
// precision), while the own-format output beside it is rounded to five digits.
TEST(OrsoConversion, LegacyFilesBecomeOrsoInSinglePrecision) {
  test::ScratchDir dir;
  const std::string input = dir.write("run.dat", "0.0123456,0.98765432,0.00012345678\r\n0.02,-1e-7,1e-6\r\n");
  ConvData data;
  ConversionSettings settings = orsoSettings(InputFormat::NISTData);
  settings.titleText = "POPC: D2O";
  const ConversionReport report = runConversion({input}, settings, data);
  ASSERT_TRUE(report.complete()) << report.problemSummary();
  const std::string ort = test::readBytes(dir.file("run.ORT"));
  EXPECT_NE(ort.find("#       - file: run.dat\r\n#         comment: NIST Data file\r\n"), std::string::npos) << ort;
  EXPECT_NE(ort.find("timestamp: 2024-05-01T10:00:00+02:00"), std::string::npos);
  const auto sets = readBack(dir.file("run.ORT"));
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].title, "POPC: D2O");
  ASSERT_EQ(sets[0].points.size(), 2u);
  EXPECT_EQ(static_cast<float>(sets[0].points[0].r), 0.98765432f);
  EXPECT_EQ(static_cast<float>(sets[0].points[0].dr), 0.00012345678f);
  EXPECT_EQ(static_cast<float>(sets[0].points[1].r), -1e-7f);
  EXPECT_TRUE(sets[0].resolution.empty());
  EXPECT_NE(test::readBytes(dir.file("run.VLD")).find(".98765 "), std::string::npos);
}

TEST(OrsoConversion, OrsoInputsGiveTheirFirstDataSetWithItsResolution) {
  test::ScratchDir dir;
  std::string text = test::orsoFileText("Ni film", {{{0.01, 0.9, 0.01}, {0.02, 0.4, 0.01}}, {{0.05, 0.1, 0.01}}});
  const std::string input = dir.write("spins.ort", text);
  ConvData data;
  const ConversionReport report = runConversion({input}, orsoSettings(InputFormat::ORSOData), data);
  ASSERT_TRUE(report.complete()) << report.problemSummary();
  const auto sets = readBack(dir.file("spins.ORT"));
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].title, "Ni film (0)");
  ASSERT_EQ(sets[0].resolution.size(), 2u);
  EXPECT_EQ(static_cast<float>(sets[0].resolution[1]), static_cast<float>(0.02 * 0.02));
  EXPECT_EQ(readBack(dir.file("spins.VLD")).front().title, "Ni film (0)");

  // A refused input names the field; an output that would be the input is not written.
  const std::string bad = dir.write("bad.ort", test::kOrsoFirstLine + "# columns:\n# - {name: Qz, unit: 1/m}\n0.1\n");
  const std::string upper = dir.write("same.ORT", text);
  const ConversionReport failed = runConversion({bad, upper}, orsoSettings(InputFormat::ORSOData), data);
  ASSERT_EQ(failed.failedInputs.size(), 1u);
  EXPECT_NE(failed.failedInputs[0].reason.find("the unit of Qz"), std::string::npos);
  ASSERT_EQ(failed.failedOutputs.size(), 1u);
  EXPECT_EQ(failed.failedOutputs[0].format, OutputFormat::ORSO);
  EXPECT_EQ(test::readBytes(upper), text);
}

}  // namespace
}  // namespace lumo::converter
