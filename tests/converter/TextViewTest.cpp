#include "converter/TextView.h"

#include <gtest/gtest.h>

#include <chrono>

#include "TestSupport.h"
#include "files/FileText.h"
#include "platform/ScriptedDialogs.h"

namespace lumo::converter {
namespace {

TEST(TextItems, ShowOneRowPerItem) {
  EXPECT_EQ(textItems("0.01,0.5,0.001\r\n"), (std::vector<std::string>{"0.01", "0.5", "0.001"}));
  EXPECT_EQ(textItems("   Run 12 title  \r\n\"quoted\"\r\n"),
            (std::vector<std::string>{"Run 12 title", "quoted"}));
}

class TextViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.write("one.dat", "first\r\n");
    dir.write("two.dat", "second,file\r\n");
  }
  ScriptedDialogs dialogs;
  TextView view{dialogs};
  test::ScratchDir dir;
};

TEST_F(TextViewTest, OneFileOffersNeitherStepNorSecondList) {
  view.open(selectFiles(dir.path().string(), {"one.dat"}));
  EXPECT_EQ(view.upper().items, std::vector<std::string>{"first"});
  EXPECT_EQ(view.upper().name, "one.dat");
  EXPECT_FALSE(view.upper().nextEnabled || view.upper().previousEnabled || view.viewTwoShown());
}

// Stepping one list leaves the other where it was; the second list reopens at the
// first file, where there is nothing before it.
TEST_F(TextViewTest, TheListsStepIndependently) {
  view.open(selectFiles(dir.path().string(), {"one.dat", "two.dat"}));
  EXPECT_TRUE(view.viewTwoShown());
  view.cmdViewTwo_Click();
  EXPECT_TRUE(view.lowerShown() && view.viewOneShown() && !view.viewTwoShown());
  EXPECT_EQ(view.lower().items, std::vector<std::string>{"first"});
  view.cmdNextTwo_Click();
  EXPECT_EQ(view.lower().items, (std::vector<std::string>{"second", "file"}));
  EXPECT_EQ(view.lower().name, "two.dat");
  EXPECT_FALSE(view.lower().nextEnabled);
  EXPECT_TRUE(view.lower().previousEnabled);
  EXPECT_EQ(view.upper().name, "one.dat");
  EXPECT_TRUE(view.upper().nextEnabled);
  view.cmdNext_Click();
  EXPECT_EQ(view.upper().index, 2);
  view.cmdPrevious_Click();
  EXPECT_EQ(view.upper().index, 1);
  EXPECT_FALSE(view.upper().previousEnabled);

  view.cmdViewOne_Click();
  EXPECT_FALSE(view.lowerShown());
  view.cmdViewTwo_Click();
  EXPECT_EQ(view.lower().index, 1);
  EXPECT_FALSE(view.lower().previousEnabled);
  EXPECT_TRUE(view.lower().nextEnabled);
  view.cmdPreviousTwo_Click();
  EXPECT_EQ(view.lower().index, 1);
}

// A file beyond the size of any reflectivity file still shows its first 1025 items, and
// a run of megabytes of blank lines among them is read in linear time.
TEST_F(TextViewTest, LargeFilesShowTheirFirstItems) {
  std::string numbers;
  for (int i = 0; i < 1100; ++i) numbers += std::to_string(i) + "\r\n";
  dir.write("large.dat", numbers + std::string(text::kMaxTextFileBytes, 'x'));
  dir.write("blanks.dat", "first\r\n" + std::string(8u << 20, '\n') + "last\r\n");
  const auto start = std::chrono::steady_clock::now();
  view.open(selectFiles(dir.path().string(), {"large.dat", "blanks.dat"}));
  ASSERT_EQ(view.upper().items.size(), 1025u);
  EXPECT_EQ(view.upper().items.back(), "1024");
  view.cmdNext_Click();
  ASSERT_EQ(view.upper().items.size(), 1025u);
  EXPECT_EQ(view.upper().items.front(), "first");
  // Linear reading takes well under a second, reading to the end at every item minutes.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(TextViewTest, AFileThatCannotBeReadIsReportedAndShowsNothing) {
  view.open(selectFiles(dir.path().string(), {"gone.dat"}));
  EXPECT_TRUE(view.upper().items.empty());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text.rfind("Error Opening File!\n\n", 0), 0u);
}

}  // namespace
}  // namespace lumo::converter
