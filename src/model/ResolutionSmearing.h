#pragma once
// The reflectivity engine's calculation with instrument resolution.
//
// Each contrast's curve is the reflectivity at the internal nodes of its smearing plan
// (model/SmearingPlan.h), calculated by engines of their own and combined by the plan's
// weights. The nodes of a contrast are spread over as many engines as they need, up to
// 512 each, so that a change of one layer is taken up by those engines as incrementally
// as without resolution. The plans are rebuilt only when what they rest on changes: the
// points, their resolution, a critical edge or the fringe spacing of the stack.
#include <array>
#include <memory>
#include <vector>

#include "files/DataSet.h"
#include "model/CalcOptions.h"
#include "model/InstructionSet.h"
#include "model/LayerModel.h"
#include "model/SmearingPlan.h"

namespace lumo {

class ReflectivityEngine;

// What a contrast's plan needs from the data set, the model and the options: the linear
// Q of points CalcFirst..CalcLast, their σ, the fringe spacing and the critical edges.
SmearingRequest smearingRequest(const LayerModel& model, const DataStore& store,
                                const CalcOptions& options, int ds);

class ResolutionSmearing {
 public:
  explicit ResolutionSmearing(InstructionSet set);
  ~ResolutionSmearing();

  // Full preparation with the store's calculation ranges already chosen.
  void prepare(const LayerModel& model, const DataStore& store, const CalcOptions& options);
  // A change of one layer, as the engine's variants of the same name describe it.
  enum class Change { SLD, Solvent, Thickness };
  void afterChange(const LayerModel& model, const DataStore& store, Change change, int num);
  // The smeared CalcR (and residual) of sets FirstCalcSet..LastCalcSet.
  float calculate(const LayerModel& model, DataStore& store, const CalcOptions& options);

  bool preparedFor(const CalcOptions& options) const;
  void setFocusLayer(int layer);

 private:
  // Rebuilds the plans that no longer fit; true when the nodes moved.
  bool updatePlans(const LayerModel& model, const DataStore& store, const CalcOptions& options,
                   int first, int last);
  void placeNodes(const DataStore& store);
  void smearSet(DataSet& set, int ds, bool logY);
  CalcOptions nodeOptions() const;

  InstructionSet set_;
  int focus_;
  bool prepared_ = false;
  CalcOptions options_;  // as prepared
  std::array<SmearingRequest, kMaxDataSets + 1> requests_;
  std::array<SmearingPlan, kMaxDataSets + 1> plans_;
  std::vector<std::unique_ptr<ReflectivityEngine>> engines_;  // chunk c: nodes 512c + 1...
  std::vector<DataStore> stores_;
  int chunks_ = 0;
  std::vector<double> nodeR_, smeared_;
};

}  // namespace lumo
