#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "converter/ConverterState.h"
#include "converter/CurveSaving.h"
#include "platform/ScriptedDialogs.h"

namespace lumo::converter {
namespace {

const std::string kThreePoints = "0.01,0.5,0.01\r\n0.02,0.25,0.005\r\n0.03,0,0.001\r\n";

class CurveSavingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.write("a.dat", kThreePoints);
    dir.write("b.dat", "0.1,1e-3,1e-4\r\n");
  }
  // Plots the files as NIST data (and adds the curve of selected file `add`), then as
  // "User Defined", which reads nothing and so shows the working data: the points of
  // the file read last, under its name.
  PlotView& plotted(std::vector<std::string> names, int add = 0) {
    state.inputFormat = InputFormat::NISTData;
    state.cmdPlot_Click(dir.path().string(), names);
    state.plotView().tools().SSCAddPlot_Click();
    state.plotView().tools().cmdAddPlot_Click(add - 1);
    state.inputFormat = InputFormat::UserDefinedData;
    state.cmdPlot_Click(dir.path().string(), names);
    return state.plotView();
  }
  std::vector<std::string> messageTexts() const {
    std::vector<std::string> texts;
    for (const Message& m : dialogs.messages) texts.push_back(m.text);
    return texts;
  }
  test::ScratchDir dir;
  ScriptedDialogs dialogs;
  ConverterState state{dialogs};
};

// The layout: three lines of two double quotes, the count and the point lines; a scale
// of 2 doubles R and the error; log Y on, the values are still linear, and the zero
// reflectivity stays 0 (it used to be saved as 1).
TEST_F(CurveSavingTest, SavesTheCorrectedCurveLinearIntoANewFile) {
  PlotView& v = plotted({"a.dat"});
  ASSERT_TRUE(v.saveEnabled());
  v.tools().txtScaleFactor = "2";
  v.tools().cmdScaleFactorOK_Click();
  v.setSwitch(PlotSwitch::SSRLogY, true);
  dialogs.queueFile(dir.file("a-corrected.VLD"));
  v.SSCSavePlot_Click();
  ASSERT_EQ(dialogs.requests.size(), 1u);
  EXPECT_TRUE(dialogs.requests[0].save);
  EXPECT_EQ(dialogs.requests[0].fileName, dir.file("a.VLD"));
  EXPECT_EQ(messageTexts(), std::vector<std::string>{"File Saved!"});
  EXPECT_EQ(test::readBytes(dir.file("a-corrected.VLD")),
            "\"\"\r\n\"\"\r\n\"\"\r\n3\r\n"
            " .01                1                   .02 \r\n"
            " .02                .5                  .01 \r\n"
            " .03                0                   .002 \r\n");
  EXPECT_EQ(test::readBytes(dir.file("a.dat")), kThreePoints);
}

// The source file is never replaced; an existing file is replaced only after a Yes.
TEST_F(CurveSavingTest, NeverReplacesASourceAndAsksBeforeReplacingAFile) {
  PlotView& v = plotted({"a.dat", "b.dat"}, 2);
  EXPECT_EQ(v.txtPlotName, "b.dat");  // the points shown are b.dat's
  EXPECT_EQ(v.store().curve(1).PlotCount, 1);
  v.tools().SSCAddPlot_Click();
  v.tools().cmdAddPlot_Click(0);  // "User Defined": the same points once more
  dir.write("old.VLD", "old");
  dialogs.queueFile(dir.file("b.dat"));    // the curves' source
  dialogs.queueFile(dir.file("old.VLD"));  // exists: No
  dialogs.queueAnswer(MessageAnswer::No);
  dialogs.queueFile(dir.file("old.VLD"));  // Yes
  dialogs.queueAnswer(MessageAnswer::Yes);
  dialogs.queueFile(dir.file("old.VLD"));  // already chosen for curve 1
  dialogs.queueFile(dir.file("new.VLD"));
  v.SSCSavePlot_Click();
  EXPECT_TRUE(dialogs.scriptUsedUp());
  ASSERT_EQ(dialogs.messages.size(), 6u);
  EXPECT_EQ(dialogs.requests[0].fileName, dir.file("b.VLD"));
  EXPECT_NE(dialogs.messages[0].text.find("is the file curve 1 was read from"), std::string::npos);
  EXPECT_NE(dialogs.messages[3].text.find("is already chosen for curve 1"), std::string::npos);
  EXPECT_EQ(dialogs.messages[4].text, "File Saved!");
  EXPECT_EQ(dialogs.messages[5].text, "File Saved!");
  EXPECT_EQ(test::readBytes(dir.file("b.dat")), "0.1,1e-3,1e-4\r\n");
  EXPECT_EQ(test::readBytes(dir.file("old.VLD")).substr(0, 12), "\"\"\r\n\"\"\r\n\"\"\r\n");
  EXPECT_TRUE(std::filesystem::exists(dir.file("new.VLD")));
}

TEST_F(CurveSavingTest, CancelWritesNothingAndAFailureNamesTheFile) {
  PlotView& v = plotted({"a.dat", "b.dat"});
  v.tools().SSCAddPlot_Click();
  v.tools().cmdAddPlot_Click(0);
  dialogs.queueFile(dir.file("one.VLD"));
  dialogs.queueCancel();
  v.SSCSavePlot_Click();
  EXPECT_FALSE(std::filesystem::exists(dir.file("one.VLD")));
  EXPECT_TRUE(dialogs.messages.empty());

  const std::string missing = dir.file("no-such-folder/two.VLD");
  dialogs.queueFile(missing);
  dialogs.queueFile(dir.file("three.VLD"));
  v.SSCSavePlot_Click();
  ASSERT_EQ(dialogs.messages.size(), 1u);  // the save ends at the first failure
  EXPECT_EQ(dialogs.messages[0].text.rfind("Error Saving File!\n\n" + missing, 0), 0u);
  EXPECT_FALSE(std::filesystem::exists(dir.file("three.VLD")));
}

TEST_F(CurveSavingTest, OnlyUserDefinedInputSavesAndTheNameOfferedIsNeverTheSource) {
  state.inputFormat = InputFormat::NISTData;
  state.cmdPlot_Click(dir.path().string(), {"a.dat"});
  EXPECT_FALSE(state.plotView().saveEnabled());
  state.plotView().SSCSavePlot_Click();
  EXPECT_TRUE(dialogs.requests.empty());
  EXPECT_EQ(proposedCurvePath("/d/run.VLD"), "/d/run_corrected.VLD");
  EXPECT_EQ(proposedCurvePath("/d/run.asc"), "/d/run.VLD");
}

}  // namespace
}  // namespace lumo::converter
