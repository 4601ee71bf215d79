#pragma once
// The calculated curve that Save Fit writes for one data set: on the data's own points
// (optionally with the measured points beside it) or on an evenly spaced Q grid.
//
// The curve is calculated on a scratch copy of the data set, so the caller's store and
// calculation stay as they are; values held as logarithms in the store are written
// linear.
#include <memory>

#include "files/DataSet.h"
#include "files/ModelFileWriter.h"
#include "model/CalcOptions.h"
#include "model/LayerModel.h"

namespace lumo {

struct FitCurveRequest {
  bool originalPoints = true;  // "Use Original Points"; otherwise the grid below
  bool withData = false;       // "Save Data As Well" (on the data's points only)
  int gridPoints = 0;          // the grid: P points from q1 to q2, both ends included
  double q1 = 0, q2 = 0;
};

// The grid limits Save Fit accepts: 0 < P ≤ 512 (whole), 0 ≤ q1 ≤ 0.5, q2 ≤ 0.5, q2 > q1.
// Returns what is wrong, or an empty text.
std::string fitGridProblem(double points, double q1, double q2);

// Data set `slot` (contrast `slot` of the model) on its points or the grid. `options`
// carries the store's representation (logX: DataQ holds log10 Q; logY: DataR holds
// log10 R) and the kinematics; the calculation follows them as the window's does.
FitCurve calculateFitCurve(const LayerModel& model, const DataSet& set, int slot,
                           const FitCurveRequest& request, CalcOptions options);

}  // namespace lumo
