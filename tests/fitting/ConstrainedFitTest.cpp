#include <gtest/gtest.h>

#include <cmath>

#include "FittingFixtures.h"
#include "fitting/ConstrainedFit.h"

namespace lumo::fitting {
namespace {

using test::FitProblem;
using test::measuredFrom;
using test::startOf;
using test::threeLayerTruth;

ConstrainedFitRequest requestFor(std::initializer_list<int> layers, const char* start,
                                 const char* finish, int numLayers = 3) {
  ConstrainedFitRequest r;
  r.numLayers = numLayers;
  r.thicknessRange.fill({0, 100, 1});
  for (int k : layers) r.selected[k] = true;
  r.startText = start;
  r.finishText = finish;
  return r;
}

ConstrainedFitPlan planFor(const ConstrainedFitRequest& request) {
  const ConstrainedFitCheck check = planConstrainedFit(request);
  if (const auto* refusal = std::get_if<ConstrainedFitRefusal>(&check))
    ADD_FAILURE() << "refused: " << refusal->message;
  return std::get<ConstrainedFitPlan>(check);
}

struct RefusalCase {
  ConstrainedFitRequest request;
  ConstrainedFitProblem problem;
  const char* message;
  const char* name;
};

class RefusedBeforeAnythingChanges : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusedBeforeAnythingChanges, WithItsMessage) {
  const ConstrainedFitCheck check = planConstrainedFit(GetParam().request);
  ASSERT_TRUE(std::holds_alternative<ConstrainedFitRefusal>(check));
  const auto& refusal = std::get<ConstrainedFitRefusal>(check);
  EXPECT_EQ(refusal.problem, GetParam().problem);
  EXPECT_EQ(refusal.message, GetParam().message);
}

using P = ConstrainedFitProblem;

INSTANTIATE_TEST_SUITE_P(
    Requests, RefusedBeforeAnythingChanges,
    ::testing::Values(
        RefusalCase{requestFor({1}, "abc", "100"), P::BoundsNotNumbers, kBoundsNotNumbersMessage,
                    "StartNotANumber"},
        RefusalCase{requestFor({1}, "0", ""), P::BoundsNotNumbers, kBoundsNotNumbersMessage,
                    "FinishEmpty"},
        RefusalCase{requestFor({1}, "0", "1e39"), P::BoundsNotNumbers, kBoundsNotNumbersMessage,
                    "FinishBeyondSinglePrecision"},
        RefusalCase{requestFor({1, 2}, "60", "50.5"), P::StartAfterFinish, "", "StartAfterFinish"},
        // Six red labels.
        RefusalCase{requestFor({1, 2, 3, 4, 5, 6}, "0", "600", 6), P::TooManyLayers,
                    "There is a maximum of five layers for multi-layer fitting !", "SixLayers"},
        RefusalCase{requestFor({}, "0", "100"), P::NoLayerSelected, kNoLayerSelectedMessage,
                    "NoLayer"},
        RefusalCase{requestFor({4}, "0", "100", 3), P::NoLayerSelected, kNoLayerSelectedMessage,
                    "OnlyALayerBeyondTheModel"}),
    [](const auto& tc) { return std::string(tc.param.name); });

// The selected layers in order with their ranges; the default bounds are the Min of
// layer 1 and the sum of the Maxes of the model's layers.
TEST(ConstrainedFitPlan, TakesTheSelectedLayersInOrderWithTheirRanges) {
  ConstrainedFitRequest r = requestFor({5, 2}, " 10 ", "1.5E2", 6);
  r.thicknessRange[5] = {3, 40, 7};
  const ConstrainedFitPlan plan = planFor(r);
  EXPECT_EQ(plan.count, 2);
  EXPECT_TRUE(plan.layer[1] == 2 && plan.layer[2] == 5);
  EXPECT_TRUE(plan.min[2] == 3 && plan.max[2] == 40);
  EXPECT_TRUE(plan.start == 10.0f && plan.finish == 150.0f);
  EXPECT_NO_THROW(planFor(requestFor({1}, "50", "50")));

  std::array<ScrollRange, kMaxLayers + 1> ranges{};
  ranges[1] = {5, 100, 1};
  ranges[2] = {0, 250, 1};
  ranges[3] = {10, 40, 1};
  ranges[4] = {0, 999, 1};  // beyond the layer count
  const ConstraintDefaults d = constraintDefaults(ranges, 3);
  EXPECT_TRUE(d.start == 5 && d.finish == 390) << d.start << " " << d.finish;
}

struct FitCase {
  std::vector<int> layers;
  std::vector<ScrollRange> ranges;
  const char *start, *finish;
  std::vector<int> thickness;  // expected result, by position
  std::int64_t evaluations;
  const char* name;
};

class ConstrainedFitFinds : public ::testing::TestWithParam<FitCase> {};

// On data measured from the true model (layers of 12, 37 and 30 Å), with the window's
// display of the residual off, which must not matter.
TEST_P(ConstrainedFitFinds, TheBestCombinationInsideTheBounds) {
  const FitCase& c = GetParam();
  FitProblem p = measuredFrom(threeLayerTruth());
  p.model.Thickness[1] = 60;
  p.options.residualOn = false;
  ConstrainedFitRequest r = requestFor({}, c.start, c.finish);
  for (size_t k = 0; k < c.layers.size(); ++k) {
    r.selected[c.layers[k]] = true;
    r.thicknessRange[c.layers[k]] = c.ranges[k];
  }
  const ConstrainedFitPlan plan = planFor(r);
  test::RecordingObserver observer;
  FitWorkers ws;
  ConstrainedFit run(ws, startOf(p), plan);
  ASSERT_EQ(runToEnd(run, &observer), RunOutcome::Finished);
  const ConstrainedFitResult result = run.result();
  for (size_t k = 0; k < c.layers.size(); ++k) {
    EXPECT_EQ(result.layer[k + 1], c.layers[k]);
    EXPECT_EQ(result.thickness[k + 1], c.thickness[k]) << "position " << k + 1;
  }
  EXPECT_EQ(result.evaluations, c.evaluations);
  EXPECT_EQ(constrainedEvaluationCount(plan), c.evaluations);
  ASSERT_EQ(static_cast<std::int64_t>(observer.seen.size()), c.evaluations);
  EXPECT_EQ(std::isinf(result.bestTotal), c.evaluations == 0);
  // The first layer starts from its Min.
  EXPECT_TRUE(observer.seen.empty() || observer.seen[0].trial[0] == c.ranges[0].Min);
}

INSTANTIATE_TEST_SUITE_P(
    Searches, ConstrainedFitFinds,
    ::testing::Values(
        FitCase{{1, 3}, {{0, 40, 5}, {10, 50, 5}}, "0", "80", {12, 30}, 1626, "TwoTrueThicknesses"},
        FitCase{{2, 3}, {{7, 100, 1}, {9, 100, 1}}, "500", "600", {7, 9}, 0, "NothingInBounds"}),
    [](const auto& tc) { return std::string(tc.param.name); });

// The fit against a brute-force search: every combination of the box whose thicknesses
// sum to within the bounds, each calculated from scratch. The fit evaluates exactly these
// models, in the same order, with the same totals, and returns the first best of them.
struct BruteForceCase {
  LayerModel truth;
  std::vector<int> layers;
  int max;
  const char *start, *finish;
  const char* name;
};
void PrintTo(const BruteForceCase& c, std::ostream* os) { *os << c.name; }

class ConstrainedFitAgainst : public ::testing::TestWithParam<BruteForceCase> {};

TEST_P(ConstrainedFitAgainst, ABruteForceSearch) {
  const BruteForceCase& c = GetParam();
  FitProblem p = measuredFrom(c.truth);
  for (int layer : c.layers) p.model.Thickness[layer] = static_cast<float>(c.max);
  ConstrainedFitRequest r = requestFor({}, c.start, c.finish, c.truth.NumLayers);
  for (int layer : c.layers) {
    r.selected[layer] = true;
    r.thicknessRange[layer] = {0, c.max, 1};
  }
  const ConstrainedFitPlan plan = planFor(r);

  // The brute force: plain nested loops over the whole box, every combination inside the
  // bounds prepared and calculated from scratch.
  FitWorkspace fresh;
  std::vector<std::vector<int>> combinations;
  std::vector<float> totals;
  std::vector<int> t(c.layers.size());
  const auto loop = [&](const auto& self, size_t k, int sum) -> void {
    if (k == c.layers.size()) {
      if (plan.start <= static_cast<float>(sum) && static_cast<float>(sum) <= plan.finish) {
        FitProblem trial = p;
        for (size_t j = 0; j < t.size(); ++j) trial.model.Thickness[c.layers[j]] = static_cast<float>(t[j]);
        fresh.load(startOf(trial));
        combinations.push_back(t);
        totals.push_back(fresh.calculate());
      }
      return;
    }
    for (t[k] = 0; t[k] <= c.max && static_cast<float>(sum + t[k]) <= plan.finish; ++t[k])
      self(self, k + 1, sum + t[k]);  // thicknesses are never negative: larger sums only grow
  };
  loop(loop, 0, 0);
  ASSERT_FALSE(combinations.empty());
  size_t best = 0;
  for (size_t i = 1; i < totals.size(); ++i)
    if (totals[i] < totals[best]) best = i;

  test::RecordingObserver observer;
  FitWorkers ws;
  ConstrainedFit run(ws, startOf(p), plan);
  ASSERT_EQ(runToEnd(run, &observer), RunOutcome::Finished);
  ASSERT_EQ(observer.seen.size(), combinations.size());
  for (size_t i = 0; i < combinations.size(); ++i) {
    const std::vector<int> seen(observer.seen[i].trial.begin(),
                                observer.seen[i].trial.begin() + observer.seen[i].trialSize);
    ASSERT_EQ(seen, combinations[i]) << "evaluation " << i;
    ASSERT_NEAR(observer.seen[i].trialTotal, totals[i], 1e-5 * totals[i] + 1e-12) << "evaluation " << i;
  }
  const ConstrainedFitResult result = run.result();
  EXPECT_EQ(std::vector<int>(result.thickness.begin() + 1, result.thickness.begin() + 1 + t.size()),
            combinations[best]);
  EXPECT_NEAR(result.bestTotal, totals[best], 1e-5 * totals[best] + 1e-12);
  EXPECT_EQ(result.evaluations, constrainedEvaluationCount(plan));
}

// Twenty layers, the thicknesses of layers 2, 5, 9, 14 and 20 on bars of 0..50 bounded
// to a sum of 10..11: the true model (11, 0, 0, 0, 0) must win, and no layer may be
// written back at a thickness outside the bounds.
LayerModel twentyLayerTruth() {
  LayerModel m = test::twentyLayerModel();
  m.SolventSLD[1] = 6.35e-6f;
  m.SolventSLD[2] = -0.56e-6f;
  m.Thickness[2] = 11;
  for (int layer : {5, 9, 14, 20}) m.Thickness[layer] = 0;
  return m;
}

INSTANTIATE_TEST_SUITE_P(
    Searches, ConstrainedFitAgainst,
    ::testing::Values(
        BruteForceCase{twentyLayerTruth(), {2, 5, 9, 14, 20}, 50, "10", "11", "TwentyLayersFivePositions"},
        BruteForceCase{threeLayerTruth(), {1, 2, 3}, 40, "30", "41.5", "BoundsBelowTheTruth"},
        BruteForceCase{threeLayerTruth(), {2, 3}, 70, "60", "70", "TheTruthOnTheBound"}),
    [](const auto& tc) { return std::string(tc.param.name); });

TEST(ConstrainedFit, TheTwentyLayerTruthWinsExactly) {
  FitProblem p = measuredFrom(twentyLayerTruth());
  ConstrainedFitRequest r = requestFor({2, 5, 9, 14, 20}, "10", "11", 20);
  r.thicknessRange.fill({0, 50, 1});
  FitWorkers ws;
  ConstrainedFit run(ws, startOf(p), planFor(r));
  ASSERT_EQ(runToEnd(run), RunOutcome::Finished);
  const ConstrainedFitResult result = run.result();
  EXPECT_EQ(std::vector<int>(result.thickness.begin() + 1, result.thickness.begin() + 6),
            (std::vector<int>{11, 0, 0, 0, 0}));
  EXPECT_LT(result.bestTotal, 1e-20f);  // zero to rounding
}

// Every total equal: the first combination inside the bounds wins.
TEST(ConstrainedFit, AmongEqualTotalsTheFirstCombinationWins) {
  FitWorkers ws;
  ConstrainedFit run(ws, startOf(test::thicknessWithoutEffect()),
                     planFor(requestFor({1}, "25", "70", 1)));
  ASSERT_EQ(runToEnd(run), RunOutcome::Finished);
  EXPECT_EQ(run.result().thickness[1], 25);
  EXPECT_EQ(run.result().evaluations, 46);
}

}  // namespace
}  // namespace lumo::fitting
