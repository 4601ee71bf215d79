#include "files/TextWriter.h"

#include <gtest/gtest.h>

#include "files/TextItemReader.h"

namespace lumo::text {
namespace {

TEST(TextWriter, WriteStyleQuotesStringsAndWritesShortestNumbers) {
  TextWriter w;
  w.writeString("LUMO").endLine();
  w.writeString("D2O, run 12").endLine();
  w.writeNumber(6.35f).endLine();
  w.writeInteger(161).endLine();
  w.writeNumber(0.5).writeString("x").writeInteger(-3).endLine();
  w.writeString("").endLine();
  EXPECT_EQ(w.text(), "\"LUMO\"\r\n\"D2O, run 12\"\r\n6.35\r\n161\r\n.5,\"x\",-3\r\n\"\"\r\n");
}

TEST(TextWriter, WriteStyleKeepsAQuotedItemWhole) {
  TextWriter w;
  w.writeString("say \"hi\"").endLine();
  TextItemReader r(w.text());
  EXPECT_EQ(r.readString(), "say 'hi'");
  EXPECT_TRUE(r.atEnd());
}

TEST(TextWriter, PrintStyleSignPositionTrailingBlankAndTabs) {
  TextWriter w;
  w.printNumber(14.0f).tab(15).printNumber(3.4).tab(30).printInteger(25).tab(45)
      .printNumber(0.0f).endLine();
  EXPECT_EQ(w.text(), " 14 " + std::string(10, ' ') + " 3.4 " + std::string(10, ' ') +
                          " 25 " + std::string(11, ' ') + " 0 \r\n");
}

TEST(TextWriter, PrintStyleNegativeNumbersAndStrings) {
  TextWriter w;
  w.printNumber(-0.56f).printString("Q").printString(",").printNumber(1.2345e-7f).endLine();
  EXPECT_EQ(w.text(), "-.56 Q, 1.2345E-07 \r\n");
}

TEST(TextWriter, TabAtOrBeforeTheCurrentColumn) {
  TextWriter w;
  w.printString("abcd").tab(5).printString("x").endLine();  // already at column 5
  w.printString("abcdefghij").tab(5).printString("y").endLine();  // past it: new line
  w.tab(2).printNumber(1.0f).endLine();
  EXPECT_EQ(w.text(), "abcdx\r\nabcdefghij\r\n    y\r\n  1 \r\n");
}

TEST(TextWriter, PrintedLinesReadBackAsTheSameNumbers) {
  TextWriter w;
  w.printNumber(0.0123456f).tab(20).printNumber(-0.98765432f).tab(40).printNumber(1.2346e-4f)
      .endLine();
  TextItemReader r(w.text());
  EXPECT_EQ(static_cast<float>(r.readNumber()), 0.0123456f);
  EXPECT_EQ(static_cast<float>(r.readNumber()), -0.98765432f);
  EXPECT_EQ(static_cast<float>(r.readNumber()), 1.2346e-4f);
  EXPECT_TRUE(r.atEnd());
}

}  // namespace
}  // namespace lumo::text
