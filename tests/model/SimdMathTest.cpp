// The elementary functions of every kernel this processor runs, against the C library.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "EngineFixtures.h"
#include "model/ReflectivityKernel.h"

namespace lumo::kernel {
namespace {

// Error in units of the double precision at the reference value.
double relativeUlps(double value, double reference) {
  if (value == reference) return 0;
  return std::abs(value - reference) / (std::abs(reference) * std::numeric_limits<double>::epsilon());
}

class KernelMath : public ::testing::TestWithParam<InstructionSet> {
 protected:
  std::vector<double> apply(Elementary fn, const std::vector<double>& x) const {
    std::vector<double> y(x.size());
    tableFor(GetParam()).elementary(fn, x.data(), y.data(), static_cast<int>(x.size()));
    return y;
  }
  double worstOver(Elementary fn, double low, double high, double (*ref)(double)) const {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> dist(low, high);
    std::vector<double> x(100000);
    for (double& v : x) v = dist(random);
    const std::vector<double> y = apply(fn, x);
    double worst = 0;
    for (size_t i = 0; i < x.size(); ++i) worst = std::max(worst, relativeUlps(y[i], ref(x[i])));
    return worst;
  }
};

double libSin(double x) { return std::sin(x); }
double libCos(double x) { return std::cos(x); }
double libExp(double x) { return std::exp(x); }
double libLog(double x) { return std::log(x); }

TEST_P(KernelMath, WithinOneUnitOfTheLibrary) {
  for (double range : {1.0, 10.0, 1000.0, 1e5, 1e7}) {
    EXPECT_LE(worstOver(Elementary::Sin, -range, range, libSin), 1.1) << range;
    EXPECT_LE(worstOver(Elementary::Cos, -range, range, libCos), 1.1) << range;
  }
  EXPECT_LE(worstOver(Elementary::Exp, -700, 700, libExp), 1.1);
  EXPECT_LE(worstOver(Elementary::Exp, -1, 1, libExp), 1.1);
  EXPECT_LE(worstOver(Elementary::Log, 1e-300, 1e-200, libLog), 1.1);
  EXPECT_LE(worstOver(Elementary::Log, 0.5, 2.0, libLog), 1.1);
  EXPECT_LE(worstOver(Elementary::Log, 1, 1e300, libLog), 1.1);
}

// Exact values the calculation relies on (a real wave number stays real), limits, and
// lanes the C library takes over.
TEST_P(KernelMath, ExactValuesAndLimits) {
  EXPECT_EQ(apply(Elementary::Sin, {0.0, -0.0}), (std::vector<double>{0.0, 0.0}));
  EXPECT_EQ(apply(Elementary::Cos, {0.0})[0], 1.0);
  const std::vector<double> e = apply(Elementary::Exp, {0, 710, -746, -740});
  EXPECT_EQ(e[0], 1.0);
  EXPECT_EQ(e[1], INFINITY);
  EXPECT_EQ(e[2], 0.0);
  EXPECT_EQ(e[3], std::exp(-740.0));  // subnormal results round like the library's
  const std::vector<double> l = apply(Elementary::Log, {1, 0, -1, 1e-310});
  EXPECT_EQ(l[0], 0.0);
  EXPECT_EQ(l[1], -INFINITY);
  EXPECT_TRUE(std::isnan(l[2]));
  EXPECT_EQ(l[3], std::log(1e-310));
  const std::vector<double> s = apply(Elementary::Sin, {NAN, 1e300, 3});
  EXPECT_TRUE(std::isnan(s[0]));
  EXPECT_EQ(s[1], std::sin(1e300));
  EXPECT_EQ(apply(Elementary::Cos, {-1e9})[0], std::cos(-1e9));
  EXPECT_EQ(apply(Elementary::Sqrt, {2.0, 0.0})[0], std::sqrt(2.0));
}

INSTANTIATE_TEST_SUITE_P(EveryKernel, KernelMath, ::testing::ValuesIn(supportedInstructionSets()),
                         [](const auto& tc) { return test::kernelTestName(tc.param); });

}  // namespace
}  // namespace lumo::kernel
