#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstring>
#include <limits>
#include <utility>
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

std::unique_ptr<FitRun> make(Kind kind, FitWorkers& ws, const FitProblem& p) {
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

// Driven in slices of any size, on any number of workers, a run ends exactly as when
// run in one go on one: the same best values and the same best total, to the last bit,
// and the same last trial shown.
TEST_P(EveryRun, InSlicesOnAnyNumberOfWorkersEndsExactlyAsInOneGoOnOne) {
  const FitProblem p = problem();
  FitWorkers one(1);
  auto whole = make(GetParam(), one, p);
  ASSERT_EQ(runToEnd(*whole), RunOutcome::Finished);
  const std::vector<double> expected = outcome(*whole);
  EXPECT_EQ(whole->progress().done, whole->progress().total);
  for (int workers : {1, 2, 3}) {
    FitWorkers ws(workers);
    for (std::int64_t slice : {1, 7, 1000}) {
      auto run = make(GetParam(), ws, p);
      int calls = 0;
      while (!run->step(slice)) ++calls;
      EXPECT_EQ(outcome(*run), expected) << workers << " workers, slices of " << slice;
      EXPECT_EQ(run->progress().trial, whole->progress().trial);
      EXPECT_EQ(run->progress().trialTotal, whole->progress().trialTotal);
      EXPECT_GE(calls, slice == 1 ? run->progress().total - 1 : 0);
    }
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

  FitWorkers ws;
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
  FitWorkers fresh;
  auto reference = make(GetParam(), fresh, p);
  runToEnd(*reference);
  EXPECT_EQ(outcome(*again), outcome(*reference));
}

// Trials spread over any number of workers are each evaluated once, and merge to what
// evaluating them in order gives: the first index of the smallest total (no NaN or
// infinity wins) and the total of the last index.
TEST(FitWorkers, TrialsMergeToTheFirstBestWhateverTheWorkers) {
  std::vector<float> totals(100);
  for (size_t i = 0; i < totals.size(); ++i) totals[i] = static_cast<float>((i * 37) % 11 + 1);
  totals[3] = totals[9] = std::nanf("");
  totals[37] = totals[80] = totals[91] = 0.5f;                 // equal bests
  totals[99] = std::numeric_limits<float>::infinity();
  for (int count : {1, 2, 3}) {
    FitWorkers workers(count);
    for (auto [first, n] : {std::pair<std::int64_t, std::int64_t>{0, 100}, {38, 60}, {92, 8}, {3, 1}}) {
      std::vector<std::atomic<int>> seen(totals.size());
      const TrialsOutcome outcome = runTrials(workers, first, n, [&](int, std::int64_t i) {
        seen[static_cast<size_t>(i)]++;
        return totals[static_cast<size_t>(i)];
      });
      BestTrial best;
      std::int64_t bestIndex = -1;
      for (std::int64_t i = first; i < first + n; ++i) {
        EXPECT_EQ(seen[static_cast<size_t>(i)], 1) << i;
        if (best.offer(totals[static_cast<size_t>(i)])) bestIndex = i;
      }
      EXPECT_EQ(outcome.bestIndex, bestIndex) << count << " workers from " << first;
      EXPECT_EQ(outcome.bestTotal, best.total());
      EXPECT_EQ(std::isnan(outcome.lastTotal), std::isnan(totals[static_cast<size_t>(first + n - 1)]));
      if (!std::isnan(outcome.lastTotal)) {
        EXPECT_EQ(outcome.lastTotal, totals[static_cast<size_t>(first + n - 1)]);
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Runs, EveryRun, ::testing::Values(Kind::Scan, Kind::Constrained),
                         [](const auto& tc) {
                           return tc.param == Kind::Scan ? "ParameterScan" : "ConstrainedFit";
                         });

}  // namespace
}  // namespace lumo::fitting
