#pragma once
// Texts of the residual labels: the value in the "0.0000E+00" pattern, followed by a note
// when chi-squared points without a usable error bar (dR = 0) were left out of the sum.
#include <string>

#include "files/DataSet.h"

namespace lumo::fitting {

// "1.2345E+02", or "1.2345E+02 (3 points without error left out)".
std::string residualText(float residual, int pointsLeftOut);

// lblResidual of one data set: its SetResidual and the points its last chi-squared sum
// left out.
std::string setResidualText(const DataSet& set);

// lblCumulativeResidual: the sum of SetResidual over FirstCalcSet..LastCalcSet (single
// precision, as the calculation forms it) and the points left out over those sets.
std::string cumulativeResidualText(const DataStore& store);

}  // namespace lumo::fitting
