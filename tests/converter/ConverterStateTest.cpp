#include "converter/ConverterState.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

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

// One, two and four outputs; with DRYDOC and GO both ticked the user learns that one
// file replaces the other.
TEST(ConfirmMessage, NamesTheInputAndEveryTickedOutput) {
  using F = OutputFormat;
  const std::tuple<InputFormat, OutputSelection, std::string> cases[] = {
      {InputFormat::NISTData, ticked({F::Lumo}), "Data Input  : NIST Data\nData Output: LUMO"},
      {InputFormat::NISTData, ticked({F::Lumo, F::Excel}),
       "Data Input  : NIST Data\nData Output: LUMO and EXCEL"},
      {InputFormat::ILLData, ticked({F::Lumo, F::DRYDOC, F::Excel}),
       "Data Input : ILL Data\nData Output: LUMO, DRYDOC and EXCEL"},
      {InputFormat::ISISData, {}, "Data Input  : ISIS Data (Histogrammed)"},
      {InputFormat::UserDefinedData, ticked({F::Lumo, F::DRYDOC, F::Excel, F::GO}),
       "Data Input : User Defined\nData Output: LUMO, DRYDOC, EXCEL and GO\n\nDRYDOC and GO files "
       "both end in \".DAT\": each GO file replaces the DRYDOC file of the same name."}};
  for (const auto& [input, outputs, text] : cases)
    EXPECT_EQ(confirmMessage(input, outputs), kConfirmStart + text);
}

class ConverterStateTest : public ::testing::Test {
 protected:
  std::string folder() const { return dir.path().string(); }
  ScriptedDialogs dialogs;
  ConverterState state{dialogs};
  test::ScratchDir dir;
};

TEST_F(ConverterStateTest, NothingSelectedDoesNothingAndSaysNothing) {
  EXPECT_FALSE(state.cmdConvert_Click(folder(), {}));
  state.mnuEnableDeleting_Click();
  EXPECT_FALSE(state.cmdDelete_Click(folder(), {}));
  EXPECT_TRUE(dialogs.messages.empty());
}

// Extensions differing only in case are different; after "Yes" the format question is
// not asked, only the confirmation. "No" stops before any file is touched.
TEST_F(ConverterStateTest, DifferentExtensionsAskWhetherToContinue) {
  EXPECT_FALSE(state.cmdConvert_Click(folder(), {"a.asc", "b.dat"}));
  EXPECT_EQ(dialogs.messages.size(), 1u);
  EXPECT_FALSE(state.continueConversion());
  EXPECT_FALSE(state.statusVisible());
  dialogs.queueAnswer(MessageAnswer::Yes);
  state.cmdConvert_Click(folder(), {"a.asc", "b.ASC"});
  ASSERT_EQ(dialogs.messages.size(), 3u);
  EXPECT_EQ(dialogs.messages[1].text,
            "You have selected files with different extensions.\n\nWould you like to continue?");
  EXPECT_EQ(dialogs.messages[1].title, "");
  EXPECT_EQ(dialogs.messages[1].icon, MessageIcon::Question);
  EXPECT_EQ(dialogs.messages[1].buttons, MessageButtons::YesNo);
  EXPECT_EQ(dialogs.messages[2].text.rfind(kConfirmStart, 0), 0u);
}

// An extension the input option does not expect asks the option's question; "User
// Defined" expects none and goes straight to the confirmation.
TEST_F(ConverterStateTest, TheExtensionQuestionDependsOnTheInputOption) {
  state.inputFormat = InputFormat::LumoFit;
  state.cmdConvert_Click(folder(), {"model.dat"});
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            "You have selected Lumo Fits, but the files are not '*.fit', would you like to continue?");
  EXPECT_FALSE(state.continueConversion());
  state.inputFormat = InputFormat::UserDefinedData;
  state.cmdConvert_Click(folder(), {"anything.xyz"});
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[1].text, kConfirmStart + "Data Input : User Defined\nData Output: LUMO");
}

