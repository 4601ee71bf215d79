#include "plot/AxisScaling.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace lumo {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

TEST(AxisScaling, NormalisesRangesIntoOneDecadeAndNeverLoopsForever) {
  // A range of exactly 1 is widened to 10 on the X side but stays 1 on the Y side.
  EXPECT_EQ(normaliseXRange(1.0f).scale, 10.0f);
  EXPECT_EQ(normaliseYRange(1.0f).scale, 1.0f);
  EXPECT_NEAR(normaliseXRange(0.15f).range, 1.5f, 1e-5);
  EXPECT_NEAR(normaliseXRange(250.0f).range, 2.5f, 1e-5);
  EXPECT_NEAR(normaliseXRange(250.0f).scale, 0.01f, 1e-9);
  EXPECT_EQ(normaliseYRange(7.0f).range, 7.0f);
  for (float span : {0.0f, -3.0f, kNaN, kInf, 1e-44f})
    EXPECT_TRUE(std::isfinite(normaliseXRange(span).scale) && std::isfinite(normaliseYRange(span).scale))
        << span;
}

struct GuardCase {
  float min, max;
  float wantMin, wantMax;
};

class GuardRangeTest : public ::testing::TestWithParam<GuardCase> {};

TEST_P(GuardRangeTest, MendsOnlyUnusableRanges) {
  GuardCase c = GetParam();
  guardRange(c.min, c.max);
  EXPECT_FLOAT_EQ(c.min, c.wantMin);
  EXPECT_FLOAT_EQ(c.max, c.wantMax);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, GuardRangeTest,
    ::testing::Values(GuardCase{-7, 0, -7, 0},            // usable: untouched
                      GuardCase{0.5f, 0.5f, -0.5f, 1.5f},  // zero span: one unit each way
                      GuardCase{2, -1, -1, 2},            // inverted: swapped
                      GuardCase{kNaN, kNaN, 0, 1},        // nothing usable
                      GuardCase{kNaN, 3, 2, 3},           // one end missing
                      GuardCase{-kInf, 0, -1, 0},
                      GuardCase{1e20f, 1e20f, 5e19f, 1.5e20f}));  // one unit lost in rounding

TEST(AxisScaling, TickCountsFollowWholeScaledUnits) {
  // 0.01 .. 0.16 scaled by 10 spans one whole unit only: ten marks per unit instead.
  const TickCount x = tickCount(0.01f, 0.16f, 10);
  EXPECT_EQ(x.perUnit, 10);
  EXPECT_GE(x.count, 14);
  EXPECT_LE(x.count, 15);
  // Start-up X range 0 .. 0.5: five units and both ends whole.
  EXPECT_EQ(tickCount(0, 0.5f, 10).count, 7);
  EXPECT_LE(wholeUnitsBetween(-1e30f, 1e30f, 1), 1000);
}

}  // namespace
}  // namespace lumo
