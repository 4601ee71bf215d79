#include "fitting/FitController.h"

namespace lumo::fitting {

FitController::FitController(Clock& clock, SliceTiming timing) : clock_(clock), timing_(timing) {}

void FitController::start(FitRun& run) {
  run_ = &run;
  started_ = clock_.now();
  progressVisible_ = false;
  ticks_ = 0;
}

bool FitController::tick() {
  if (!run_) return false;
  ++ticks_;
  const Clock::time_point end = clock_.now() + timing_.slice;
  Clock::time_point now{};
  do {
    run_->step(1);
    now = clock_.now();
  } while (!run_->finished() && now < end);
  if (run_->finished()) {
    stop();
    return true;
  }
  if (now - started_ >= timing_.progressAfter) progressVisible_ = true;
  return false;
}

void FitController::stop() {
  run_ = nullptr;
  progressVisible_ = false;
}

}  // namespace lumo::fitting
