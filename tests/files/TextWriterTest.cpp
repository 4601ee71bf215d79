#include "files/TextWriter.h"

#include <gtest/gtest.h>

#include "files/TextItemReader.h"

namespace lumo::text {
namespace {

TEST(TextWriter, WriteStyleQuotesStringsAndWritesShortestNumbers) {
  TextWriter w;
  w.writeString("LUMO").endLine().writeString("D2O, run 12").endLine().writeNumber(6.35f).endLine();
  w.writeInteger(161).endLine().writeNumber(0.5).writeString("x").writeInteger(-3).endLine();
  w.writeString("").endLine().writeString("say \"hi\"").endLine();
  w.writeString("two\r\nlines\nor\rthree").endLine();
  // An inner quote would end the item early, a line break would split it.
  EXPECT_EQ(w.text(), "\"LUMO\"\r\n\"D2O, run 12\"\r\n6.35\r\n161\r\n.5,\"x\",-3\r\n\"\"\r\n"
                      "\"say 'hi'\"\r\n\"two lines or three\"\r\n");
}

// A blank before a non-negative number and after every number; tab(n) pads up to column
// n, does nothing at it, and starts a new line past it.
TEST(TextWriter, PrintStyleSignsTrailingBlanksAndTabs) {
  TextWriter w;
  w.printNumber(14.0f).tab(15).printNumber(3.4).tab(30).printInteger(25).tab(45)
      .printNumber(0.0f).endLine();
  w.printNumber(-0.56f).printString("Q").printString(",").printNumber(1.2345e-7f).endLine();
  w.printString("abcd").tab(5).printString("x").endLine();
  w.printString("abcdefghij").tab(5).printString("y").endLine();
  EXPECT_EQ(w.text(), " 14 " + std::string(10, ' ') + " 3.4 " + std::string(10, ' ') + " 25 " +
                          std::string(11, ' ') + " 0 \r\n-.56 Q, 1.2345E-07 \r\n" +
                          "abcdx\r\nabcdefghij\r\n    y\r\n");
}

TEST(TextWriter, PrintedLinesReadBackAsTheSameNumbers) {
  TextWriter w;
  w.printNumber(0.0123456f).tab(20).printNumber(-0.98765432f).tab(40).printNumber(1.2346e-4f)
      .endLine();
  TextItemReader r(w.text());
  for (float expected : {0.0123456f, -0.98765432f, 1.2346e-4f})
    EXPECT_EQ(static_cast<float>(r.readNumber()), expected);
  EXPECT_TRUE(r.atEnd());
}

}  // namespace
}  // namespace lumo::text
