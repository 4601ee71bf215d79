#pragma once
// The terms of the residual measure one by one: the numbers whose squares the measure
// sums, over the calculated points of the calculated sets, in the stored representation.
// Least squares: DataR − CalcR; chi squared: (DataR − CalcR) / (ErrUpper − DataR), the
// points without a usable error bar left out as the measure leaves them out.
#include <vector>

#include "files/DataSet.h"
#include "model/CalcOptions.h"

namespace lumo::fitting {

void weightedResiduals(const DataStore& store, ResidualMeasure measure, std::vector<double>& out);

}  // namespace lumo::fitting
