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
  for (int k = 1; k <= kMaxLayers; ++k) r.thicknessRange[static_cast<size_t>(k)] = {0, 100, 1};
  for (int k : layers) r.selected[static_cast<size_t>(k)] = true;
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

INSTANTIATE_TEST_SUITE_P(
    Requests, RefusedBeforeAnythingChanges,
    ::testing::Values(
        RefusalCase{requestFor({1}, "abc", "100"), ConstrainedFitProblem::BoundsNotNumbers,
                    kBoundsNotNumbersMessage, "StartNotANumber"},
        RefusalCase{requestFor({1}, "0", ""), ConstrainedFitProblem::BoundsNotNumbers,
                    kBoundsNotNumbersMessage, "FinishEmpty"},
        RefusalCase{requestFor({1}, "0", "1e39"), ConstrainedFitProblem::BoundsNotNumbers,
                    kBoundsNotNumbersMessage, "FinishBeyondSinglePrecision"},
        RefusalCase{requestFor({1, 2}, "60", "50.5"), ConstrainedFitProblem::StartAfterFinish, "",
                    "StartAfterFinish"},
        RefusalCase{requestFor({1, 2, 3, 4, 5, 6}, "0", "600", 6),
                    ConstrainedFitProblem::TooManyLayers,
                    "There is a maximum of five layers for multi-layer fitting !", "SixLayers"},
        RefusalCase{requestFor({}, "0", "100"), ConstrainedFitProblem::NoLayerSelected,
                    kNoLayerSelectedMessage, "NoLayer"},
        RefusalCase{requestFor({4}, "0", "100", 3), ConstrainedFitProblem::NoLayerSelected,
                    kNoLayerSelectedMessage, "OnlyALayerBeyondTheModel"}),
    [](const auto& tc) { return std::string(tc.param.name); });

TEST(ConstrainedFitPlan, TakesTheSelectedLayersInOrderWithTheirRanges) {
  ConstrainedFitRequest r = requestFor({5, 2}, " 10 ", "1.5E2", 6);
  r.thicknessRange[5] = {3, 40, 7};
  const ConstrainedFitPlan plan = planFor(r);
  EXPECT_EQ(plan.count, 2);
  EXPECT_EQ(plan.layer[1], 2);
  EXPECT_EQ(plan.layer[2], 5);
  EXPECT_EQ(plan.min[2], 3);
  EXPECT_EQ(plan.max[2], 40);
  EXPECT_EQ(plan.start, 10.0f);
  EXPECT_EQ(plan.finish, 150.0f);
  EXPECT_NO_THROW(planFor(requestFor({1}, "50", "50")));
}

TEST(ConstrainedFitPlan, DefaultBoundsAreMinOfLayerOneAndTheSumOfMaxes) {
  std::array<ScrollRange, kMaxLayers + 1> ranges{};
  ranges[1] = {5, 100, 1};
  ranges[2] = {0, 250, 1};
  ranges[3] = {10, 40, 1};
  ranges[4] = {0, 999, 1};  // beyond the layer count
  const ConstraintDefaults d = constraintDefaults(ranges, 3);
  EXPECT_EQ(d.start, 5);
  EXPECT_EQ(d.finish, 390);
}

ConstrainedFitResult fit(const FitProblem& p, const ConstrainedFitPlan& plan,
                         fitting::FitObserver* observer = nullptr) {
  FitWorkspace ws;
  ConstrainedFit run(ws, startOf(p), plan);
  EXPECT_EQ(runToEnd(run, observer), RunOutcome::Finished);
  return run.result();
}

// Layers 1 and 3 of the true model (12 and 30 Å), searched from elsewhere together; the
// window's display of the residual is off, which must not matter.
TEST(ConstrainedFit, FindsTheTrueThicknessesOfTwoLayers) {
  FitProblem p = measuredFrom(threeLayerTruth());
  p.model.Thickness[1] = 60;
  p.model.Thickness[3] = 5;
  p.options.residualOn = false;
  ConstrainedFitRequest r = requestFor({1, 3}, "0", "80");
  r.thicknessRange[1] = {0, 40, 5};
  r.thicknessRange[3] = {10, 50, 5};
  const ConstrainedFitPlan plan = planFor(r);
  test::RecordingObserver observer;
  const ConstrainedFitResult result = fit(p, plan, &observer);
  EXPECT_EQ(result.layer[1], 1);
  EXPECT_EQ(result.layer[2], 3);
  EXPECT_EQ(result.thickness[1], 12);
  EXPECT_EQ(result.thickness[2], 30);
  EXPECT_EQ(result.bestTotal, 0.0f);
  EXPECT_EQ(result.evaluations, constrainedEvaluationCount(plan));
  ASSERT_EQ(static_cast<std::int64_t>(observer.seen.size()), result.evaluations);
  EXPECT_EQ(observer.seen.back().total, result.evaluations);
  EXPECT_EQ(observer.seen.front().trial[0], 0);   // layer 1 from its Min
  EXPECT_EQ(observer.seen.front().trial[1], 10);  // layer 3 from its Min
}

// A winner found one level up takes positions 1..k only: the deeper position keeps the
// best it had (here its Min, since nothing deeper ever won).
TEST(ConstrainedFit, AWinnerAtAnUpperLevelLeavesDeeperPositionsAlone) {
  FitProblem p = measuredFrom(threeLayerTruth());
  ConstrainedFitRequest r = requestFor({1, 2}, "0", "12");
  r.thicknessRange[1] = {12, 14, 1};  // never below Finish: no deeper loop runs
  r.thicknessRange[2] = {20, 60, 1};
  test::RecordingObserver observer;
  const ConstrainedFitResult result = fit(p, planFor(r), &observer);
  ASSERT_EQ(result.evaluations, 1);
  EXPECT_EQ(observer.seen[0].trial[1], 20);  // calculated with layer 2 at its Min
  EXPECT_EQ(result.thickness[1], 12);
  EXPECT_EQ(result.thickness[2], 20);
}

TEST(ConstrainedFit, NothingInsideTheBoundsLeavesEveryLayerAtItsMin) {
  const FitProblem p = measuredFrom(threeLayerTruth());
  ConstrainedFitRequest r = requestFor({2, 3}, "500", "600");
  r.thicknessRange[2] = {7, 100, 1};
  r.thicknessRange[3] = {9, 100, 1};
  const ConstrainedFitResult result = fit(p, planFor(r));
  EXPECT_EQ(result.evaluations, 0);
  EXPECT_EQ(result.thickness[1], 7);
  EXPECT_EQ(result.thickness[2], 9);
  EXPECT_TRUE(std::isinf(result.bestTotal));
}

// Every total equal (the thickness of a layer of the solvent's own SLD does nothing):
// the first combination inside the bounds wins.
TEST(ConstrainedFit, AmongEqualTotalsTheFirstCombinationWins) {
  LayerModel m = threeLayerTruth();
  m.NumLayers = 1;
  m.LayerSLD[1] = m.SolventSLD[1];
  m.SolventFraction[1] = 0;
  FitProblem p = measuredFrom(m);
  p.store.NumDataSets = p.store.LastCalcSet = 1;
  p.model.Roughness[0] = 6;
  const ConstrainedFitResult result = fit(p, planFor(requestFor({1}, "25", "70", 1)));
  EXPECT_EQ(result.thickness[1], 25);
  EXPECT_EQ(result.evaluations, 46);
}

}  // namespace
}  // namespace lumo::fitting
