#include "fitting/ParameterScan.h"

#include <algorithm>
#include <stdexcept>

namespace lumo::fitting {

std::int64_t scanTrialCount(const ScrollRange& range) {
  if (range.Max < range.Min) return 0;
  const std::int64_t span = static_cast<std::int64_t>(range.Max) - range.Min;
  return span / std::max(range.SmallChange, 1) + 1;
}

ParameterScan::ParameterScan(FitWorkers& workers, const FitStart& start,
                             const ParameterScanRequest& request)
    : workers_(workers), request_(request), step_(std::max(request.range.SmallChange, 1)) {
  if (!isParameterOf(start.model, request.family, request.index))
    throw std::invalid_argument("the scanned parameter is not part of the model");
  bestValue_ = request.range.Min;
  progress_.total = scanTrialCount(request.range);
  progress_.trialSize = 1;
  workers_.loadAll(start, request.index);
}

bool ParameterScan::step(std::int64_t maxEvaluations) {
  const std::int64_t count = std::min(maxEvaluations, progress_.total - progress_.done);
  if (count <= 0) return finished();
  const TrialsOutcome outcome =
      runTrials(workers_, progress_.done, count, [this](int worker, std::int64_t trial) {
        return evaluate(workers_.workspace(worker), trial);
      });
  if (outcome.bestIndex >= 0 && best_.offer(outcome.bestTotal)) bestValue_ = valueAt(outcome.bestIndex);
  progress_.done += count;
  progress_.trial[0] = valueAt(progress_.done - 1);
  progress_.trialTotal = outcome.lastTotal;
  progress_.bestTotal = best_.total();
  return finished();
}

int ParameterScan::valueAt(std::int64_t trial) const {
  return static_cast<int>(request_.range.Min + trial * step_);
}

float ParameterScan::evaluate(FitWorkspace& ws, std::int64_t trial) const {
  storeScrollValue(ws.model, request_.family, request_.index, valueAt(trial));
  prepareAfterChange(ws.engine, ws.model, ws.store, request_.family, request_.index);
  return ws.calculate();
}

ParameterScanResult ParameterScan::result() const {
  return {bestValue_, best_.total(), progress_.done};
}

}  // namespace lumo::fitting
