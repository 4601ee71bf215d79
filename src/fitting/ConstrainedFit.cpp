#include "fitting/ConstrainedFit.h"

namespace lumo::fitting {

ConstrainedFit::ConstrainedFit(FitWorkspace& workspace, const FitStart& start,
                               const ConstrainedFitPlan& plan)
    : ws_(workspace), plan_(plan), search_(plan), bestThickness_(plan.min) {
  progress_.total = constrainedEvaluationCount(plan);
  progress_.trialSize = plan.count;
  ws_.load(start);
  for (int k = 1; k <= plan_.count; ++k)
    ws_.model.Thickness[static_cast<size_t>(plan_.layer[static_cast<size_t>(k)])] =
        static_cast<float>(plan_.min[static_cast<size_t>(k)]);
}

bool ConstrainedFit::step(std::int64_t maxEvaluations) {
  for (std::int64_t n = 0; n < maxEvaluations && !finished_; ++n) {
    if (search_.next())
      evaluate();
    else
      finished_ = true;
  }
  return finished_;
}

void ConstrainedFit::evaluate() {
  for (int k = 1; k <= plan_.count; ++k) {
    const int t = search_.thickness(k);
    ws_.model.Thickness[static_cast<size_t>(plan_.layer[static_cast<size_t>(k)])] =
        static_cast<float>(t);
    progress_.trial[static_cast<size_t>(k - 1)] = t;
  }
  ws_.engine.Prof_Calc_1_ThicknessChange(ws_.model, ws_.store, plan_.layer[1]);
  const float total = ws_.calculate();
  if (best_.offer(total))
    for (int k = 1; k <= plan_.count; ++k)
      bestThickness_[static_cast<size_t>(k)] = search_.thickness(k);
  ++progress_.done;
  progress_.trialTotal = total;
  progress_.bestTotal = best_.total();
}

ConstrainedFitResult ConstrainedFit::result() const {
  ConstrainedFitResult r;
  r.count = plan_.count;
  r.layer = plan_.layer;
  r.thickness = bestThickness_;
  r.bestTotal = best_.total();
  r.evaluations = progress_.done;
  return r;
}

}  // namespace lumo::fitting
