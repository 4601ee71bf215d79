#include "fitting/FitController.h"

namespace lumo::fitting {

FitController::FitController(Clock& clock, SliceTiming timing) : clock_(clock), timing_(timing) {}

void FitController::start(FitRun& run) {
  run_ = &run;
  stepSize_ = 1;
  started_ = clock_.now();
  progressVisible_ = false;
  ticks_ = 0;
}

bool FitController::tick() {
  if (!run_) return false;
  ++ticks_;
  Clock::time_point now = clock_.now();
  const Clock::time_point end = now + timing_.slice;
  do {
    const Clock::time_point before = now;
    run_->step(stepSize_);
    now = clock_.now();
    adaptStep(now - before);
  } while (!run_->finished() && now < end);
  if (run_->finished()) {
    stop();
    return true;
  }
  if (now - started_ >= timing_.progressAfter) progressVisible_ = true;
  return false;
}

void FitController::adaptStep(Clock::time_point::duration took) {
  constexpr std::int64_t kLargestStep = std::int64_t{1} << 20;
  if (took < timing_.slice / 16 && stepSize_ < kLargestStep)
    stepSize_ *= 2;
  else if (took > timing_.slice / 4 && stepSize_ > 1)
    stepSize_ /= 2;
}

void FitController::stop() {
  run_ = nullptr;
  progressVisible_ = false;
}

}  // namespace lumo::fitting
