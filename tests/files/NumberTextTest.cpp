#include "files/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <utility>

#include "files/TextItemReader.h"

namespace lumo::text {
namespace {

// No leading zero, integers without a point, exponent form only for very small or large
// magnitudes, and the shortest digits that give the value back.
TEST(ShortestText, PlainAndExponentForms) {
  const std::pair<float, const char*> singles[] = {
      {0.5f, ".5"}, {-0.56f, "-.56"}, {6.35f, "6.35"}, {14.0f, "14"}, {100.0f, "100"},
      {0.0f, "0"}, {-0.0f, "0"}, {0.012345f, ".012345"}, {0.001f, ".001"},
      {1.2345e-7f, "1.2345E-07"}, {-4e-6f, "-4E-06"}, {0.00012345f, "1.2345E-04"},
      {1e20f, "1E+20"}, {12345678.0f, "1.2345678E+07"}, {1234567.0f, "1234567"}};
  for (const auto& [value, text] : singles) EXPECT_EQ(shortestSingle(value), text);
  const std::pair<double, const char*> doubles[] = {
      {3.4, "3.4"}, {0.1, ".1"}, {123456789012.0, "123456789012"}, {1e-100, "1E-100"},
      {2.5e15, "2.5E+15"}};
  for (const auto& [value, text] : doubles) EXPECT_EQ(shortestDouble(value), text);
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

// The four display patterns; a value that shows as zero carries no sign.
TEST(FormatPatterns, RoundAndPadAsThePatternsSay) {
  const std::pair<std::string, const char*> cases[] = {
      {formatSci4(0.012345678), "1.2346E-02"}, {formatSci4(0.0), "0.0000E+00"},
      {formatSci4(-1.5e-7), "-1.5000E-07"},    {formatSci4(123456.0), "1.2346E+05"},
      {formatSci4(1e100), "1.0000E+100"},      {formatSci4(9.99996), "1.0000E+01"},
      {formatSci2(4e-6), "4.00E-06"},          {formatSci2(-7.0), "-7.00E+00"},
      {formatSci2(0.0), "0.00E+00"},           {formatFixed3(0.15), "0.150"},
      {formatFixed3(-1.0), "-1.000"},          {formatFixed3(-0.0), "0.000"},
      {formatFixed1(-7.0), "-7.0"},            {formatFixed1(-0.04), "0.0"},
      {formatSci4(std::nan("")), "NaN"},       {formatFixed1(-INFINITY), "-Inf"}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(text, expected);
}

}  // namespace
}  // namespace lumo::text
