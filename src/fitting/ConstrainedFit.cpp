#include "fitting/ConstrainedFit.h"

#include <algorithm>

namespace lumo::fitting {

ConstrainedFit::ConstrainedFit(FitWorkers& workers, const FitStart& start,
                               const ConstrainedFitPlan& plan)
    : workers_(workers),
      plan_(plan),
      cursors_(static_cast<size_t>(workers.count()), Cursor{ConstrainedSearch(plan)}),
      trail_{ConstrainedSearch(plan)},
      bestThickness_(plan.min) {
  progress_.total = constrainedEvaluationCount(plan);
  progress_.trialSize = plan.count;
  workers_.loadAll(start, plan.layer[static_cast<size_t>(plan.count)]);
  for (int w = 0; w < workers_.count(); ++w)
    for (int k = 1; k <= plan_.count; ++k)
      workers_.workspace(w).model.Thickness[static_cast<size_t>(plan_.layer[static_cast<size_t>(k)])] =
          static_cast<float>(plan_.min[static_cast<size_t>(k)]);
  finished_ = progress_.total == 0;
}

void ConstrainedFit::Cursor::advanceTo(std::int64_t target) {
  while (index < target && search.next()) ++index;
}

bool ConstrainedFit::step(std::int64_t maxEvaluations) {
  const std::int64_t count = std::min(maxEvaluations, progress_.total - progress_.done);
  if (count > 0) {
    const TrialsOutcome outcome = runTrials(
        workers_, progress_.done, count,
        [this](int worker, std::int64_t index) { return evaluate(worker, index); });
    follow(progress_.done + count - 1, outcome.bestIndex >= 0 && best_.offer(outcome.bestTotal)
                                           ? outcome.bestIndex
                                           : -1);
    progress_.done += count;
    progress_.trialTotal = outcome.lastTotal;
    progress_.bestTotal = best_.total();
  }
  finished_ = progress_.done >= progress_.total;
  return finished_;
}

// Walks the trail to the last evaluation of a step, noting the new best on the way, and
// shows the last combination.
void ConstrainedFit::follow(std::int64_t last, std::int64_t bestIndex) {
  while (trail_.index < last && trail_.search.next()) {
    ++trail_.index;
    if (trail_.index == bestIndex)
      for (int k = 1; k <= plan_.count; ++k)
        bestThickness_[static_cast<size_t>(k)] = trail_.search.thickness(k);
  }
  for (int k = 1; k <= plan_.count; ++k)
    progress_.trial[static_cast<size_t>(k - 1)] = trail_.search.thickness(k);
}

float ConstrainedFit::evaluate(int worker, std::int64_t index) {
  Cursor& cursor = cursors_[static_cast<size_t>(worker)];
  cursor.advanceTo(index);
  FitWorkspace& ws = workers_.workspace(worker);
  for (int k = 1; k <= plan_.count; ++k)
    ws.model.Thickness[static_cast<size_t>(plan_.layer[static_cast<size_t>(k)])] =
        static_cast<float>(cursor.search.thickness(k));
  ws.engine.Prof_Calc_1_ThicknessChange(ws.model, ws.store, plan_.layer[1]);
  return ws.calculate();
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
