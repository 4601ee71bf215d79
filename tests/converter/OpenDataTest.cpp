#include "converter/OpenData.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "ConverterTestSupport.h"
#include "TestSupport.h"

namespace lumo::converter {
namespace {

using test::crlfLines;

std::string repeated(const std::string& line, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += line + "\r\n";
  return text;
}

const std::string kIsisHeader = "Run 12 D2O\r\n" + repeated("header", 8);

TEST(OpenDataIsis, GivesBinCentresWithTheCountsOfTheFirstTenLines) {
  std::string text = kIsisHeader;
  for (int i = 1; i <= 11; ++i)
    text += "  " + std::to_string(0.01 * i) + " " + std::to_string(100 + i) + " " +
            std::to_string(i) + "\r\n";
  ConvData data;
  ASSERT_FALSE(parseConverterInput(text, {InputFormat::ISISData, false}, data));
  ASSERT_EQ(data.ConvNumPoints, 10);
  for (int i = 1; i <= 10; ++i) {
    const float lower = static_cast<float>(0.01 * i), upper = static_cast<float>(0.01 * (i + 1));
    EXPECT_EQ(data.ConvQ[i], (lower + upper) / 2) << i;
    EXPECT_EQ(data.ConvR[i], static_cast<float>(100 + i));
    EXPECT_EQ(data.ConvdR[i], static_cast<float>(i));
  }
}

struct Readable {
  const char* name;
  InputFormat format;
  std::string text;
  int points;
  float q, r, dr;         // the last point
  const char* title;      // after reading with "Typed" in the title box
  const char* keptTitle;  // the same with "Overwrite Existing" checked
};

void PrintTo(const Readable& c, std::ostream* os) { *os << c.name; }

class OpenDataReads : public ::testing::TestWithParam<Readable> {};

TEST_P(OpenDataReads, ThePointsAndTheTitleOfTheFile) {
  const Readable& c = GetParam();
  for (const bool keepTitle : {false, true}) {
    ConvData data;
    data.ConvTitle = "Typed";
    const auto failure = parseConverterInput(c.text, {c.format, keepTitle}, data);
    ASSERT_FALSE(failure) << *failure;
    ASSERT_EQ(data.ConvNumPoints, c.points);
    if (c.points > 0) {
      EXPECT_EQ(data.ConvQ[c.points], c.q);
      EXPECT_EQ(data.ConvR[c.points], c.r);
      EXPECT_EQ(data.ConvdR[c.points], c.dr);
    }
    EXPECT_EQ(data.ConvTitle, keepTitle ? c.keptTitle : c.title);
    EXPECT_EQ(data.ConvSLD, 6.35f);  // no input changes the SLD of the outputs
  }
}

const std::string kIllRow = "1 2 3 4 5 6 7 8 9";

INSTANTIATE_TEST_SUITE_P(
    EveryInput, OpenDataReads,
    ::testing::Values(
        // Exactly ten items: the closing boundary alone makes no bin.
        Readable{"IsisTenItems", InputFormat::ISISData, kIsisHeader + "0.5 7 2\r\n", 0, 0, 0, 0,
                 "Run 12 D2O", "Typed"},
        // A header line with a comma counts as two items: the data still start at item 10.
        Readable{"IsisCommaInTheHeader", InputFormat::ISISData,
                 "Title, second piece\r\n" + repeated("h", 7) + crlfLines({"0.1 1 1", "0.3 2 2"}),
                 1, (0.1f + 0.3f) / 2, 1, 1, "Title", "Typed"},
        Readable{"IllColumnsTwoSevenAndEight", InputFormat::ILLData,
                 crlfLines({"ILL title", "ignored", kIllRow, kIllRow, kIllRow}), 3, 2, 7, 8,
                 "ILL title", "Typed"},
        Readable{"NistPointLinesToTheEnd", InputFormat::NISTData,
                 crlfLines({"0.01,0.9,0.05", "0.02 0.5 0.01", "  3E-02 , 1.5E-01,2E-3", ""}), 3,
                 0.03f, 0.15f, 0.002f, "Typed", "Typed"},
        // The common four-column layout (Q, R, dR, dQ): the resolution is not taken.
        Readable{"NistWithAResolutionColumn", InputFormat::NISTData,
                 crlfLines({"0.01 0.9 0.05 0.0005", "0.02 0.5 0.01 0.001"}), 2, 0.02f, 0.5f, 0.01f,
                 "Typed", "Typed"},
        Readable{"DrydocTitleAfterThePoints", InputFormat::DRYDOCData,
                 crlfLines({"3", ".01 .9 .1", ".02 .8 .1", ".03 .7 .1", "\"Drydoc, run 4\""}), 3,
                 0.03f, 0.7f, 0.1f, "Drydoc, run 4", "Typed"},
        // Its only fault a lost title line: the points, with an empty title.
        Readable{"DrydocWithoutTitle", InputFormat::DRYDOCData, "1\r\n.1 .2 .3\r\n", 1, 0.1f,
                 0.2f, 0.3f, "", "Typed"},
        Readable{"OwnFormatIgnoresMarkerAndSld", InputFormat::LUMOData,
                 crlfLines({"\"ANYTHING\"", "\"Own title\"", "not a number", "2", " .01  .5  .05",
                            " .02  .25  .02"}),
                 2, 0.02f, 0.25f, 0.02f, "Own title", "Typed"},
        Readable{"ModelFileCurveWithTinyErrors", InputFormat::LumoFit,
                 crlfLines({" 2 ", " 3 ", " 10  2.07  0  3 ", " 20  3.4  25  4 ", " 2 ",
                            " 1.0000E-02    9.1000E-01 ", " 2.0000E-02    4.5000E-01 "}),
                 2, 0.02f, 0.45f, 1e-8f, "", "Typed"},
        // Curve lines that also carry the measured data: the calculated curve is taken.
        Readable{"ModelFileWithMeasuredColumns", InputFormat::LumoFit,
                 crlfLines({" 1 ", " 0 ", " 10 2 0 3 ", " 2 ",
                            " 1.0000E-02    9.1000E-01    9.0000E-01    5.0000E-02 ",
                            " 2.0000E-02    4.5000E-01    4.4000E-01    2.0000E-02 "}),
                 2, 0.02f, 0.45f, 1e-8f, "", "Typed"},
        // Saved on a trimmed point range: the count is the data set's, the lines the range's.
        Readable{"ModelFileOfATrimmedRange", InputFormat::LumoFit,
                 crlfLines({" 1 ", " 0 ", " 10 2 0 3 ", " 5 ", " 1.0000E-02    9.1000E-01 ",
                            " 2.0000E-02    4.5000E-01 "}),
                 2, 0.02f, 0.45f, 1e-8f, "", "Typed"},
        Readable{"GoSkipsFourHeaderLines", InputFormat::GoData,
                 crlfLines({"1 2 3", "4 5 6", "7 8 9", "\"\"", " .1 .2 .3", " .4 .5 .6"}), 2, 0.4f,
                 0.5f, 0.6f, "Title?", "Typed"}),
    [](const auto& p) { return std::string(p.param.name); });

// Every reader passes over a run of megabytes of blank lines in linear time (a reader
// that looked ahead to the end of the file at every item took minutes).
TEST(OpenDataSpeed, LongBlankRunsAreReadInLinearTime) {
  const std::string blanks(4u << 20, '\n');
  const std::string fit = crlfLines({" 1 ", " 0 ", " 10 2.07 0 3 ", " 2 ", " .01 .9 "});
  const std::pair<InputFormat, std::string> files[] = {
      {InputFormat::ISISData, kIsisHeader + "1 2 3\r\n" + blanks + "2 2 3\r\n"},
      {InputFormat::NISTData, ".1 .2 .3\r\n" + blanks + ".2 .2 .3\r\n"},
      {InputFormat::ILLData, "t\r\nh\r\n" + kIllRow + "\r\n" + blanks + kIllRow},
      {InputFormat::DRYDOCData, "2\r\n.1 .2 .3\r\n" + blanks + ".2 .2 .3\r\n" + blanks + "t"},
      {InputFormat::LUMOData, "L\r\nt\r\n6\r\n1\r\n" + blanks + ".1 .2 .3"},
      {InputFormat::LumoFit, fit + blanks + " .02 .5 \r\n"},
      {InputFormat::GoData, "a\r\nb\r\nc\r\nd\r\n.1 .2 .3\r\n" + blanks}};
  for (const auto& [format, text] : files) {
    ConvData data;
    const auto start = std::chrono::steady_clock::now();
    const auto failure = parseConverterInput(text, {format, false}, data);
    // Blank lines among the points of a file are passed over; ISIS and ILL files count
    // them as items, of which they hold at most 522.
    const bool itemised = format == InputFormat::ISISData || format == InputFormat::ILLData;
    EXPECT_EQ(failure.has_value(), itemised) << info(format).caption;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1))
        << info(format).caption;
  }
}

