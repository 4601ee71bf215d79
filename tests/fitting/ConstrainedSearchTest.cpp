#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "fitting/ConstrainedSearch.h"

namespace lumo::fitting {
namespace {

using Visit = std::vector<int>;  // every position's thickness

// Every combination of the box in the order of the nested loops (the first position
// outermost), kept when the single-precision sum of all positions lies within the bounds.
std::vector<Visit> bruteForce(const ConstrainedFitPlan& plan) {
  std::vector<Visit> visits;
  Visit t(plan.min.begin() + 1, plan.min.begin() + plan.count + 1);
  const auto level = [&](const auto& self, int k) -> void {
    if (k > plan.count) {
      float sum = 0;
      for (int v : t) sum += static_cast<float>(v);
      if (plan.start <= sum && sum <= plan.finish) visits.push_back(t);
      return;
    }
    for (int v = plan.min[k]; v <= plan.max[k]; ++v) {
      t[static_cast<size_t>(k - 1)] = v;
      self(self, k + 1);
    }
  };
  level(level, 1);
  return visits;
}

std::vector<Visit> walk(const ConstrainedFitPlan& plan) {
  std::vector<Visit> visits;
  ConstrainedSearch search(plan);
  while (search.next()) {
    Visit v;
    for (int k = 1; k <= plan.count; ++k) v.push_back(search.thickness(k));
    visits.push_back(v);
  }
  return visits;
}

struct Ranges {
  std::vector<std::pair<int, int>> minMax;
  float start, finish;
  const char* name;
};
void PrintTo(const Ranges& r, std::ostream* os) { *os << r.name; }

ConstrainedFitPlan planOf(const Ranges& r) {
  ConstrainedFitPlan plan;
  plan.count = static_cast<int>(r.minMax.size());
  for (int k = 1; k <= plan.count; ++k) {
    plan.layer[k] = k;
    std::tie(plan.min[k], plan.max[k]) = r.minMax[k - 1];
  }
  plan.start = r.start;
  plan.finish = r.finish;
  return plan;
}

class SearchOrder : public ::testing::TestWithParam<Ranges> {};

// The walk evaluates exactly the combinations of the box whose whole sum lies within the
// bounds, in the order of the nested loops; and the count known in advance is the number
// of evaluations.
TEST_P(SearchOrder, IsThatOfABruteForceSearch) {
  const ConstrainedFitPlan plan = planOf(GetParam());
  const std::vector<Visit> expected = bruteForce(plan);
  EXPECT_EQ(walk(plan), expected);
  EXPECT_EQ(constrainedEvaluationCount(plan), static_cast<std::int64_t>(expected.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Plans, SearchOrder,
    ::testing::Values(
        Ranges{{{0, 30}}, 5, 12, "OneLayerInsideTheBounds"},
        Ranges{{{0, 20}, {0, 20}}, 10, 10, "TwoLayersOneSum"},
        Ranges{{{0, 20}, {3, 9}}, 0, 40, "TwoLayersAllInside"},
        Ranges{{{0, 12}, {0, 12}, {0, 12}}, 6, 15, "ThreeLayersABand"},
        Ranges{{{0, 12}, {2, 12}, {0, 5}}, 7.5f, 9.5f, "FractionalBounds"},
        Ranges{{{-5, 6}, {-3, 4}, {0, 3}}, -2, 3, "NegativeThicknesses"},
        Ranges{{{0, 10}, {6, 2}, {0, 10}}, 0, 30, "AnEmptyRangeInTheMiddle"},
        Ranges{{{20, 30}, {0, 10}}, 0, 15, "FinishBelowEveryThickness"},
        Ranges{{{0, 4}, {0, 4}, {0, 4}, {0, 4}, {0, 4}}, 4, 9, "FiveLayers"},
        Ranges{{{0, 6}, {8, 9}, {0, 6}, {0, 6}}, 9, 9, "AMinThatFillsTheBound"},
        Ranges{{{3, 9}, {0, 9}, {0, 9}}, 4, 4.9f, "FinishReachedByTheFirstPosition"},
        Ranges{{{0, 9}, {0, 9}}, 4.2f, 4.8f, "NoWholeSumBetweenTheBounds"},
        Ranges{{{0, 10}, {0, 10}}, 100, 200, "NothingInsideTheBounds"}),
    [](const auto& tc) { return std::string(tc.param.name); });

// Start = Finish = 50 with two layers of 0..100: exactly the pairs (t, 50 − t).
TEST(ConstrainedSearch, TwoLayersWithStartEqualToFinishEvaluateOnlyThatSum) {
  const ConstrainedFitPlan plan = planOf({{{0, 100}, {0, 100}}, 50, 50, ""});
  const std::vector<Visit> visits = walk(plan);
  ASSERT_EQ(visits.size(), 51u);
  for (int t = 0; t <= 50; ++t) EXPECT_EQ(visits[static_cast<size_t>(t)], (Visit{t, 50 - t}));
}

// Five layers of 0..100: of the 101^5 loop bodies only the few hundred thousand near a
// sum of 50 are walked, and counts too large to walk are still exact.
TEST(ConstrainedSearch, PassesOverWhatCannotBeEvaluatedAndCountsWithoutWalking) {
  const std::vector<std::pair<int, int>> five(5, {0, 100});
  const ConstrainedFitPlan plan = planOf({five, 50, 50, ""});
  ConstrainedSearch search(plan);
  std::int64_t visits = 0;
  while (search.next()) ++visits;
  EXPECT_EQ(visits, constrainedEvaluationCount(plan));
  EXPECT_GT(visits, 300000);
  EXPECT_EQ(constrainedEvaluationCount(planOf({five, 0, 1000, ""})), 101LL * 101 * 101 * 101 * 101);
  // Only sums up to 20 qualify: C(20 + 5, 5) combinations.
  EXPECT_EQ(constrainedEvaluationCount(planOf({five, 0, 20, ""})), 53130);
}

}  // namespace
}  // namespace lumo::fitting
