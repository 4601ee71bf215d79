#include "fitting/FitRun.h"

namespace lumo::fitting {

RunOutcome runToEnd(FitRun& run, FitObserver* observer) {
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
