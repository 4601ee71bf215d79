#pragma once
// The scan of one layer parameter (a click on a blue parameter label): every scroll
// value from Min to Max in steps of SmallChange is tried, and the one with the smallest
// total residual wins, the first (lowest) among equal totals.
//
// The caller then sets the parameter's scroll bar to bestValue, which stores the
// parameter, updates its text box and recalculates as after any change.
#include <cstdint>

#include "fitting/BestTrial.h"
#include "fitting/FitRun.h"
#include "fitting/FitWorkers.h"
#include "fitting/LayerParameter.h"
#include "fitting/ScrollRange.h"

namespace lumo::fitting {

struct ParameterScanRequest {
  ParameterFamily family = ParameterFamily::Thickness;
  int index = 1;  // layer 1..NumLayers; roughness also 0
  ScrollRange range;
};

struct ParameterScanResult {
  int bestValue = 0;  // the scroll value to set; Min when no total was finite
  float bestTotal = 0.0f;
  std::int64_t trials = 0;
};

// Number of trials: the whole part of (Max − Min) / SmallChange, plus 1; none when
// Max < Min. A SmallChange below 1 (which a scroll bar refuses) counts as 1.
std::int64_t scanTrialCount(const ScrollRange& range);

class ParameterScan : public FitRun {
 public:
  // Loads every workspace of `workers` from `start`, focused on the scanned layer. Throws
  // std::invalid_argument when the request names no parameter of the model.
  ParameterScan(FitWorkers& workers, const FitStart& start, const ParameterScanRequest& request);

  bool step(std::int64_t maxEvaluations) override;
  bool finished() const override { return progress_.done == progress_.total; }
  const FitProgress& progress() const override { return progress_; }

  // The outcome of the scan; complete once finished().
  ParameterScanResult result() const;

 private:
  int valueAt(std::int64_t trial) const;
  float evaluate(FitWorkspace& ws, std::int64_t trial) const;

  FitWorkers& workers_;
  ParameterScanRequest request_;
  int step_ = 1;
  BestTrial best_;
  int bestValue_ = 0;
  FitProgress progress_;
};

}  // namespace lumo::fitting
