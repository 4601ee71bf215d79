#pragma once
// The constrained thickness fit: the thicknesses of up to five selected layers searched
// together on a grid of whole ångströms (ConstrainedSearch), keeping the combination with
// the smallest total residual (strictly smaller wins, so the first of equal totals).
//
// The result is exactly the winning combination, whose thicknesses sum to within
// Start..Finish. With no combination inside the bounds every position keeps its Min.
//
// The caller writes the result back through the thickness scroll bars: with the
// calculation paused, positions 2..count; then, unpaused, position 1, which stores the
// thicknesses and recalculates once as after any change.
#include <array>
#include <cstdint>
#include <vector>

#include "fitting/BestTrial.h"
#include "fitting/ConstrainedFitPlan.h"
#include "fitting/ConstrainedSearch.h"
#include "fitting/FitRun.h"
#include "fitting/FitWorkers.h"

namespace lumo::fitting {

struct ConstrainedFitResult {
  int count = 0;
  std::array<int, kMaxConstrainedLayers + 1> layer{};      // positions 1..count
  std::array<int, kMaxConstrainedLayers + 1> thickness{};  // best thickness of each position
  float bestTotal = 0.0f;                                  // +infinity when nothing was evaluated
  std::int64_t evaluations = 0;
};

class ConstrainedFit : public FitRun {
 public:
  // Loads every workspace of `workers` from `start` with the selected layers at their Min,
  // focused on the deepest of them. `plan` must come from planConstrainedFit for the same
  // model.
  ConstrainedFit(FitWorkers& workers, const FitStart& start, const ConstrainedFitPlan& plan);

  bool step(std::int64_t maxEvaluations) override;
  bool finished() const override { return finished_; }
  const FitProgress& progress() const override { return progress_; }

  // The outcome of the fit; complete once finished().
  ConstrainedFitResult result() const;

 private:
  // A worker's place in the walk: the search and the index of its combination.
  struct Cursor {
    ConstrainedSearch search;
    std::int64_t index = -1;
    void advanceTo(std::int64_t target);
  };

  float evaluate(int worker, std::int64_t index);
  void follow(std::int64_t last, std::int64_t bestIndex);

  FitWorkers& workers_;
  ConstrainedFitPlan plan_;
  std::vector<Cursor> cursors_;  // per worker
  Cursor trail_;                 // the walk as far as the last evaluation
  BestTrial best_;
  std::array<int, kMaxConstrainedLayers + 1> bestThickness_{};
  FitProgress progress_;
  bool finished_ = false;
};

}  // namespace lumo::fitting
