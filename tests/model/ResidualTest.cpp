#include "model/Residual.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace lumo {
namespace {

// Three points; `offset` moves every value (log values lie below 0).
DataSet threePoints(double offset = 0) {
  DataSet s;
  s.CalcFirst = 1;
  s.CalcLast = 3;
  const double r[] = {0, 1.0, 0.5, 0.25}, calc[] = {0, 0.9, 0.5, 0.45}, up[] = {0, 1.1, 0.6, 0.35};
  for (int pt = 1; pt <= 3; ++pt) {
    s.DataR[pt] = r[pt] + offset;
    s.CalcR[pt] = calc[pt] + offset;
    s.ErrUpper[pt] = up[pt] + offset;
  }
  return s;
}

TEST(Residual, LeastSquaresAndChiSquared) {
  DataSet s = threePoints();
  updateResidual(s, ResidualMeasure::LeastSquares, false);
  EXPECT_FLOAT_EQ(s.SetResidual, 0.01f + 0.0f + 0.04f);
  updateResidual(s, ResidualMeasure::ChiSquared, false);
  EXPECT_FLOAT_EQ(s.SetResidual, 1.0f + 0.0f + 4.0f);  // divisor: upper half of the error bar
  EXPECT_EQ(s.ResidualPointsLeftOut, 0);
}

// Each term is added to a single-precision sum: a hundred terms of 4e-8 after a term of
// 1 vanish one by one (each below half a unit in the last place of 1.0f), where a
// double sum would end at 1.000004.
TEST(Residual, SummedInSinglePrecision) {
  DataSet s;
  s.CalcFirst = 1;
  s.CalcLast = 101;
  s.DataR[1] = 1.0;
  for (int pt = 2; pt <= 101; ++pt) s.DataR[pt] = s.CalcR[pt] + 2e-4;
  updateResidual(s, ResidualMeasure::LeastSquares, false);
  EXPECT_EQ(s.SetResidual, 1.0f);
}

TEST(Residual, OnlyTheCalculationRange) {
  DataSet s = threePoints();
  s.CalcFirst = s.CalcLast = 3;
  updateResidual(s, ResidualMeasure::LeastSquares, false);
  EXPECT_FLOAT_EQ(s.SetResidual, 0.04f);
}

TEST(Residual, PointsWithoutAnErrorBarAreLeftOutOfChiSquared) {
  DataSet s = threePoints();
  s.ErrUpper[3] = s.DataR[3];  // dR = 0
  s.ErrUpper[2] = s.DataR[2];  // dR = 0 and no difference: 0/0
  updateResidual(s, ResidualMeasure::ChiSquared, false);
  EXPECT_FLOAT_EQ(s.SetResidual, 1.0f);
  EXPECT_EQ(s.ResidualPointsLeftOut, 2);
  EXPECT_TRUE(std::isfinite(s.SetResidual));
}

// Placeholders of R <= 0 (10 linear; 1, or the double just below 1, as logarithms) are
// no measurements: both sums are those of the set without them, and they are counted.
TEST(Residual, PlaceholdersAreLeftOutOfBothMeasures) {
  for (const bool logY : {false, true}) {
    for (const double placeholder : logY ? std::vector<double>{1.0, std::nextafter(1.0, 0.0)}
                                         : std::vector<double>{10.0}) {
      const double offset = logY ? -3 : 0;
      DataSet s = threePoints(offset);
      s.CalcLast = 5;
      for (int pt = 4; pt <= 5; ++pt) s.DataR[pt] = s.ErrUpper[pt] = placeholder;
      for (const auto measure : {ResidualMeasure::LeastSquares, ResidualMeasure::ChiSquared}) {
        DataSet clean = threePoints(offset);
        updateResidual(clean, measure, logY);
        updateResidual(s, measure, logY);
        EXPECT_EQ(s.SetResidual, clean.SetResidual) << logY;
        EXPECT_EQ(s.ResidualPlaceholdersLeftOut, 2);
        EXPECT_EQ(s.ResidualPointsLeftOut, 0);  // not counted as points without error
      }
    }
  }
  DataSet s = threePoints(-3);
  s.DataR[2] = 10.0;  // a measured 10 on a log axis is a value like any other
  updateResidual(s, ResidualMeasure::LeastSquares, true);
  EXPECT_EQ(s.ResidualPlaceholdersLeftOut, 0);
}

}  // namespace
}  // namespace lumo
