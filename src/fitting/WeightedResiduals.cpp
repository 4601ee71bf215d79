#include "fitting/WeightedResiduals.h"

#include <algorithm>
#include <cmath>

namespace lumo::fitting {

void weightedResiduals(const DataStore& store, ResidualMeasure measure, std::vector<double>& out) {
  out.clear();
  for (int ds = std::max(store.FirstCalcSet, 1); ds <= std::min(store.LastCalcSet, kMaxDataSets);
       ++ds) {
    const DataSet& set = store[ds];
    for (int pt = std::max(set.CalcFirst, 1); pt <= std::min(set.CalcLast, kMaxPoints); ++pt) {
      double term = set.DataR[pt] - set.CalcR[pt];
      if (measure == ResidualMeasure::ChiSquared) {
        term /= set.ErrUpper[pt] - set.DataR[pt];
        if (!std::isfinite(term * term)) continue;
      }
      out.push_back(term);
    }
  }
}

}  // namespace lumo::fitting
