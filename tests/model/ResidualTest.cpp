#include "model/Residual.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lumo {
namespace {

DataSet threePoints() {
  DataSet s;
  s.CalcFirst = 1;
  s.CalcLast = 3;
  const double r[] = {0, 1.0, 0.5, 0.25}, calc[] = {0, 0.9, 0.5, 0.45}, up[] = {0, 1.1, 0.6, 0.35};
  for (int pt = 1; pt <= 3; ++pt) {
    s.DataR[pt] = r[pt];
    s.CalcR[pt] = calc[pt];
    s.ErrUpper[pt] = up[pt];
  }
  return s;
}

TEST(Residual, LeastSquaresAndChiSquared) {
  DataSet s = threePoints();
  updateResidual(s, ResidualMeasure::LeastSquares);
  EXPECT_FLOAT_EQ(s.SetResidual, 0.01f + 0.0f + 0.04f);
  updateResidual(s, ResidualMeasure::ChiSquared);
  EXPECT_FLOAT_EQ(s.SetResidual, 1.0f + 0.0f + 4.0f);  // divisor: upper half of the error bar
  EXPECT_EQ(s.ResidualPointsLeftOut, 0);
}

TEST(Residual, OnlyTheCalculationRange) {
  DataSet s = threePoints();
  s.CalcFirst = s.CalcLast = 3;
  updateResidual(s, ResidualMeasure::LeastSquares);
  EXPECT_FLOAT_EQ(s.SetResidual, 0.04f);
}

TEST(Residual, PointsWithoutAnErrorBarAreLeftOutOfChiSquared) {
  DataSet s = threePoints();
  s.ErrUpper[3] = s.DataR[3];  // dR = 0
  s.ErrUpper[2] = s.DataR[2];  // dR = 0 and no difference: 0/0
  updateResidual(s, ResidualMeasure::ChiSquared);
  EXPECT_FLOAT_EQ(s.SetResidual, 1.0f);
  EXPECT_EQ(s.ResidualPointsLeftOut, 2);
  EXPECT_TRUE(std::isfinite(s.SetResidual));
}

}  // namespace
}  // namespace lumo
