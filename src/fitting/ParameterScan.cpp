#include "fitting/ParameterScan.h"

#include <algorithm>
#include <stdexcept>

namespace lumo::fitting {

std::int64_t scanTrialCount(const ScrollRange& range) {
  if (range.Max < range.Min) return 0;
  const std::int64_t span = static_cast<std::int64_t>(range.Max) - range.Min;
  return span / std::max(range.SmallChange, 1) + 1;
}

ParameterScan::ParameterScan(FitWorkspace& workspace, const FitStart& start,
                             const ParameterScanRequest& request)
    : ws_(workspace), request_(request), step_(std::max(request.range.SmallChange, 1)) {
  if (!isParameterOf(start.model, request.family, request.index))
    throw std::invalid_argument("the scanned parameter is not part of the model");
  bestValue_ = request.range.Min;
  progress_.total = scanTrialCount(request.range);
  progress_.trialSize = 1;
  ws_.load(start);
}

bool ParameterScan::step(std::int64_t maxEvaluations) {
  for (std::int64_t n = 0; n < maxEvaluations && !finished(); ++n)
    evaluate(static_cast<int>(request_.range.Min + progress_.done * step_));
  return finished();
}

void ParameterScan::evaluate(int value) {
  storeScrollValue(ws_.model, request_.family, request_.index, value);
  prepareAfterChange(ws_.engine, ws_.model, ws_.store, request_.family, request_.index);
  const float total = ws_.calculate();
  if (best_.offer(total)) bestValue_ = value;
  ++progress_.done;
  progress_.trial[0] = value;
  progress_.trialTotal = total;
  progress_.bestTotal = best_.total();
}

ParameterScanResult ParameterScan::result() const {
  return {bestValue_, best_.total(), progress_.done};
}

}  // namespace lumo::fitting
