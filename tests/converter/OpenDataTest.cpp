#include "converter/OpenData.h"

#include <gtest/gtest.h>

#include <string>

#include "ConverterTestSupport.h"
#include "TestSupport.h"

namespace lumo::converter {
namespace {

using test::crlfLines;

ConvData read(const std::string& text, InputFormat format, bool keepTitle = false,
              const std::string& title = "Typed") {
  ConvData data;
  data.ConvTitle = title;
  const auto failure = parseConverterInput(text, {format, keepTitle}, data);
  EXPECT_FALSE(failure) << *failure;
  return data;
}

std::string isisHeader() {
  return crlfLines({"Run 12 D2O", "header 2", "header 3", "header 4", "header 5", "header 6",
                    "header 7", "header 8", "header 9"});
}

TEST(OpenDataIsis, GivesBinCentresWithTheCountsOfTheFirstTenLines) {
  std::string text = isisHeader();
  for (int i = 1; i <= 11; ++i)
    text += "  " + std::to_string(0.01 * i) + " " + std::to_string(100 + i) + " " +
            std::to_string(i) + "\r\n";
  const ConvData data = read(text, InputFormat::ISISData);
  ASSERT_EQ(data.ConvNumPoints, 10);
  for (int i = 1; i <= 10; ++i) {
    const float lower = static_cast<float>(0.01 * i), upper = static_cast<float>(0.01 * (i + 1));
    EXPECT_EQ(data.ConvQ[i], (lower + upper) / 2) << i;
    EXPECT_EQ(data.ConvR[i], static_cast<float>(100 + i));
    EXPECT_EQ(data.ConvdR[i], static_cast<float>(i));
  }
  EXPECT_EQ(data.ConvTitle, "Run 12 D2O");
  EXPECT_EQ(read(text, InputFormat::ISISData, true).ConvTitle, "Typed");
}

TEST(OpenDataIsis, ExactlyTenItemsGiveNoPoints) {
  const ConvData data = read(isisHeader() + "0.5 7 2\r\n", InputFormat::ISISData);
  EXPECT_EQ(data.ConvNumPoints, 0);
  EXPECT_EQ(data.ConvQ[1], 0.5f);  // the closing boundary is read, then not used
}

TEST(OpenDataIsis, AHeaderLineWithCommasCountsAsSeveralItems) {
  // Eight header lines, one of them two items: the data still start at item 10.
  const std::string text = crlfLines({"Title, second piece", "h", "h", "h", "h", "h", "h", "h",
                                      "0.1 1 1", "0.3 2 2"});
  const ConvData data = read(text, InputFormat::ISISData);
  EXPECT_EQ(data.ConvTitle, "Title");
  ASSERT_EQ(data.ConvNumPoints, 1);
  EXPECT_EQ(data.ConvQ[1], (0.1f + 0.3f) / 2);
}

TEST(OpenDataIll, TakesColumnsTwoSevenAndEight) {
  const std::string row = "1 2 3 4 5 6 7 8 9";
  const ConvData data = read(crlfLines({"ILL title", "ignored", row, row, row}), InputFormat::ILLData);
  ASSERT_EQ(data.ConvNumPoints, 3);
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(data.ConvQ[i], 2.0f);
    EXPECT_EQ(data.ConvR[i], 7.0f);
    EXPECT_EQ(data.ConvdR[i], 8.0f);
  }
  EXPECT_EQ(data.ConvTitle, "ILL title");
}

TEST(OpenDataNist, ReadsTriplesToTheEndAndLeavesTheTitleAlone) {
  const std::string text = crlfLines({"0.01,0.9,0.05", "0.02 0.5 0.01", "  3E-02 , 1.5E-01,2E-3", ""});
  for (bool keepTitle : {false, true}) {
    const ConvData data = read(text, InputFormat::NISTData, keepTitle);
    ASSERT_EQ(data.ConvNumPoints, 3);
    EXPECT_EQ(data.ConvQ[3], 0.03f);
    EXPECT_EQ(data.ConvR[3], 0.15f);
    EXPECT_EQ(data.ConvdR[3], 0.002f);
    EXPECT_EQ(data.ConvTitle, "Typed");
  }
}

TEST(OpenDataDrydoc, ReadsTheCountedPointsAndTheTitleAfterThem) {
  const std::string text = crlfLines({"3", ".01 .9 .1", ".02 .8 .1", ".03 .7 .1", "\"Drydoc, run 4\""});
  const ConvData data = read(text, InputFormat::DRYDOCData);
  EXPECT_EQ(data.ConvNumPoints, 3);
  EXPECT_EQ(data.ConvR[2], 0.8f);
  EXPECT_EQ(data.ConvTitle, "Drydoc, run 4");
  EXPECT_EQ(read(text, InputFormat::DRYDOCData, true).ConvTitle, "Typed");
}

TEST(OpenDataOwnFormat, TakesTheTitleAndIgnoresMarkerAndSld) {
  const std::string text = crlfLines({"\"ANYTHING\"", "\"Own title\"", "not a number", "2",
                                      " .01  .5  .05", " .02  .25  .02"});
  const ConvData data = read(text, InputFormat::LUMOData);
  EXPECT_EQ(data.ConvNumPoints, 2);
  EXPECT_EQ(data.ConvdR[2], 0.02f);
  EXPECT_EQ(data.ConvTitle, "Own title");
  EXPECT_EQ(data.ConvSLD, 6.35f);
}

TEST(OpenDataModelFile, GivesTheCurveWithTinyErrorsAndAnEmptyTitle) {
  const std::string text = crlfLines({" 2 ", " 3 ", " 10            2.07          0             3 ",
                                      " 20            3.4           25            4 ", " 2 ",
                                      " 1.0000E-02    9.1000E-01 ", " 2.0000E-02    4.5000E-01 "});
  const ConvData data = read(text, InputFormat::LumoFit);
  ASSERT_EQ(data.ConvNumPoints, 2);
  EXPECT_EQ(data.ConvQ[2], 0.02f);
  EXPECT_EQ(data.ConvR[2], 0.45f);
  EXPECT_EQ(data.ConvdR[1], 1e-8f);
  EXPECT_EQ(data.ConvdR[2], 1e-8f);
  EXPECT_EQ(data.ConvTitle, "");
  EXPECT_EQ(read(text, InputFormat::LumoFit, true).ConvTitle, "Typed");
}

TEST(OpenDataModelFile, CurveLinesWithTheMeasuredDataKeepTheirPointsWhole) {
  const std::string text = crlfLines({" 1 ", " 0 ", " 10 2 0 3 ", " 2 ",
                                      " 1.0000E-02    9.1000E-01    9.0000E-01    5.0000E-02 ",
                                      " 2.0000E-02    4.5000E-01    4.4000E-01    2.0000E-02 "});
  const ConvData data = read(text, InputFormat::LumoFit);
  ASSERT_EQ(data.ConvNumPoints, 2);
  EXPECT_EQ(data.ConvQ[2], 0.02f);
  EXPECT_EQ(data.ConvR[2], 0.45f);  // the calculated curve, not the measured data
}

TEST(OpenDataGo, SkipsFourHeaderLinesAndTitlesItTitleQuestion) {
  const std::string text = crlfLines({"1 2 3", "4 5 6", "7 8 9", "\"\"", " .1 .2 .3", " .4 .5 .6"});
  const ConvData data = read(text, InputFormat::GoData);
  ASSERT_EQ(data.ConvNumPoints, 2);
  EXPECT_EQ(data.ConvQ[1], 0.1f);
  EXPECT_EQ(data.ConvdR[2], 0.6f);
  EXPECT_EQ(data.ConvTitle, "Title?");
}

TEST(OpenDataUserDefined, ReadsNothingAndChangesNothing) {
  ConvData data;
  data.ConvNumPoints = 2;
  data.ConvQ[1] = 5;
  data.ConvTitle = "kept";
  EXPECT_FALSE(OpenData("/nonexistent/file.xyz", {InputFormat::UserDefinedData, false}, data));
  EXPECT_EQ(data.ConvNumPoints, 2);
  EXPECT_EQ(data.ConvQ[1], 5);
  EXPECT_EQ(data.ConvTitle, "kept");
}

TEST(OpenDataFile, AMissingFileIsRefused) {
  ConvData data;
  const auto failure = OpenData("/nonexistent/run1.dat", {InputFormat::NISTData, false}, data);
  ASSERT_TRUE(failure);
  EXPECT_NE(failure->find("does not exist"), std::string::npos);
}

struct Refused {
  const char* name;
  InputFormat format;
  std::string text;
  const char* reason;
};

std::string repeated(const std::string& line, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += line + "\r\n";
  return text;
}

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
        Refused{"NistPartialPoint", InputFormat::NISTData, crlfLines({"0.1,0.2,0.3", "0.1,0.2"}),
                "the file ends"},
        Refused{"NistTooManyPoints", InputFormat::NISTData, repeated("0.1 0.2 0.3", 1025),
                "more than 1024 points"},
        Refused{"NistBeyondSingle", InputFormat::NISTData, "0.1 1E39 0.3\r\n",
                "too large for single precision"},
        Refused{"DrydocShort", InputFormat::DRYDOCData, "5\r\n" + repeated(".1 .2 .3", 3),
                "the file ends after 3 of its 5 announced points"},
        Refused{"DrydocTooMany", InputFormat::DRYDOCData, "2000\r\n", "announces 2000 points"},
        Refused{"DrydocFractionalCount", InputFormat::DRYDOCData, "2.5\r\n", "not a whole number"},
        Refused{"DrydocNoTitle", InputFormat::DRYDOCData, "1\r\n.1 .2 .3\r\n", "its title line"},
        Refused{"OwnFormatShort", InputFormat::LUMOData, crlfLines({"LUMO", "t", "6.35", "2", ".1 .2 .3"}),
                "ends after 1 of its 2 announced points"},
        Refused{"IsisEmpty", InputFormat::ISISData, "", "holds only 0 items"},
        Refused{"IsisTooFewItems", InputFormat::ISISData, repeated("h", 5), "holds only 5 items"},
        Refused{"IsisTooManyItems", InputFormat::ISISData, repeated("h", 9) + repeated("1 2 3", 514),
                "more than 522 items"},
        Refused{"IsisTextInData", InputFormat::ISISData,
                repeated("h", 9) + crlfLines({"1 2 3", "2 2 3", "x 2 3"}), "item 12: expected a number"},
        Refused{"IsisShortLine", InputFormat::ISISData, repeated("h", 9) + crlfLines({"1 2 3", "2 2"}),
                "fewer numbers than 2 records need"},
        Refused{"IllShortRecord", InputFormat::ILLData, crlfLines({"t", "h", "1 2 3 4 5 6 7 8"}),
                "fewer numbers than 1 records need"},
        Refused{"IllNoHeader", InputFormat::ILLData, "title only\r\n", "a second header line"},
        Refused{"GoNoHeader", InputFormat::GoData, repeated("\"\"", 3), "four header lines"},
        Refused{"FitNoLayers", InputFormat::LumoFit, "0\r\n", "whole number from 1 to 20"},
        Refused{"FitOddCurveLine", InputFormat::LumoFit, crlfLines({"1", "0", "1 2 0 3", "1", " .1 .2 .3 "}),
                "this one holds 3 numbers"},
        Refused{"FitShortCurve", InputFormat::LumoFit, crlfLines({"1", "0", "1 2 0 3", "2", " .1 .2 "}),
                "ends after 1 of its 2 announced points"}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace lumo::converter
