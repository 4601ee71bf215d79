#include "model/FitCurve.h"

#include <cmath>

#include "model/CalcGrid.h"
#include "model/ReflectivityEngine.h"

namespace lumo {
namespace {

double linear(double v, bool logarithm) { return logarithm ? std::pow(10.0, v) : v; }

}  // namespace

std::string fitGridProblem(double points, double q1, double q2) {
  if (!(points == std::floor(points) && isValidGridPointCount(points)))
    return "The Number of Points must be a whole number from 1 to 512.";
  if (!(q1 >= 0 && q1 <= 0.5)) return "Q Start must lie from 0 to 0.5.";
  if (!(q2 <= 0.5)) return "Q Finish must not be above 0.5.";
  if (!(q2 > q1)) return "Q Finish must be above Q Start.";
  return {};
}

FitCurve calculateFitCurve(const LayerModel& model, const DataSet& set, int slot,
                           const FitCurveRequest& request, CalcOptions options) {
  // Slot `slot` alone: the slots before it hold no points and cost nothing.
  auto store = std::make_unique<DataStore>();
  DataSet& scratch = (*store)[slot];
  scratch = set;
  store->NumDataSets = slot;
  store->FirstCalcSet = store->LastCalcSet = slot;
  options.residualOn = false;
  options.gridMode = !request.originalPoints;
  if (options.gridMode) {
    options.gridPoints = request.gridPoints;
    buildGrid(scratch, request.gridPoints, request.q1, request.q2);
  }
  const auto engine = std::make_unique<ReflectivityEngine>();
  engine->Prof_Calc_1(model, *store, options);
  engine->Prof_Calc_2(model, *store, options);

  FitCurve curve;
  curve.withData = request.originalPoints && request.withData;
  curve.count = options.gridMode ? request.gridPoints : set.NumPoints;
  for (int pt = scratch.CalcFirst; pt <= scratch.CalcLast; ++pt) {
    FitCurveLine line;
    line.q = options.gridMode ? scratch.GridQ[pt] : linear(scratch.DataQ[pt], options.logX);
    line.calcR = linear(scratch.CalcR[pt], options.logY);
    if (curve.withData) {
      line.r = linear(scratch.DataR[pt], options.logY);
      line.dr = scratch.DataErr[pt];
    }
    curve.lines.push_back(line);
  }
  return curve;
}

}  // namespace lumo
