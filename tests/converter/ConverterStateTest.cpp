#include "converter/ConverterState.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "platform/ScriptedDialogs.h"

namespace lumo::converter {
namespace {

const std::string kConfirmStart = "You have selected\n\n";

OutputSelection ticked(std::initializer_list<OutputFormat> formats) {
  OutputSelection outputs;
  for (OutputFormat f : formats) outputs.set(f, true);
  return outputs;
}

TEST(ConfirmMessage, NamesTheInputAndEveryTickedOutput) {
  using F = OutputFormat;
  EXPECT_EQ(confirmMessage(InputFormat::NISTData, ticked({F::Lumo})),
            kConfirmStart + "Data Input  : NIST Data\nData Output: LUMO");
  EXPECT_EQ(confirmMessage(InputFormat::NISTData, ticked({F::Lumo, F::Excel})),
            kConfirmStart + "Data Input  : NIST Data\nData Output: LUMO and EXCEL");
  EXPECT_EQ(confirmMessage(InputFormat::ILLData, ticked({F::Lumo, F::DRYDOC, F::Excel})),
            kConfirmStart + "Data Input : ILL Data\nData Output: LUMO, DRYDOC and EXCEL");
  EXPECT_EQ(confirmMessage(InputFormat::ISISData, {}),
            kConfirmStart + "Data Input  : ISIS Data (Histogrammed)");
}

TEST(ConfirmMessage, WarnsThatGoReplacesDrydoc) {
  using F = OutputFormat;
  EXPECT_EQ(confirmMessage(InputFormat::UserDefinedData, ticked({F::Lumo, F::DRYDOC, F::Excel, F::GO})),
            kConfirmStart + "Data Input : User Defined\nData Output: LUMO, DRYDOC, EXCEL and GO"
                            "\n\nDRYDOC and GO files both end in \".DAT\": each GO file replaces "
                            "the DRYDOC file of the same name.");
}

class ConverterStateTest : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
  ConverterState state{dialogs};
  test::ScratchDir dir;
};

TEST_F(ConverterStateTest, StartsWithIsisInputLumoOutputAndDeletingOff) {
  EXPECT_EQ(state.inputFormat, InputFormat::ISISData);
  EXPECT_TRUE(state.outputs[OutputFormat::Lumo]);
  EXPECT_FALSE(state.outputs[OutputFormat::GO]);
  EXPECT_EQ(state.txtSLD, "6.35");
  EXPECT_EQ(state.txtTitle, "");
  EXPECT_FALSE(state.deletingEnabled());
  EXPECT_FALSE(state.statusVisible());
}

TEST_F(ConverterStateTest, NothingSelectedDoesNothingAndSaysNothing) {
  EXPECT_FALSE(state.cmdConvert_Click(dir.path().string(), {}));
  state.mnuEnableDeleting_Click();
  EXPECT_FALSE(state.cmdDelete_Click(dir.path().string(), {}));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ConverterStateTest, MixedCaseExtensionsAskOnceThenSkipTheFormatQuestion) {
  dialogs.queueAnswer(MessageAnswer::Yes);  // different extensions: continue
  dialogs.queueAnswer(MessageAnswer::No);   // confirmation: stop
  state.cmdConvert_Click(dir.path().string(), {"a.asc", "b.ASC"});
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[0].text,
            "You have selected files with different extensions.\n\nWould you like to continue?");
  EXPECT_EQ(dialogs.messages[0].title, "");
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Question);
  EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(dialogs.messages[1].text.rfind(kConfirmStart, 0), 0u);
}

TEST_F(ConverterStateTest, NoToDifferentExtensionsStopsBeforeAnyFileIsTouched) {
  dialogs.queueAnswer(MessageAnswer::No);
  EXPECT_FALSE(state.cmdConvert_Click(dir.path().string(), {"a.asc", "b.dat"}));
  EXPECT_EQ(dialogs.messages.size(), 1u);
  EXPECT_FALSE(state.continueConversion());
  EXPECT_FALSE(state.statusVisible());
}

TEST_F(ConverterStateTest, AnUnexpectedExtensionAsksTheOptionsQuestion) {
  state.inputFormat = InputFormat::LumoFit;
  state.cmdConvert_Click(dir.path().string(), {"model.dat"});
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            "You have selected Lumo Fits, but the files are not '*.fit', would you like to continue?");
  EXPECT_FALSE(state.continueConversion());
}

TEST_F(ConverterStateTest, UserDefinedExpectsNoExtension) {
  state.inputFormat = InputFormat::UserDefinedData;
  state.cmdConvert_Click(dir.path().string(), {"anything.xyz"});
  ASSERT_EQ(dialogs.messages.size(), 1u);  // only the confirmation
  EXPECT_EQ(dialogs.messages[0].text, kConfirmStart + "Data Input : User Defined\nData Output: LUMO");
}

TEST_F(ConverterStateTest, ARunConvertsShowsFinishedAndReportsFailures) {
  dir.write("good.asc", "h\r\nh\r\nh\r\nh\r\nh\r\nh\r\nh\r\nh\r\nh\r\n.1 5 1\r\n.3 6 1\r\n");
  dir.write("bad.asc", "short\r\n");
  std::vector<std::string> captions;
  state.statusChanged = [&] { captions.push_back(state.statusCaption()); };
  dialogs.queueAnswer(MessageAnswer::Yes);
  EXPECT_TRUE(state.cmdConvert_Click(dir.path().string(), {"bad.asc", "good.asc"}));
  EXPECT_EQ(captions, (std::vector<std::string>{"WORKING", "FINISHED"}));
  EXPECT_TRUE(state.statusVisible());
  EXPECT_TRUE(std::filesystem::exists(dir.file("good.VLD")));
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[1].text.rfind("1 of the 2 files was not converted:\n\nbad.asc: ", 0), 0u)
      << dialogs.messages[1].text;
  EXPECT_EQ(state.workingData().ConvTitle, "h");
}

