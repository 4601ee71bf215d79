#pragma once
// Texts of the residual labels: the value in the "0.0000E+00" pattern, followed by a note
// when points were left out of the sum: placeholders of a measured R <= 0 (either
// measure) and chi-squared points without a usable error bar (dR = 0).
#include <string>

#include "files/DataSet.h"

namespace lumo::fitting {

struct PointsLeftOut {
  int nonPositive = 0;   // placeholders of R <= 0
  int withoutError = 0;  // chi squared only
};

// "1.2345E+02", "1.2345E+02 (3 points without error left out)",
// "1.2345E+02 (7 points with R <= 0, 1 point without error left out)".
std::string residualText(float residual, PointsLeftOut leftOut = {});

// lblResidual of one data set: its SetResidual and the points its last sum left out.
std::string setResidualText(const DataSet& set);

// lblCumulativeResidual: the sum of SetResidual over FirstCalcSet..LastCalcSet (single
// precision, as the calculation forms it) and the points left out over those sets.
std::string cumulativeResidualText(const DataStore& store);

}  // namespace lumo::fitting
