// The slice driver: how much a tick does, how it groups evaluations into steps, when
// progress shows, and letting go of a run.
#include <gtest/gtest.h>

#include "fitting/FitController.h"

namespace lumo::fitting {
namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;

// A run of `total` evaluations that only counts them, each taking `cost` on the clock;
// it records the size of every step it is asked for.
class TimedRun : public FitRun {
 public:
  TimedRun(SteppingClock& clock, microseconds cost, std::int64_t total) : clock_(clock), cost_(cost) {
    progress_.total = total;
  }
  bool step(std::int64_t maxEvaluations) override {
    steps.push_back(maxEvaluations);
    for (std::int64_t n = 0; n < maxEvaluations && !finished(); ++n) {
      ++progress_.done;
      clock_.advance(cost_);
    }
    return finished();
  }
  bool finished() const override { return progress_.done == progress_.total; }
  const FitProgress& progress() const override { return progress_; }
  std::vector<std::int64_t> steps;

 private:
  SteppingClock& clock_;
  microseconds cost_;
  FitProgress progress_;
};

const SliceTiming kTiming{milliseconds(15), milliseconds(500)};

// Evaluations of 1 ms go one at a time; time spent elsewhere does not shorten the next
// slice; once stopped, ticks do nothing.
TEST(FitController, ATickRunsUntilItsSliceHasPassed) {
  SteppingClock clock{microseconds(0)};
  FitController controller(clock, kTiming);
  TimedRun run(clock, milliseconds(1), 100);
  controller.start(run);
  EXPECT_FALSE(controller.tick());
  EXPECT_EQ(run.progress().done, 15);
  clock.advance(milliseconds(40));
  EXPECT_FALSE(controller.tick());
  EXPECT_EQ(run.progress().done, 30);
  EXPECT_EQ(run.steps, std::vector<std::int64_t>(30, 1));
  controller.stop();
  EXPECT_FALSE(controller.running());
  EXPECT_FALSE(controller.tick());
  EXPECT_EQ(run.progress().done, 30);
}

// Quick evaluations are asked for in growing steps, so that a run can share a step
// among its workers; a tick still ends within a quarter slice of its end.
TEST(FitController, QuickEvaluationsGoInStepsOfAFewMilliseconds) {
  SteppingClock clock{microseconds(0)};
  FitController controller(clock, kTiming);
  TimedRun run(clock, microseconds(10), 100000);
  controller.start(run);
  const auto before = clock.now();
  EXPECT_FALSE(controller.tick());
  const auto took = clock.now() - before;
  EXPECT_GE(took, milliseconds(15));
  EXPECT_LE(took, milliseconds(15) + microseconds(3750));
  EXPECT_LT(run.steps.size(), 20u);
  EXPECT_GE(run.steps.back(), 64);  // 0.64 ms or more
  EXPECT_LE(run.steps.back(), 375);
}

TEST(FitController, ASlowEvaluationStillAdvancesTheRun) {
  SteppingClock clock{microseconds(0)};
  FitController controller(clock, kTiming);
  TimedRun run(clock, milliseconds(100), 3);
  controller.start(run);
  int ticks = 0;
  while (!controller.tick()) ++ticks;
  EXPECT_EQ(ticks, 2);
  EXPECT_TRUE(run.finished());
  EXPECT_FALSE(controller.running());
}

TEST(FitController, ProgressShowsOnlyOnceARunHasGoneOnForAWhile) {
  SteppingClock clock{microseconds(0)};
  FitController controller(clock, kTiming);
  TimedRun quick(clock, milliseconds(1), 400);
  controller.start(quick);
  while (!controller.tick()) EXPECT_FALSE(controller.progressVisible());

  TimedRun slow(clock, milliseconds(1), 2000);
  controller.start(slow);
  std::int64_t firstShown = -1;
  while (!controller.tick())
    if (controller.progressVisible() && firstShown < 0) firstShown = slow.progress().done;
  EXPECT_GE(firstShown, 500);  // 500 ms of evaluations of 1 ms
  EXPECT_LE(firstShown, 515);
  EXPECT_FALSE(controller.progressVisible());  // gone with the run
}

}  // namespace
}  // namespace lumo::fitting
