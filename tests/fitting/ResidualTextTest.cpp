#include <gtest/gtest.h>

#include "fitting/ResidualText.h"
#include "model/Residual.h"

namespace lumo::fitting {
namespace {

// Chi squared with error bars of zero length: the points are left out of the sum and the
// labels say how many, per set and over the calculated sets.
TEST(ResidualText, LabelsOfAChiSquaredSumWithPointsLeftOut) {
  DataStore store;
  store.FirstCalcSet = 1;
  store.LastCalcSet = 2;
  for (int ds = 1; ds <= 2; ++ds) {
    DataSet& s = store[ds];
    s.CalcFirst = 1;
    s.CalcLast = 3;
    for (int pt = 1; pt <= 3; ++pt) {
      s.DataR[pt] = 1.0;
      s.CalcR[pt] = 0.5;
      s.ErrUpper[pt] = 1.5;  // divisor 0.5: each term is 1
    }
  }
  store[1].ErrUpper[2] = 1.0;
  store[2].ErrUpper[1] = store[2].ErrUpper[3] = 1.0;
  store[3].ResidualPointsLeftOut = 9;  // not calculated: not counted
  for (int ds = 1; ds <= 2; ++ds) updateResidual(store[ds], ResidualMeasure::ChiSquared, false);
  EXPECT_EQ(setResidualText(store[1]), "2.0000E+00 (1 point without error left out)");
  EXPECT_EQ(setResidualText(store[2]), "1.0000E+00 (2 points without error left out)");
  EXPECT_EQ(cumulativeResidualText(store), "3.0000E+00 (3 points without error left out)");
  for (int ds = 1; ds <= 2; ++ds) updateResidual(store[ds], ResidualMeasure::LeastSquares, false);
  EXPECT_EQ(cumulativeResidualText(store), "1.5000E+00");
  EXPECT_EQ(residualText(12345.678f), "1.2346E+04");
  EXPECT_EQ(residualText(1.0f, {7, 1}), "1.0000E+00 (7 points with R <= 0, 1 point without error left out)");
  EXPECT_EQ(residualText(1.0f, {1, 0}), "1.0000E+00 (1 point with R <= 0 left out)");
}

}  // namespace
}  // namespace lumo::fitting
