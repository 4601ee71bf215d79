#include "fitting/FitRun.h"

#include <limits>

namespace lumo::fitting {

RunOutcome runToEnd(FitRun& run, FitObserver* observer) {
  // Without an observer the run may spread all its evaluations over its workers at once.
  if (!observer) {
    while (!run.finished()) run.step(std::numeric_limits<std::int64_t>::max());
    return RunOutcome::Finished;
  }
  while (!run.finished()) {
    const std::int64_t before = run.progress().done;
    run.step(1);
    const bool evaluated = run.progress().done != before;
    if (observer && evaluated && !observer->proceed(run.progress()) && !run.finished())
      return RunOutcome::Cancelled;
  }
  return RunOutcome::Finished;
}

}  // namespace lumo::fitting
