#include "converter/SaveData.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "ConverterTestSupport.h"
#include "TestSupport.h"
#include "converter/OpenData.h"
#include "files/DataFile.h"

namespace lumo::converter {
namespace {

using test::crlfLines;

// Two points: one that needs rounding, one with a negative reflectivity.
ConvData twoPoints(const std::string& title = "Title") {
  ConvData data;
  data.ConvNumPoints = 2;
  data.ConvQ[1] = 0.0123456f, data.ConvR[1] = 0.98765432f, data.ConvdR[1] = 0.00012345678f;
  data.ConvQ[2] = 0.25f, data.ConvR[2] = -0.5f, data.ConvdR[2] = 0.001f;
  data.ConvTitle = title;
  return data;
}

// The layouts below show the rounding of ordinary values; these are the edges.
TEST(SaveDataRounding, KeepsFiveSignificantDigitsInSinglePrecision) {
  EXPECT_EQ(roundedToFiveDigits(-123456.0f), -1.2346E+05f);
  EXPECT_EQ(roundedToFiveDigits(0.0f), 0.0f);
  EXPECT_EQ(roundedToFiveDigits(3.4028235e38f), 3.4028e38f);
}

struct Layout {
  OutputFormat format;
  std::string expected;       // of twoPoints()
  std::string expectedEmpty;  // of no points at all
};

class SaveDataLayout : public ::testing::TestWithParam<Layout> {};

TEST_P(SaveDataLayout, IsWrittenByteForByte) {
  ConvData data = twoPoints();
  roundToFiveDigits(data);
  EXPECT_EQ(formatOutput(GetParam().format, data), GetParam().expected);
  data.ConvNumPoints = 0;
  EXPECT_EQ(formatOutput(GetParam().format, data), GetParam().expectedEmpty);
}

INSTANTIATE_TEST_SUITE_P(
    EveryOutput, SaveDataLayout,
    ::testing::Values(
        Layout{OutputFormat::Lumo,
               crlfLines({"\"LUMO\"", "\"Title\"", "6.35", "2",
                          " .012346            .98765              1.2346E-04 ",
                          " .25               -.5                  .001 "}),
               crlfLines({"\"LUMO\"", "\"Title\"", "6.35", "0"})},
        Layout{OutputFormat::DRYDOC,
               crlfLines({"2", " .012346            .98765              1.2346E-04 ",
                          " .25               -.5                  .001 ", "\"Title\""}),
               crlfLines({"0", "\"Title\""})},
        Layout{OutputFormat::Excel,
               crlfLines({"\"Title\"", "Q,Reflectivity,Error", " .012346 , .98765 , 1.2346E-04 ",
                          " .25 ,-.5 , .001 "}),
               crlfLines({"\"Title\"", "Q,Reflectivity,Error"})},
        Layout{OutputFormat::GO,
               crlfLines({"\"\"", "\"\"", "\"\"", "\"\"", "  .012346      .98765         1.2346E-04 ",
                          "  .25         -.5             .001 "}),
               crlfLines({"\"\"", "\"\"", "\"\"", "\"\""})}),
    [](const auto& p) { return std::string(converter::info(p.param.format).caption); });

TEST(SaveDataLayouts, ReadBackAsTheSameValuesAndTitle) {
  ConvData written = twoPoints("Run 7, D2O");
  roundToFiveDigits(written);
  const std::pair<OutputFormat, InputFormat> pairs[] = {{OutputFormat::Lumo, InputFormat::LUMOData},
                                                        {OutputFormat::DRYDOC, InputFormat::DRYDOCData},
                                                        {OutputFormat::GO, InputFormat::GoData}};
  for (const auto& [output, input] : pairs) {
    ConvData read;
    ASSERT_FALSE(parseConverterInput(formatOutput(output, written), {input, false}, read));
    ASSERT_EQ(read.ConvNumPoints, 2);
    EXPECT_TRUE(read.ConvQ == written.ConvQ && read.ConvR == written.ConvR &&
                read.ConvdR == written.ConvdR);
    EXPECT_EQ(read.ConvTitle, output == OutputFormat::GO ? "Title?" : "Run 7, D2O");
  }
  // The main window's reader accepts the own format as it stands.
  const DataFileResult main = parseDataFile(formatOutput(OutputFormat::Lumo, written),
                                            PointCount::AsAnnounced, "x");
  ASSERT_TRUE(std::holds_alternative<DataFileContents>(main));
  EXPECT_EQ(std::get<DataFileContents>(main).title, "Run 7, D2O");
  EXPECT_EQ(std::get<DataFileContents>(main).solventSLD, 6.35);
}

TEST(SaveDataNames, ReplaceTheExtensionOfTheFileName) {
  EXPECT_EQ(outputPath("/data/run12.asc", OutputFormat::Lumo), "/data/run12.VLD");
  EXPECT_EQ(outputPath("/data/run12.asc", OutputFormat::Excel), "/data/run12.CSV");
  EXPECT_EQ(outputPath("/data/run.12.dat", OutputFormat::DRYDOC), "/data/run.12.DAT");
  EXPECT_EQ(outputPath("/data.d/run12", OutputFormat::GO), "/data.d/run12.DAT");
  EXPECT_EQ(outputPath("/d/ab", OutputFormat::Lumo), "/d/ab.VLD");
}

// With all four ticked the DRYDOC file is not written (the GO file would replace it at
// once); an output that cannot be written (a folder in the way) is reported, the others
// are written and the input stays as it was.
TEST(SaveDataFiles, WritesEveryOutputItCanAndReportsTheRest) {
  test::ScratchDir dir;
  const std::string input = dir.write("run12.asc", "input");
  std::filesystem::create_directory(dir.file("run12.CSV"));
  OutputSelection all;
  for (OutputFormat f : {OutputFormat::Lumo, OutputFormat::DRYDOC, OutputFormat::Excel, OutputFormat::GO})
    all.set(f, true);
  ConvData data = twoPoints();
  const SaveResult result = SaveData(input, all, data);
  ASSERT_EQ(result.problems.size(), 1u);
  EXPECT_EQ(result.problems[0].path, dir.file("run12.CSV"));
  EXPECT_EQ(result.problems[0].format, OutputFormat::Excel);
  ASSERT_EQ(result.written.size(), 2u);
  EXPECT_EQ(result.written[1].format, OutputFormat::GO);
  EXPECT_EQ(result.written[1].path, dir.file("run12.DAT"));
  EXPECT_EQ(test::readBytes(dir.file("run12.DAT")), formatOutput(OutputFormat::GO, data));
  EXPECT_EQ(test::readBytes(dir.file("run12.VLD")), formatOutput(OutputFormat::Lumo, data));
  EXPECT_EQ(test::readBytes(input), "input");
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("run12.CSV")));
}

}  // namespace
}  // namespace lumo::converter
