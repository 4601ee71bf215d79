#include "files/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "files/TextItemReader.h"

namespace lumo::text {
namespace {

TEST(ShortestText, PlainFormHasNoLeadingZero) {
  EXPECT_EQ(shortestSingle(0.5f), ".5");
  EXPECT_EQ(shortestSingle(-0.5f), "-.5");
  EXPECT_EQ(shortestSingle(6.35f), "6.35");
  EXPECT_EQ(shortestSingle(-0.56f), "-.56");
  EXPECT_EQ(shortestSingle(14.0f), "14");
  EXPECT_EQ(shortestSingle(100.0f), "100");
  EXPECT_EQ(shortestSingle(0.0f), "0");
  EXPECT_EQ(shortestSingle(-0.0f), "0");
  EXPECT_EQ(shortestSingle(0.012345f), ".012345");
  EXPECT_EQ(shortestSingle(0.001f), ".001");
  EXPECT_EQ(shortestDouble(3.4), "3.4");
  EXPECT_EQ(shortestDouble(0.1), ".1");
  EXPECT_EQ(shortestDouble(123456789012.0), "123456789012");
}

TEST(ShortestText, ExponentFormForVerySmallOrLargeMagnitudes) {
  EXPECT_EQ(shortestSingle(1.2345e-7f), "1.2345E-07");
  EXPECT_EQ(shortestSingle(-4e-6f), "-4E-06");
  EXPECT_EQ(shortestSingle(0.00012345f), "1.2345E-04");
  EXPECT_EQ(shortestSingle(1e20f), "1E+20");
  EXPECT_EQ(shortestSingle(12345678.0f), "1.2345678E+07");
  EXPECT_EQ(shortestSingle(1234567.0f), "1234567");
  EXPECT_EQ(shortestDouble(1e-100), "1E-100");
  EXPECT_EQ(shortestDouble(2.5e15), "2.5E+15");
}

// Every text reads back, with the program's own item reader, as exactly the same value.
TEST(ShortestText, EveryValueReadsBackExactly) {
  std::mt19937_64 random(42);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-40, 40);
  for (int i = 0; i < 20000; ++i) {
    const double d = mantissa(random) * std::pow(10.0, exponent(random));
    const auto f = static_cast<float>(d);
    double back = 0;
    ASSERT_TRUE(parseDecimal(shortestDouble(d), back)) << shortestDouble(d);
    EXPECT_EQ(back, d) << shortestDouble(d);
    if (!std::isfinite(f)) continue;
    ASSERT_TRUE(parseDecimal(shortestSingle(f), back)) << shortestSingle(f);
    EXPECT_EQ(static_cast<float>(back), f) << shortestSingle(f);
  }
}

TEST(FormatPatterns, Scientific) {
  EXPECT_EQ(formatSci4(0.012345678), "1.2346E-02");
  EXPECT_EQ(formatSci4(0.0), "0.0000E+00");
  EXPECT_EQ(formatSci4(-1.5e-7), "-1.5000E-07");
  EXPECT_EQ(formatSci4(123456.0), "1.2346E+05");
  EXPECT_EQ(formatSci4(1e100), "1.0000E+100");
  EXPECT_EQ(formatSci4(9.99996), "1.0000E+01");
  EXPECT_EQ(formatSci2(4e-6), "4.00E-06");
  EXPECT_EQ(formatSci2(-7.0), "-7.00E+00");
  EXPECT_EQ(formatSci2(0.0), "0.00E+00");
}

TEST(FormatPatterns, Fixed) {
  EXPECT_EQ(formatFixed3(0.15), "0.150");
  EXPECT_EQ(formatFixed3(0.2), "0.200");
  EXPECT_EQ(formatFixed3(-1.0), "-1.000");
  EXPECT_EQ(formatFixed1(-7.0), "-7.0");
  EXPECT_EQ(formatFixed1(0.0), "0.0");
  // A value that shows as zero carries no sign.
  EXPECT_EQ(formatFixed1(-0.04), "0.0");
  EXPECT_EQ(formatFixed3(-0.0), "0.000");
}

TEST(FormatPatterns, NonFiniteValuesGiveReadableText) {
  EXPECT_EQ(formatSci4(std::nan("")), "NaN");
  EXPECT_EQ(formatFixed1(-INFINITY), "-Inf");
}

}  // namespace
}  // namespace lumo::text
