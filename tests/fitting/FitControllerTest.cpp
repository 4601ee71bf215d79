// The slice driver: how much a tick does, when progress shows, and letting go of a run.
#include <gtest/gtest.h>

#include "fitting/FitController.h"

namespace lumo::fitting {
namespace {

using std::chrono::milliseconds;

// A run of `total` evaluations that does nothing but count them.
class CountingRun : public FitRun {
 public:
  explicit CountingRun(std::int64_t total) { progress_.total = total; }
  bool step(std::int64_t maxEvaluations) override {
    for (std::int64_t n = 0; n < maxEvaluations && !finished(); ++n) ++progress_.done;
    return finished();
  }
  bool finished() const override { return progress_.done == progress_.total; }
  const FitProgress& progress() const override { return progress_; }

 private:
  FitProgress progress_;
};

// Time spent elsewhere does not shorten the next slice; once stopped, ticks do nothing.
TEST(FitController, ATickRunsUntilItsSliceHasPassed) {
  SteppingClock clock{milliseconds(1)};  // every evaluation reads the clock once
  FitController controller(clock, {milliseconds(15), milliseconds(500)});
  CountingRun run(100);
  controller.start(run);
  EXPECT_FALSE(controller.tick());
  EXPECT_EQ(run.progress().done, 15);
  clock.advance(milliseconds(40));
  EXPECT_FALSE(controller.tick());
  EXPECT_EQ(run.progress().done, 30);
  controller.stop();
  EXPECT_FALSE(controller.running());
  EXPECT_FALSE(controller.tick());
  EXPECT_EQ(run.progress().done, 30);
}

TEST(FitController, ASlowEvaluationStillAdvancesTheRun) {
  SteppingClock clock{milliseconds(100)};
  FitController controller(clock, {milliseconds(15), milliseconds(500)});
  CountingRun run(3);
  controller.start(run);
  int ticks = 0;
  while (!controller.tick()) ++ticks;
  EXPECT_EQ(ticks, 2);
  EXPECT_TRUE(run.finished());
  EXPECT_FALSE(controller.running());
}

TEST(FitController, ProgressShowsOnlyOnceARunHasGoneOnForAWhile) {
  SteppingClock clock{milliseconds(1)};
  FitController controller(clock, {milliseconds(15), milliseconds(500)});
  CountingRun quick(400);
  controller.start(quick);
  while (!controller.tick()) EXPECT_FALSE(controller.progressVisible());

  CountingRun slow(2000);
  controller.start(slow);
  std::int64_t firstShown = -1;
  while (!controller.tick())
    if (controller.progressVisible() && firstShown < 0) firstShown = slow.progress().done;
  // 500 ms on a clock read once per evaluation and once per tick.
  EXPECT_GE(firstShown, 460);
  EXPECT_LE(firstShown, 500);
  EXPECT_FALSE(controller.progressVisible());  // gone with the run
}

}  // namespace
}  // namespace lumo::fitting
