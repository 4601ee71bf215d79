#include <gtest/gtest.h>

#include <cstring>
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

enum class Kind { Scan, Constrained };

std::unique_ptr<FitRun> make(Kind kind, FitWorkspace& ws, const FitProblem& p) {
  if (kind == Kind::Scan)
    return std::make_unique<ParameterScan>(
        ws, test::startOf(p), ParameterScanRequest{ParameterFamily::SLD, 2, {0, 200, 3}});
  const ConstrainedFitPlan plan{2, {0, 1, 2}, {0, 5, 30}, {0, 20, 45}, 40, 55};
  return std::make_unique<ConstrainedFit>(ws, test::startOf(p, ResidualMeasure::ChiSquared), plan);
}

// What identifies the outcome of a finished run.
std::vector<double> outcome(const FitRun& run) {
  if (const auto* scan = dynamic_cast<const ParameterScan*>(&run)) {
    const auto r = scan->result();
    return {static_cast<double>(r.bestValue), r.bestTotal, static_cast<double>(r.trials)};
  }
  const auto r = dynamic_cast<const ConstrainedFit&>(run).result();
  return {static_cast<double>(r.thickness[1]), static_cast<double>(r.thickness[2]), r.bestTotal,
          static_cast<double>(r.evaluations)};
}

class EveryRun : public ::testing::TestWithParam<Kind> {};

// Driven in slices of any size, a run ends exactly as when run in one go.
TEST_P(EveryRun, InSlicesEndsExactlyAsInOneGo) {
  const FitProblem p = problem();
  FitWorkspace ws;
  auto whole = make(GetParam(), ws, p);
  ASSERT_EQ(runToEnd(*whole), RunOutcome::Finished);
  const std::vector<double> expected = outcome(*whole);
  EXPECT_EQ(whole->progress().done, whole->progress().total);
  for (std::int64_t slice : {1, 7, 1000}) {
    auto run = make(GetParam(), ws, p);
    int calls = 0;
    while (!run->step(slice)) ++calls;
    EXPECT_EQ(outcome(*run), expected) << "slices of " << slice;
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
  auto run = make(GetParam(), ws, p);
  EXPECT_EQ(runToEnd(*run, &cancelling), RunOutcome::Cancelled);
  EXPECT_EQ(cancelling.seen.size(), 5u);
  EXPECT_FALSE(run->finished());
  EXPECT_EQ(0, std::memcmp(&p.model, &modelBefore, sizeof modelBefore));  // every field
  test::expectSameStore(p.store, storeBefore);
  // The window's engine still gives the curves it gave.
  windowEngine.Prof_Calc_2(p.model, p.store, p.options);
  test::expectSameStore(p.store, storeBefore);

  auto again = make(GetParam(), ws, p);
  runToEnd(*again);
  FitWorkspace fresh;
  auto reference = make(GetParam(), fresh, p);
  runToEnd(*reference);
  EXPECT_EQ(outcome(*again), outcome(*reference));
}

INSTANTIATE_TEST_SUITE_P(Runs, EveryRun, ::testing::Values(Kind::Scan, Kind::Constrained),
                         [](const auto& tc) {
                           return tc.param == Kind::Scan ? "ParameterScan" : "ConstrainedFit";
                         });

}  // namespace
}  // namespace lumo::fitting
