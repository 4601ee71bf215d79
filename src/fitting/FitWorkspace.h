#pragma once
// The copies of model, data and engine that a fitting run works on.
#include "files/DataSet.h"
#include "model/CalcOptions.h"
#include "model/LayerModel.h"
#include "model/ReflectivityEngine.h"

namespace lumo::fitting {

// What a run starts from: the window's model, data and calculation options when the run
// is asked for, and the residual measure it ranks by (the one chosen in the residual
// panel, whether or not the residual display is on). It is read only while a run is
// constructed, which copies it into the workspace.
struct FitStart {
  const LayerModel& model;
  const DataStore& store;
  CalcOptions options;
  ResidualMeasure measure = ResidualMeasure::LeastSquares;
};

// The working state of one worker of a run: a model, data and engine of its own, which
// the run changes freely. The window keeps them (fitting/FitWorkers.h) and lends them to
// each run, which saves allocating the engines (about 7 MB each) per run; two runs must
// not share them at once.
//
// A fit evaluates a trial by storing the trial's values in `model`, calling the engine's
// preparation variant for what changed (model/ReflectivityEngine.h) and calculate(). With
// the engine focused on the layer the trials change (ReflectivityEngine::setFocusLayer),
// each evaluation costs O(1) matrix work per point and its total depends only on the
// trial's model, so trials may be shared among workspaces in any order.
struct FitWorkspace {
  LayerModel model;
  DataStore store;
  CalcOptions options;
  ReflectivityEngine engine;

  // Copies the start state and prepares every contrast from scratch. The residual is
  // switched on with the run's measure, so that every evaluation computes the total it
  // is ranked by even while the display is off, and the curves are calculated on the
  // data's own points, where measured and calculated values meet.
  void load(const FitStart& start);

  // Prof_Calc_2 on the copies; returns Σ SetResidual over FirstCalcSet..LastCalcSet,
  // accumulated in single precision.
  float calculate();
};

}  // namespace lumo::fitting
