#include "fitting/FitWorkspace.h"

#include <algorithm>

namespace lumo::fitting {

void FitWorkspace::load(const FitStart& start) {
  model = start.model;
  store = start.store;
  options = start.options;
  options.residualOn = true;
  options.measure = start.measure;
  options.gridMode = false;
  engine.Prof_Calc_1(model, store, options);
}

float FitWorkspace::calculate() {
  engine.Prof_Calc_2(model, store, options);
  float total = 0.0f;
  for (int ds = std::max(store.FirstCalcSet, 1); ds <= std::min(store.LastCalcSet, kMaxDataSets);
       ++ds)
    total += store[ds].SetResidual;
  return total;
}

}  // namespace lumo::fitting