// A run shows WORKING then FINISHED and names the failures; the text view hides the
// status, and returning keeps it hidden.
TEST_F(ConverterStateTest, ARunConvertsShowsFinishedAndReportsFailures) {
  dir.write("good.asc", "h\r\nh\r\nh\r\nh\r\nh\r\nh\r\nh\r\nh\r\nh\r\n.1 5 1\r\n.3 6 1\r\n");
  dir.write("bad.asc", "short\r\n");
  std::vector<std::string> captions;
  state.statusChanged = [&] { captions.push_back(state.statusCaption()); };
  dialogs.queueAnswer(MessageAnswer::Yes);
  EXPECT_TRUE(state.cmdConvert_Click(folder(), {"bad.asc", "good.asc"}));
  EXPECT_EQ(captions, (std::vector<std::string>{"WORKING", "FINISHED"}));
  EXPECT_TRUE(state.statusVisible());
  EXPECT_TRUE(std::filesystem::exists(dir.file("good.VLD")));
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[1].text.rfind("1 of the 2 files was not converted:\n\nbad.asc: ", 0), 0u)
      << dialogs.messages[1].text;
  EXPECT_EQ(state.workingData().ConvTitle, "h");

  state.cmdViewText_Click(folder(), {"good.asc"});
  EXPECT_EQ(state.view(), ConverterView::Text);
  EXPECT_FALSE(state.statusVisible());
  state.cmdReturn_Click();
  EXPECT_EQ(state.view(), ConverterView::Conversion);
  EXPECT_FALSE(state.statusVisible());
}

TEST_F(ConverterStateTest, ABadSldStopsTheRunOnlyWhenTheOwnFormatIsWritten) {
  dir.write("a.dat", ".1 .2 .3\r\n");
  state.inputFormat = InputFormat::NISTData;
  state.txtSLD = "six";
  EXPECT_FALSE(state.cmdConvert_Click(folder(), {"a.dat"}));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "The Scattering Length Density \"six\" is not a number.");
  state.outputs = ticked({OutputFormat::Excel});
  dialogs.queueAnswer(MessageAnswer::Yes);
  EXPECT_TRUE(state.cmdConvert_Click(folder(), {"a.dat"}));
  EXPECT_TRUE(std::filesystem::exists(dir.file("a.CSV")));
}

TEST_F(ConverterStateTest, TooManySelectedFilesAreRefusedWithAMessage) {
  EXPECT_FALSE(state.cmdConvert_Click(folder(), std::vector<std::string>(1025, "x.asc")));
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
  EXPECT_FALSE(state.cmdDelete_Click(folder(), {"a.dat"}));
  state.mnuEnableDeleting_Click();
  EXPECT_TRUE(state.deletingEnabled());
  state.cmdDelete_Click(folder(), {"a.dat", "b.dat"});  // answered "No"
  EXPECT_TRUE(std::filesystem::exists(dir.file("a.dat")));
  EXPECT_EQ(dialogs.messages.back().text, "Are You Sure ?");
  EXPECT_EQ(dialogs.messages.back().title, "Delete Selected Files");
  EXPECT_EQ(dialogs.messages.back().icon, MessageIcon::Exclamation);
  dialogs.queueAnswer(MessageAnswer::Yes);
  EXPECT_TRUE(state.cmdDelete_Click(folder(), {"a.dat", "b.dat"}));
  EXPECT_FALSE(std::filesystem::exists(dir.file("a.dat")));
  EXPECT_FALSE(std::filesystem::exists(dir.file("b.dat")));
  state.mnuEnableDeleting_Click();
  EXPECT_FALSE(state.deletingEnabled());
}

TEST(FileListing, MatchesPatternsWithoutCaseAndStarDotStarMatchesEverything) {
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"RUN1.ASC", "*.asc", true},      {"run1.asc", "*.ASC", true},
      {"run1.asc.bak", "*.asc", false}, {"README", "*.*", true},
      {"a.csv", "*.dat; *.csv", true},  {"run12.dat", "run??.*", true},
      {"run1.dat", "run??.*", false}};
  for (const auto& [name, pattern, matches] : cases)
    EXPECT_EQ(matchesPattern(name, pattern), matches) << name << " " << pattern;
  test::ScratchDir dir;
  for (const char* name : {"b.dat", "A.dat", "c.asc"}) dir.write(name, "");
  std::filesystem::create_directory(dir.file("sub.dat"));
  EXPECT_EQ(listFiles(dir.path().string(), "*.dat"), (std::vector<std::string>{"A.dat", "b.dat"}));
  EXPECT_EQ(listFiles(dir.path().string(), "*.*").size(), 3u);
  EXPECT_TRUE(listFiles(dir.file("missing"), "*.*").empty());
}

}  // namespace
}  // namespace lumo::converter
