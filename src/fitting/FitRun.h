#pragma once
// Progress, cancellation and stepping shared by the fits.
//
// A run does its work in evaluations (one calculation of every data set and its total
// residual). It can be driven in two ways:
//  - in slices: the caller calls step(n) repeatedly, for example from a zero-delay timer
//    on the GUI thread, reading progress() in between and simply stopping to cancel;
//  - to the end: runToEnd() evaluates everything, or, with an observer, one at a time,
//    asking the observer after each evaluation whether to go on.
// A step spreads its evaluations over the run's FitWorkers (one per core) and returns
// when all are done. A run works only on the workers' workspaces, never on the caller's
// model or data, so a cancelled run has changed nothing the window shows; and a run
// finished in slices of any size, on any number of workers, gives exactly the result of
// one finished in one go on one.
#include <array>
#include <cstdint>
#include <limits>

namespace lumo::fitting {

inline constexpr int kMaxConstrainedLayers = 5;

struct FitProgress {
  std::int64_t done = 0;                                      // evaluations made
  std::int64_t total = 0;                                     // evaluations the whole run makes
  float bestTotal = std::numeric_limits<float>::infinity();   // smallest total so far
  float trialTotal = std::numeric_limits<float>::infinity();  // total of the last evaluation
  // Values of the last evaluation: the scroll value of a scanned parameter, or the
  // thickness of each selected layer of the constrained fit (positions 0..trialSize-1).
  std::array<int, kMaxConstrainedLayers> trial{};
  int trialSize = 0;
};

class FitObserver {
 public:
  virtual ~FitObserver() = default;
  // Told after every evaluation; returning false cancels the run.
  virtual bool proceed(const FitProgress& progress) = 0;
};

class FitRun {
 public:
  virtual ~FitRun() = default;
  // Makes up to `maxEvaluations` further evaluations; true once the run is complete.
  virtual bool step(std::int64_t maxEvaluations) = 0;
  virtual bool finished() const = 0;
  virtual const FitProgress& progress() const = 0;
};

enum class RunOutcome { Finished, Cancelled };

// Steps the run to its end, asking the observer (if any) after each evaluation.
RunOutcome runToEnd(FitRun& run, FitObserver* observer = nullptr);

}  // namespace lumo::fitting