TEST(OpenDataFile, AMissingFileIsRefusedAndUserDefinedReadsNothing) {
  ConvData data;
  data.ConvNumPoints = 2;
  data.ConvTitle = "kept";
  const auto failure = OpenData("/nonexistent/run1.dat", {InputFormat::NISTData, false}, data);
  ASSERT_TRUE(failure);
  EXPECT_NE(failure->find("does not exist"), std::string::npos);
  EXPECT_FALSE(OpenData("/nonexistent/file.xyz", {InputFormat::UserDefinedData, false}, data));
  EXPECT_EQ(data.ConvNumPoints, 2);
  EXPECT_EQ(data.ConvTitle, "kept");
}

struct Refused {
  const char* name;
  InputFormat format;
  std::string text;
  const char* reason;
};

void PrintTo(const Refused& c, std::ostream* os) { *os << c.name; }

class OpenDataRefuses : public ::testing::TestWithParam<Refused> {};

TEST_P(OpenDataRefuses, WithAReasonAndLeavesTheWorkingDataAsTheyWere) {
  ConvData data;
  data.ConvNumPoints = 1;
  data.ConvQ[1] = 42;
  data.ConvTitle = "before";
  const auto failure = parseConverterInput(GetParam().text, {GetParam().format, false}, data);
  ASSERT_TRUE(failure);
  EXPECT_NE(failure->find(GetParam().reason), std::string::npos) << *failure;
  EXPECT_EQ(data.ConvNumPoints, 1);
  EXPECT_EQ(data.ConvQ[1], 42);
  EXPECT_EQ(data.ConvTitle, "before");
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, OpenDataRefuses,
    ::testing::Values(
        Refused{"NistText", InputFormat::NISTData, crlfLines({"0.1,0.2,0.3", "0.1,abc,0.3"}),
                "line 2: expected a number, found \"abc\""},
        // Numbers are never taken three at a time across line ends.
        Refused{"NistPartialPoint", InputFormat::NISTData, crlfLines({"0.1,0.2,0.3", "0.1,0.2"}),
                "line 2: a point line holds Q, R and dR (and perhaps dQ); this one holds 2"},
        Refused{"NistSplitPoints", InputFormat::NISTData, crlfLines({"0.1 0.2", "0.3 0.4 0.5 0.6"}),
                "line 1: a point line holds"},
        Refused{"NistFiveColumns", InputFormat::NISTData, crlfLines({"", "1 2 3 4 5"}),
                "line 2: a point line holds Q, R and dR (and perhaps dQ); this one holds 5"},
        Refused{"GoTwoColumns", InputFormat::GoData, repeated("\"\"", 4) + "0.1 0.2\r\n",
                "line 5: a point line holds"},
        Refused{"OwnFormatSixColumns", InputFormat::LUMOData,
                crlfLines({"LUMO", "t", "6.35", "1", ".1 .2 .3 .4 .5 .6"}), "line 5: a point line"},
        Refused{"NistTooManyPoints", InputFormat::NISTData, repeated("0.1 0.2 0.3", 1025),
                "more than 1024 points"},
        Refused{"NistBeyondSingle", InputFormat::NISTData, "0.1 1E39 0.3\r\n",
                "too large for single precision"},
        Refused{"DrydocShort", InputFormat::DRYDOCData, "5\r\n" + repeated(".1 .2 .3", 3),
                "the file ends after 3 of its 5 announced points"},
        Refused{"DrydocTooMany", InputFormat::DRYDOCData, "2000\r\n", "announces 2000 points"},
        Refused{"DrydocFractionalCount", InputFormat::DRYDOCData, "2.5\r\n", "not a whole number"},
        Refused{"DrydocTwoColumns", InputFormat::DRYDOCData, "2\r\n.1 .2\r\n.3 .4\r\n",
                "line 2: a point line"},
        Refused{"OwnFormatShort", InputFormat::LUMOData, crlfLines({"LUMO", "t", "6.35", "2", ".1 .2 .3"}),
                "ends after 1 of its 2 announced points"},
        Refused{"IsisEmpty", InputFormat::ISISData, "", "holds only 0 items"},
        Refused{"IsisTooFewItems", InputFormat::ISISData, repeated("h", 5), "holds only 5 items"},
        Refused{"IsisTooManyItems", InputFormat::ISISData, repeated("h", 9) + repeated("1 2 3", 514),
                "more than 522 items"},
        Refused{"IsisTextInData", InputFormat::ISISData,
                repeated("h", 9) + crlfLines({"1 2 3", "2 2 3", "x 2 3"}), "line 12: expected a number"},
        // A header line with commas is two items, but the line named is the file's.
        Refused{"IsisShortLine", InputFormat::ISISData,
                "a, b\r\n" + repeated("h", 7) + crlfLines({"1 2 3", "2 2"}),
                "line 10: a point line holds Q, R and dR (and perhaps dQ); this one holds 2"},
        Refused{"IsisBlankDataLine", InputFormat::ISISData, repeated("h", 9) + crlfLines({"1 2 3", "", "3 4 5"}),
                "line 11: a blank line stands among the data lines"},
        Refused{"IllShortRecord", InputFormat::ILLData, crlfLines({"t", "h", "1 2 3 4 5 6 7 8"}),
                "line 3: an ILL data line holds nine numbers; this one holds 8"},
        Refused{"IllNoHeader", InputFormat::ILLData, "title only\r\n", "a second header line"},
        Refused{"GoNoHeader", InputFormat::GoData, repeated("\"\"", 3), "four header lines"},
        Refused{"FitNoLayers", InputFormat::LumoFit, "0\r\n", "whole number from 1 to 20"},
        Refused{"FitOddCurveLine", InputFormat::LumoFit, crlfLines({"1", "0", "1 2 0 3", "1", " .1 .2 .3 "}),
                "this one holds 3 numbers"},
        Refused{"FitCutLine", InputFormat::LumoFit, crlfLines({"1", "0", "1 2 0 3", "2", " .1 .2 ", " .3"}),
                "line 6: a curve line holds Q and R"},
        Refused{"FitNoCurve", InputFormat::LumoFit, crlfLines({"1", "0", "1 2 0 3"}),
                "the file ends before its curve"}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace lumo::converter
