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

#include "fitting/BestTrial.h"
#include "fitting/ConstrainedFitPlan.h"
#include "fitting/ConstrainedSearch.h"
#include "fitting/FitRun.h"
#include "fitting/FitWorkspace.h"

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
  // Loads `workspace` from `start` with the selected layers at their Min. `plan` must
  // come from planConstrainedFit for the same model.
  ConstrainedFit(FitWorkspace& workspace, const FitStart& start, const ConstrainedFitPlan& plan);

  bool step(std::int64_t maxEvaluations) override;
  bool finished() const override { return finished_; }
  const FitProgress& progress() const override { return progress_; }

  // The outcome of the fit; complete once finished().
  ConstrainedFitResult result() const;

 private:
  void evaluate();

  FitWorkspace& ws_;
  ConstrainedFitPlan plan_;
  ConstrainedSearch search_;
  BestTrial best_;
  std::array<int, kMaxConstrainedLayers + 1> bestThickness_{};
  FitProgress progress_;
  bool finished_ = false;
};

}  // namespace lumo::fitting
