#include "files/TextItemReader.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace lumo::text {
namespace {

std::vector<std::string> allStrings(const std::string& text) {
  TextItemReader r(text);
  std::vector<std::string> items;
  while (!r.atEnd()) items.push_back(r.readString());
  return items;
}

TEST(TextItemReader, StringItemsEndAtCommasAndLineEnds) {
  using V = std::vector<std::string>;
  EXPECT_EQ(allStrings("  hello world  \r\nnext"), (V{"hello world", "next"}));
  EXPECT_EQ(allStrings("a,b , c\n"), (V{"a", "b", "c"}));
  EXPECT_EQ(allStrings("\"LUMO\"\r\n\"a, b\"\r\n"), (V{"LUMO", "a, b"}));
  EXPECT_EQ(allStrings("\"q\" trailing,x\r"), (V{"q", "x"}));
  EXPECT_EQ(allStrings("first\r\n\r\nthird"), (V{"first", "", "third"}));
  EXPECT_EQ(allStrings("\"\"\r\n\"\""), (V{"", ""}));
  EXPECT_EQ(allStrings("\"unclosed, still one item\r\nx"), (V{"unclosed, still one item", "x"}));
}

TEST(TextItemReader, LineEndsLfCrLfCrAndMissingLastLineEnd) {
  for (const std::string eol : {"\n", "\r\n", "\r"}) {
    const std::string text = "1 2" + eol + "3,4" + eol + "5";
    TextItemReader r(text);
    std::vector<double> v;
    while (!r.atEnd()) v.push_back(r.readNumber());
    EXPECT_EQ(v, (std::vector<double>{1, 2, 3, 4, 5})) << "line end of " << eol.size() << " chars";
  }
}

TEST(TextItemReader, NumbersInEveryNotation) {
  TextItemReader r("1.5E-03 -2 +.5 5. 1e2 2.5D+01 0.012345,\t-0.001 1e-400");
  for (double expected : {1.5e-3, -2.0, 0.5, 5.0, 100.0, 25.0, 0.012345, -0.001, 0.0})
    EXPECT_EQ(r.readNumber(), expected);  // an underflow reads as zero
  EXPECT_TRUE(r.atEnd());
}

// A number consumes its line end, so the string after it is the next line's; trailing
// blank lines are the end of the file.
TEST(TextItemReader, StringsAfterNumbersAndTrailingBlankLines) {
  TextItemReader r("3\r\n0.1 0.2 0.3\r\nMy title, with comma\r\n7\r\n\r\n   \r\n\t\n");
  for (double expected : {3.0, 0.1, 0.2, 0.3}) EXPECT_EQ(r.readNumber(), expected);
  EXPECT_EQ(r.readString(), "My title");
  EXPECT_EQ(r.readString(), "with comma");
  EXPECT_EQ(r.readNumber(), 7);
  EXPECT_TRUE(r.atEnd());
  EXPECT_THROW(r.readNumber(), ReadError);
  EXPECT_THROW(r.readString(), ReadError);
}

TEST(TextItemReader, RefusesWhatIsNotANumberAndNamesTheLine) {
  for (const std::string bad : {"abc", "inf", "nan", "0x10", "1e", "--1", ".", "1.0abc", "1e999",
                                "1,,2"}) {
    const std::string text = "0\r\n" + bad + "\r\n";
    TextItemReader r(text);
    r.readNumber();
    try {
      r.readNumber();
      if (bad == "1,,2") r.readNumber();
      ADD_FAILURE() << "accepted " << bad;
    } catch (const ReadError& e) {
      EXPECT_EQ(e.line(), 2) << bad;
      EXPECT_NE(std::string(e.what()).find("line 2"), std::string::npos);
    }
  }
}

TEST(TextItemReader, WholeNumbersWithinLimits) {
  TextItemReader r("20 21 2.5 -1 9223372036854775807 -9223372036854775808 1e300");
  EXPECT_EQ(r.readInteger(1, 20), 20);
  EXPECT_THROW(r.readInteger(1, 20), ReadError);
  EXPECT_THROW(r.readInteger(1, 20), ReadError);
  EXPECT_EQ(r.readInteger(-5, 5), -1);
  // 2^63 as a double is beyond long, whatever the limit asks for.
  EXPECT_THROW(r.readInteger(0, LONG_MAX), ReadError);
  EXPECT_EQ(r.readInteger(LONG_MIN, 0), LONG_MIN);
  EXPECT_THROW(r.readInteger(LONG_MIN, LONG_MAX), ReadError);
}

// Rows of numbers end at the line end; blank lines before a row are skipped and the row's
// own line is returned.
TEST(TextItemReader, NumberRowsKeepToTheirLines) {
  TextItemReader r("1 2 3\r\n\r\n  4,5 , 6,\r\n7\n8 9,,1\n");
  std::vector<double> row;
  EXPECT_EQ(r.readNumberRow(row), 1);
  EXPECT_EQ(row, (std::vector<double>{1, 2, 3}));
  EXPECT_EQ(r.readNumberRow(row), 3);
  EXPECT_EQ(row, (std::vector<double>{4, 5, 6}));
  EXPECT_EQ(r.readNumberRow(row), 4);
  EXPECT_EQ(row, std::vector<double>{7});
  EXPECT_THROW(r.readNumberRow(row), ReadError);  // an empty item between two commas
}

}  // namespace
}  // namespace lumo::text
