#pragma once
// Agreement between a data set and its calculated curve.
#include "files/DataSet.h"
#include "model/CalcOptions.h"

namespace lumo {

// Recomputes SetResidual over the calculation range CalcFirst..CalcLast, comparing
// DataR and CalcR at the same index in the stored representation (log10 while "Log Y"
// is on). Least squares: Σ (DataR − CalcR)². Chi squared: Σ ((DataR − CalcR) /
// (ErrUpper − DataR))², the divisor being the upper half of the error bar. The sum is
// accumulated in single precision.
//
// A placeholder of a measured R <= 0 (files/DisplayScale.h) is no measurement: it is left
// out of either sum and counted in ResidualPlaceholdersLeftOut, so that a few zeros at
// high Q cannot outweigh the data. A point whose chi-squared divisor is zero (dR = 0)
// has no weight: it is left out of the sum and counted in ResidualPointsLeftOut, so that
// one such point cannot turn the set's residual into infinity or NaN.
void updateResidual(DataSet& set, ResidualMeasure measure, bool logY);

}  // namespace lumo
