#include "converter/ConversionRun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "ConverterTestSupport.h"
#include "TestSupport.h"
#include "files/DataFile.h"
#include "files/TextItemReader.h"

namespace lumo::converter {
namespace {

using test::crlfLines;

ConversionSettings settingsFor(InputFormat format, OutputFormat output) {
  ConversionSettings settings;
  settings.input = {format, false};
  settings.outputs.set(output, true);
  return settings;
}

// Good files are converted (an empty title becomes "Title", the SLD comes from the
// settings); a bad or missing file, and an output that would replace its input, are
// named in the summary while the rest of the run goes on.
TEST(ConversionRun, ConvertsWhatItCanAndSummarisesTheRest) {
  test::ScratchDir dir;
  const std::vector<std::string> inputs = {
      dir.write("good1.dat", "0.1 0.2 0.3\r\n"), dir.write("bad.dat", "0.1 oops 0.3\r\n"),
      dir.file("missing.dat"), dir.write("own.VLD", "0.4 0.5 0.6\r\n"),
      dir.write("good2.dat", "0.4 0.5 0.6\r\n")};
  ConvData data;
  ConversionSettings settings = settingsFor(InputFormat::NISTData, OutputFormat::Lumo);
  settings.outputs.set(OutputFormat::Excel, true);
  settings.sld = -0.56f;
  const ConversionReport report = runConversion(inputs, settings, data);
  EXPECT_EQ(report.filesRead, 3);
  EXPECT_EQ(report.written.size(), 5u);
  EXPECT_EQ(test::readBytes(dir.file("good1.VLD")),
            crlfLines({"\"LUMO\"", "\"Title\"", "-.56", "1",
                       " .1                 .2                  .3 "}));
  EXPECT_TRUE(std::filesystem::exists(dir.file("good2.CSV")));
  EXPECT_FALSE(std::filesystem::exists(dir.file("bad.CSV")));
  EXPECT_EQ(test::readBytes(inputs[3]), "0.4 0.5 0.6\r\n");
  EXPECT_EQ(report.problemSummary(),
            "2 of the 5 files were not converted:\n"
            "\nbad.dat: line 1: expected a number, found \"oops\""
            "\nmissing.dat: the file does not exist or cannot be read"
            "\n\nOutput files not written:\n\nown.VLD (from own.VLD): not written, as it would "
            "replace the file being converted");
  EXPECT_EQ(runConversion({inputs[0]}, settings, data).problemSummary(), "");
}

// Every output is placed before any is written: one that would replace another selected
// file (read later, or already), or an output of an earlier file, is not written and is
// named; the first file's output stays.
TEST(ConversionRun, OutputsThatWouldReplaceSelectedFilesOrEachOtherAreRefused) {
  test::ScratchDir dir;
  const std::string lower = dir.write("a.dat", ".1 .2 .3\r\n");
  const std::string upper = dir.write("a.DAT", ".4 .5 .6\r\n");
  const std::string r1 = dir.write("r.dat", ".1 .2 .3\r\n");
  const std::string r2 = dir.write("r.txt", ".7 .8 .9\r\n");
  ConversionSettings settings = settingsFor(InputFormat::NISTData, OutputFormat::DRYDOC);
  settings.outputs.set(OutputFormat::Lumo, true);
  ConvData data;
  const ConversionReport report = runConversion({lower, upper, r1, r2}, settings, data);
  EXPECT_EQ(report.filesRead, 4);
  EXPECT_EQ(test::readBytes(upper), ".4 .5 .6\r\n");
  EXPECT_EQ(test::readBytes(dir.file("r.VLD")),
            crlfLines({"\"LUMO\"", "\"Title\"", "6.35", "1", " .1                 .2                  .3 "}));
  EXPECT_EQ(report.problemSummary(),
            "Output files not written:\n"
            "\na.DAT (from a.dat): not written, as it would replace a.DAT, a file selected for this run"
            "\na.VLD (from a.DAT): not written, as a.dat gives an output of the same name in this run"
            "\na.DAT (from a.DAT): not written, as it would replace the file being converted"
            "\nr.VLD (from r.txt): not written, as r.dat gives an output of the same name in this run"
            "\nr.DAT (from r.txt): not written, as r.dat gives an output of the same name in this run");
}

// On a volume that ignores case, names that differ only in case are one file; another
// name of a selected file (a link) is that file too.
TEST(ConversionRun, OtherNamesOfTheSameFileCount) {
  test::ScratchDir dir;
  const std::string x = dir.write("x.dat", "1"), y = dir.write("Y.dat", "2");
  OutputSelection drydoc;
  drydoc.set(OutputFormat::DRYDOC, true);
  EXPECT_FALSE(folderIgnoresCase(x));
  const auto caseSensitive = planOutputs({x}, drydoc);
  EXPECT_EQ(caseSensitive[0].outputs[0].refusal, "");
  const auto ignoringCase = planOutputs({x, y}, drydoc, [](const std::string&) { return true; });
  EXPECT_EQ(ignoringCase[0].outputs[0].refusal,
            "not written, as it would replace the file being converted");
  std::filesystem::create_hard_link(y, dir.file("x.CSV"));
  OutputSelection excel;
  excel.set(OutputFormat::Excel, true);
  EXPECT_EQ(planOutputs({x, y}, excel)[0].outputs[0].refusal,
            "not written, as it would replace Y.dat, a file selected for this run");
}

TEST(ConversionRun, IsisAndIllFilesLeaveAFileNamedTempTmpAlone) {
  test::ScratchDir dir;
  const std::string own = dir.write("Temp.tmp", "the user's own notes");
  const std::string isis = dir.write("run.asc", "t\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n.1 5 1\r\n.3 6 1\r\n");
  const std::string ill = dir.write("run.dat", "t\r\nh\r\n1 2 3 4 5 6 7 8 9\r\n");
  ConvData data;
  EXPECT_TRUE(runConversion({isis}, settingsFor(InputFormat::ISISData, OutputFormat::Excel), data).complete());
  EXPECT_TRUE(runConversion({ill}, settingsFor(InputFormat::ILLData, OutputFormat::Lumo), data).complete());
  EXPECT_EQ(test::readBytes(own), "the user's own notes");
}

TEST(ConversionRun, ParsesTheSldBox) {
  EXPECT_EQ(parseSLDText(" 6.35 "), 6.35f);
  EXPECT_EQ(parseSLDText("-5.6E-01"), -0.56f);
  EXPECT_FALSE(parseSLDText(""));
  EXPECT_FALSE(parseSLDText("6,35"));
  EXPECT_FALSE(parseSLDText("1E39"));
}

// The team's real measurements, converted from "NIST Data" to the own format and read
// back with the main window's reader: every value within the five-digit rounding.
TEST(ConversionRun, MeasuredCurvesSurviveTheRoundTripWithinFiveDigits) {
  LUMO_REQUIRE_TESTDATA(shared);
  test::ScratchDir dir;
  std::vector<std::string> inputs;
  for (const auto& entry : std::filesystem::directory_iterator(shared / "measured")) {
    const std::string copy = dir.file(entry.path().filename().string());
    std::filesystem::copy_file(entry.path(), copy);
    inputs.push_back(copy);
  }
  ASSERT_FALSE(inputs.empty());
  ConvData data;
  const ConversionReport report =
      runConversion(inputs, settingsFor(InputFormat::NISTData, OutputFormat::Lumo), data);
  ASSERT_TRUE(report.complete()) << report.problemSummary();
  for (const std::string& input : inputs) {
    SCOPED_TRACE(input);
    const std::string text = test::readBytes(input);
    text::TextItemReader original(text);
    const DataFileResult read =
        readDataFile(input.substr(0, input.size() - 4) + ".VLD", PointCount::AsAnnounced);
    ASSERT_TRUE(std::holds_alternative<DataFileContents>(read));
    const auto& contents = std::get<DataFileContents>(read);
    EXPECT_EQ(contents.solventSLD, 6.35);
    ASSERT_GT(contents.points.size(), 100u);
    for (const DataPoint& p : contents.points) {
      for (double converted : {p.q, p.r, p.dr}) {
        const double value = original.readNumber();
        EXPECT_NEAR(converted, value, std::fabs(value) * 5.01e-5) << value;
      }
    }
    EXPECT_TRUE(original.atEnd());
  }
}

}  // namespace
}  // namespace lumo::converter