TEST_F(ConverterStateTest, ABadSldStopsTheRunOnlyWhenTheOwnFormatIsWritten) {
  dir.write("a.dat", ".1 .2 .3\r\n");
  state.inputFormat = InputFormat::NISTData;
  state.txtSLD = "six";
  EXPECT_FALSE(state.cmdConvert_Click(dir.path().string(), {"a.dat"}));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "The Scattering Length Density \"six\" is not a number.");
  state.outputs = ticked({OutputFormat::Excel});
  dialogs.queueAnswer(MessageAnswer::Yes);
  EXPECT_TRUE(state.cmdConvert_Click(dir.path().string(), {"a.dat"}));
  EXPECT_TRUE(std::filesystem::exists(dir.file("a.CSV")));
}

TEST_F(ConverterStateTest, TooManySelectedFilesAreRefusedWithAMessage) {
  const std::vector<std::string> names(1025, "x.asc");
  EXPECT_FALSE(state.cmdConvert_Click(dir.path().string(), names));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "You have selected 1025 files; at most 1024 can be used at once.");
}

TEST_F(ConverterStateTest, ADriveRootGivesNoDoubledSeparator) {
  state.cmdViewText_Click("/", {"etc"});
  EXPECT_EQ(state.selection().FullName[1], "/etc");
  EXPECT_EQ(joinFolder("/data", "a.asc"), "/data/a.asc");
}

TEST_F(ConverterStateTest, DeletingAsksAndDeletesOnlyWhenEnabled) {
  dir.write("a.dat", "x");
  dir.write("b.dat", "y");
  EXPECT_FALSE(state.cmdDelete_Click(dir.path().string(), {"a.dat"}));
  state.mnuEnableDeleting_Click();
  EXPECT_TRUE(state.deletingEnabled());
  dialogs.queueAnswer(MessageAnswer::No);
  state.cmdDelete_Click(dir.path().string(), {"a.dat", "b.dat"});
  EXPECT_TRUE(std::filesystem::exists(dir.file("a.dat")));
  EXPECT_EQ(dialogs.messages.back().text, "Are You Sure ?");
  EXPECT_EQ(dialogs.messages.back().title, "Delete Selected Files");
  EXPECT_EQ(dialogs.messages.back().icon, MessageIcon::Exclamation);
  dialogs.queueAnswer(MessageAnswer::Yes);
  EXPECT_TRUE(state.cmdDelete_Click(dir.path().string(), {"a.dat", "b.dat"}));
  EXPECT_FALSE(std::filesystem::exists(dir.file("a.dat")));
  EXPECT_FALSE(std::filesystem::exists(dir.file("b.dat")));
  state.mnuEnableDeleting_Click();
  EXPECT_FALSE(state.deletingEnabled());
}

TEST_F(ConverterStateTest, TheTextViewHidesTheStatusAndReturnKeepsItHidden) {
  dir.write("a.dat", ".1 .2 .3\r\n");
  state.inputFormat = InputFormat::NISTData;
  dialogs.queueAnswer(MessageAnswer::Yes);
  state.cmdConvert_Click(dir.path().string(), {"a.dat"});
  EXPECT_TRUE(state.statusVisible());
  state.cmdViewText_Click(dir.path().string(), {"a.dat"});
  EXPECT_EQ(state.view(), ConverterView::Text);
  EXPECT_FALSE(state.statusVisible());
  state.cmdReturn_Click();
  EXPECT_EQ(state.view(), ConverterView::Conversion);
  EXPECT_FALSE(state.statusVisible());
}

TEST(FileListing, MatchesPatternsWithoutCaseAndStarDotStarMatchesEverything) {
  EXPECT_TRUE(matchesPattern("RUN1.ASC", "*.asc"));
  EXPECT_TRUE(matchesPattern("run1.asc", "*.ASC"));
  EXPECT_FALSE(matchesPattern("run1.asc.bak", "*.asc"));
  EXPECT_TRUE(matchesPattern("README", "*.*"));
  EXPECT_TRUE(matchesPattern("a.csv", "*.dat; *.csv"));
  EXPECT_TRUE(matchesPattern("run12.dat", "run??.*"));
  EXPECT_FALSE(matchesPattern("run1.dat", "run??.*"));
}

TEST(FileListing, ListsMatchingFilesSortedWithoutCase) {
  test::ScratchDir dir;
  dir.write("b.dat", "");
  dir.write("A.dat", "");
  dir.write("c.asc", "");
  std::filesystem::create_directory(dir.file("sub.dat"));
  EXPECT_EQ(listFiles(dir.path().string(), "*.dat"), (std::vector<std::string>{"A.dat", "b.dat"}));
  EXPECT_EQ(listFiles(dir.path().string(), "*.*").size(), 3u);
  EXPECT_TRUE(listFiles(dir.file("missing"), "*.*").empty());
}

}  // namespace
}  // namespace lumo::converter
