// Uncertainties from the curvature of χ², against the straight-line fit whose covariance
// is known in closed form, and for parameters the residuals do not fix.
#include "fitting/CurvatureUncertainty.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lumo::fitting {
namespace {

// r_i = a + b x_i − y_i: the columns are 1 and x_i, and the textbook errors are
// σ_b² = s² / Σ(x − x̄)², σ_a² = s² Σx² / (N Σ(x − x̄)²), s² = χ² / (N − 2).
TEST(CurvatureUncertainty, StraightLineGivesTheTextbookErrors) {
  const std::vector<double> x = {0, 1, 2, 3, 4, 5, 6, 7};
  const double n = 8;
  const std::vector<double> noise = {0.1, -0.2, 0.05, 0.3, -0.1, -0.15, 0.2, -0.05};
  CurvatureInput in;
  in.columns = {std::vector<double>(x.size(), 1.0), x};
  for (double e : noise) in.chiSquared += e * e;
  in.span = {100, 100};
  double mean = 0, sumSq = 0;
  for (double v : x) mean += v / n;
  double sxx = 0;
  for (double v : x) {
    sxx += (v - mean) * (v - mean);
    sumSq += v * v;
  }
  const double s2 = in.chiSquared / (n - 2);
  const auto spread = curvatureUncertainties(in);
  ASSERT_EQ(2u, spread.size());
  EXPECT_TRUE(spread[0].determined && spread[1].determined);
  EXPECT_NEAR(std::sqrt(s2 * sumSq / (n * sxx)), spread[0].sigma, 1e-12);
  EXPECT_NEAR(std::sqrt(s2 / sxx), spread[1].sigma, 1e-12);
}

TEST(CurvatureUncertainty, ParametersTheResidualsDoNotFixAreUndetermined) {
  const std::vector<double> x = {0, 1, 2, 3, 4, 5};
  CurvatureInput in;
  in.chiSquared = 0.5;
  in.span = {10, 10, 10, 10};
  std::vector<double> twice;
  for (double v : x) twice.push_back(2 * v);
  // No effect at all; x; exactly twice x (only their sum is fixed); a constant.
  in.columns = {std::vector<double>(x.size(), 0.0), x, twice, std::vector<double>(x.size(), 1.0)};
  const auto spread = curvatureUncertainties(in);
  EXPECT_FALSE(spread[0].determined);
  EXPECT_FALSE(spread[1].determined);
  EXPECT_FALSE(spread[2].determined);
  EXPECT_TRUE(spread[3].determined);

  // A spread wider than the range is no determination either.
  CurvatureInput weak;
  weak.columns = {std::vector<double>(x.size(), 1e-4)};
  weak.chiSquared = 1;
  weak.span = {50};
  EXPECT_FALSE(curvatureUncertainties(weak)[0].determined);
  // Fewer points than parameters leave everything undetermined.
  CurvatureInput few;
  few.columns = {{1.0}, {2.0}};
  few.span = {10, 10};
  for (const auto& s : curvatureUncertainties(few)) EXPECT_FALSE(s.determined);
}

}  // namespace
}  // namespace lumo::fitting
