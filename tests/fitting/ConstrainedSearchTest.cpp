#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "fitting/ConstrainedSearch.h"

namespace lumo::fitting {
namespace {

// One evaluation: the loop level that asked for it and every position's thickness.
struct Visit {
  int level = 0;
  std::vector<int> thickness;
  bool operator==(const Visit&) const = default;
};

// The nested loops written out plainly, one recursion per level.
std::vector<Visit> plainLoops(const ConstrainedFitPlan& plan) {
  std::vector<Visit> visits;
  std::vector<int> t(plan.min.begin(), plan.min.begin() + plan.count + 1);
  const auto level = [&](const auto& self, int k) -> void {
    for (int v = plan.min[k]; v <= plan.max[k]; ++v) {
      t[k] = v;
      if (plan.count > k && static_cast<float>(v) < plan.finish) {
        self(self, k + 1);
        continue;
      }
      float sum = 0;
      for (int j = 1; j <= k; ++j) sum += static_cast<float>(t[j]);
      if (plan.start <= sum && sum <= plan.finish) visits.push_back({k, {t.begin() + 1, t.end()}});
    }
  };
  level(level, 1);
  return visits;
}

std::vector<Visit> walk(const ConstrainedFitPlan& plan) {
  std::vector<Visit> visits;
  ConstrainedSearch search(plan);
  while (search.next()) {
    Visit v{search.level(), {}};
    for (int k = 1; k <= plan.count; ++k) v.thickness.push_back(search.thickness(k));
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

// The walk evaluates exactly the combinations of the plain nested loops, in the same
// order, with the same thickness in every deeper position; and the count known in
// advance is the number of evaluations.
TEST_P(SearchOrder, IsThatOfThePlainNestedLoops) {
  const ConstrainedFitPlan plan = planOf(GetParam());
  const std::vector<Visit> expected = plainLoops(plan);
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
        Ranges{{{0, 6}, {8, 9}, {0, 6}, {0, 6}}, 9, 9, "DeeperPositionsKeepTheirLastThickness"},
        Ranges{{{0, 10}, {0, 10}}, 100, 200, "NothingInsideTheBounds"}),
    [](const auto& tc) { return std::string(tc.param.name); });

// Start = Finish = 50 with two layers of 0..100: the pairs (t, 50 − t) for t = 0..49,
// then at t = 50 the first loop no longer goes deeper and evaluates with the second
// layer at the 100 it was last given; nothing else is calculated.
TEST(ConstrainedSearch, TwoLayersWithStartEqualToFinishEvaluateOnlyThatSum) {
  const ConstrainedFitPlan plan = planOf({{{0, 100}, {0, 100}}, 50, 50, ""});
  const std::vector<Visit> visits = walk(plan);
  ASSERT_EQ(visits.size(), 51u);
  for (int t = 0; t < 50; ++t) EXPECT_EQ(visits[static_cast<size_t>(t)], (Visit{2, {t, 50 - t}}));
  EXPECT_EQ(visits[50], (Visit{1, {50, 100}}));
  EXPECT_EQ(constrainedEvaluationCount(plan), 51);
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
  // Only sums up to 20 qualify: C(20 + 5, 5) combinations (the four with a 20 in one of
  // the first four positions are evaluated one level up, with the deeper ones at 0).
  EXPECT_EQ(constrainedEvaluationCount(planOf({five, 0, 20, ""})), 53130);
}

}  // namespace
}  // namespace lumo::fitting
