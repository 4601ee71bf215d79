#include "model/SimdMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace lumo::simd {
namespace {

// Error in units of the double precision at the reference value.
double relativeUlps(double value, double reference) {
  if (value == reference) return 0;
  return std::abs(value - reference) / (std::abs(reference) * std::numeric_limits<double>::epsilon());
}

template <typename Fn, typename Ref>
double worstOver(double low, double high, Fn fn, Ref ref, int samples = 200000) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> dist(low, high);
  double worst = 0;
  for (int i = 0; i < samples; i += kLanes) {
    V4 x{dist(random), dist(random), dist(random), dist(random)};
    const V4 y = fn(x);
    for (int l = 0; l < kLanes; ++l) worst = std::max(worst, relativeUlps(y[l], ref(x[l])));
  }
  return worst;
}

V4 sinOf(V4 x) {
  V4 s, c;
  sincos(x, s, c);
  return s;
}
V4 cosOf(V4 x) {
  V4 s, c;
  sincos(x, s, c);
  return c;
}

TEST(SimdMath, SineAndCosineWithinOneUnitOfTheLibrary) {
  for (double range : {1.0, 10.0, 1000.0, 1e5, 1e7}) {
    EXPECT_LE(worstOver(-range, range, sinOf, [](double x) { return std::sin(x); }), 1.1) << range;
    EXPECT_LE(worstOver(-range, range, cosOf, [](double x) { return std::cos(x); }), 1.1) << range;
  }
}

TEST(SimdMath, ExponentialAndLogarithmWithinOneUnitOfTheLibrary) {
  EXPECT_LE(worstOver(-700, 700, [](V4 x) { return exp(x); }, [](double x) { return std::exp(x); }),
            1.1);
  EXPECT_LE(worstOver(-1, 1, [](V4 x) { return exp(x); }, [](double x) { return std::exp(x); }), 1.1);
  EXPECT_LE(worstOver(1e-300, 1e-200, [](V4 x) { return log(x); }, [](double x) { return std::log(x); }),
            1.1);
  EXPECT_LE(worstOver(0.5, 2.0, [](V4 x) { return log(x); }, [](double x) { return std::log(x); }), 1.1);
  EXPECT_LE(worstOver(1, 1e300, [](V4 x) { return log(x); }, [](double x) { return std::log(x); }), 1.1);
}

TEST(SimdMath, ExactValuesAndLimits) {
  V4 s, c;
  sincos(V4{0, 0, 0, 0}, s, c);
  EXPECT_EQ(s[0], 0.0);
  EXPECT_EQ(c[0], 1.0);
  const V4 e = exp(V4{0, 710, -746, -740});
  EXPECT_EQ(e[0], 1.0);
  EXPECT_EQ(e[1], INFINITY);
  EXPECT_EQ(e[2], 0.0);
  EXPECT_EQ(e[3], std::exp(-740.0));  // subnormal results round like the library's
  const V4 l = log(V4{1, 0, -1, 1e-310});
  EXPECT_EQ(l[0], 0.0);
  EXPECT_EQ(l[1], -INFINITY);
  EXPECT_TRUE(std::isnan(l[2]));
  EXPECT_EQ(l[3], std::log(1e-310));
  sincos(V4{NAN, 1e300, -1e9, 3}, s, c);
  EXPECT_TRUE(std::isnan(s[0]));
  EXPECT_EQ(s[1], std::sin(1e300));
  EXPECT_EQ(c[2], std::cos(-1e9));
}

}  // namespace
}  // namespace lumo::simd
