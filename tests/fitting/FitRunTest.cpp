#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "FittingFixtures.h"
#include "fitting/ConstrainedFit.h"
#include "fitting/FitRun.h"
#include "fitting/ParameterScan.h"

namespace lumo::fitting {
namespace {

using test::FitProblem;

FitProblem problem() {
  FitProblem p = test::measuredFrom(test::threeLayerTruth());
  p.model.Thickness[1] = 20;
  p.model.Thickness[2] = 50;
  return p;
}

// Both kinds of run, with what identifies their outcome.
struct RunKind {
  std::function<std::unique_ptr<FitRun>(FitWorkspace&, const FitProblem&)> make;
  std::function<std::vector<double>(const FitRun&)> outcome;
  const char* name;
};

std::unique_ptr<FitRun> makeScan(FitWorkspace& ws, const FitProblem& p) {
  return std::make_unique<ParameterScan>(
      ws, test::startOf(p), ParameterScanRequest{ParameterFamily::SLD, 2, {0, 200, 3}});
}

std::unique_ptr<FitRun> makeConstrained(FitWorkspace& ws, const FitProblem& p) {
  ConstrainedFitPlan plan;
  plan.count = 2;
  plan.layer = {0, 1, 2};
  plan.min = {0, 5, 30};
  plan.max = {0, 20, 45};
  plan.start = 40;
  plan.finish = 55;
  return std::make_unique<ConstrainedFit>(ws, test::startOf(p, ResidualMeasure::ChiSquared), plan);
}

std::vector<double> scanOutcome(const FitRun& run) {
  const auto r = dynamic_cast<const ParameterScan&>(run).result();
  return {static_cast<double>(r.bestValue), r.bestTotal, static_cast<double>(r.trials)};
}

std::vector<double> constrainedOutcome(const FitRun& run) {
  const auto r = dynamic_cast<const ConstrainedFit&>(run).result();
  return {static_cast<double>(r.thickness[1]), static_cast<double>(r.thickness[2]), r.bestTotal,
          static_cast<double>(r.evaluations)};
}

class EveryRun : public ::testing::TestWithParam<RunKind> {};

// Driven in slices of any size, a run ends exactly as when run in one go.
TEST_P(EveryRun, InSlicesEndsExactlyAsInOneGo) {
  const FitProblem p = problem();
  FitWorkspace ws;
  auto whole = GetParam().make(ws, p);
  ASSERT_EQ(runToEnd(*whole), RunOutcome::Finished);
  const std::vector<double> expected = GetParam().outcome(*whole);
  EXPECT_EQ(whole->progress().done, whole->progress().total);
  for (std::int64_t slice : {1, 7, 1000}) {
    auto run = GetParam().make(ws, p);
    int calls = 0;
    while (!run->step(slice)) ++calls;
    EXPECT_EQ(GetParam().outcome(*run), expected) << "slices of " << slice;
    EXPECT_GE(calls, slice == 1 ? run->progress().total - 1 : 0);
  }
}

// A cancelled run leaves the window's model, data and curves as they were, and the
// workspace it used serves the next run as well as a fresh one.
TEST_P(EveryRun, CancelledChangesNothingAndTheWorkspaceServesAgain) {
  FitProblem p = problem();
  ReflectivityEngine windowEngine;
  windowEngine.Prof_Calc_1(p.model, p.store, p.options);
  windowEngine.Prof_Calc_2(p.model, p.store, p.options);
  const LayerModel modelBefore = p.model;
  const DataStore storeBefore = p.store;

  FitWorkspace ws;
  test::RecordingObserver cancelling(5);
  auto run = GetParam().make(ws, p);
  EXPECT_EQ(runToEnd(*run, &cancelling), RunOutcome::Cancelled);
  EXPECT_EQ(cancelling.seen.size(), 5u);
  EXPECT_FALSE(run->finished());
  test::expectSameModel(p.model, modelBefore);
  test::expectSameStore(p.store, storeBefore);
  // The window's engine still gives the curves it gave.
  windowEngine.Prof_Calc_2(p.model, p.store, p.options);
  test::expectSameStore(p.store, storeBefore);

  auto again = GetParam().make(ws, p);
  runToEnd(*again);
  FitWorkspace fresh;
  auto reference = GetParam().make(fresh, p);
  runToEnd(*reference);
  EXPECT_EQ(GetParam().outcome(*again), GetParam().outcome(*reference));
}

INSTANTIATE_TEST_SUITE_P(Runs, EveryRun,
                         ::testing::Values(RunKind{makeScan, scanOutcome, "ParameterScan"},
                                           RunKind{makeConstrained, constrainedOutcome,
                                                   "ConstrainedFit"}),
                         [](const auto& tc) { return std::string(tc.param.name); });

}  // namespace
}  // namespace lumo::fitting
