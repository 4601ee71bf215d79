#pragma once
// Drives a fit on the window's own thread, in slices of time: each tick makes
// evaluations until the slice has passed (at least one), then returns, so that the
// window repaints and reads its input between slices. A run that is still going after a
// short while asks for its progress to be shown; one that ends sooner never shows any.
//
// Evaluations are asked for in steps whose size follows their cost, so that a step
// takes about a sixteenth to a quarter of a slice: a run can spread a step over its
// workers, and the clock is read once a step rather than once an evaluation.
//
// The controller only steps the run it is given. Stopping is simply not ticking any
// more: a run works on its own workspace, so dropping it changes nothing else.
#include <chrono>
#include <cstdint>

#include "fitting/FitRun.h"
#include "platform/Clock.h"

namespace lumo::fitting {

struct SliceTiming {
  std::chrono::microseconds slice{15000};          // one tick's share of the thread
  std::chrono::microseconds progressAfter{500000};  // runs longer than this show progress
};

class FitController {
 public:
  explicit FitController(Clock& clock, SliceTiming timing = {});

  // Takes on `run` (which must outlive the controller's use of it) and notes the time.
  void start(FitRun& run);
  bool running() const { return run_ != nullptr; }
  // One slice of evaluations. True when the run has finished; the controller then lets
  // go of it. Does nothing (and returns false) when no run is going.
  bool tick();
  // Lets go of the run, finished or not.
  void stop();

  // True once a run has gone on longer than progressAfter (decided at the end of each
  // tick), until it stops.
  bool progressVisible() const { return progressVisible_; }
  int ticks() const { return ticks_; }

 private:
  Clock& clock_;
  SliceTiming timing_;
  void adaptStep(Clock::time_point::duration took);

  FitRun* run_ = nullptr;
  std::int64_t stepSize_ = 1;
  Clock::time_point started_{};
  bool progressVisible_ = false;
  int ticks_ = 0;
};

}  // namespace lumo::fitting
