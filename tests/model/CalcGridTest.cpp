#include "model/CalcGrid.h"

#include <gtest/gtest.h>

#include "EngineFixtures.h"
#include "files/DisplayScale.h"
#include "model/ReflectivityEngine.h"

namespace lumo {
namespace {

TEST(CalcGrid, PointCountLimits) {
  EXPECT_TRUE(isValidGridPointCount(512));
  EXPECT_TRUE(isValidGridPointCount(1));
  EXPECT_FALSE(isValidGridPointCount(513));
  EXPECT_FALSE(isValidGridPointCount(0));
  EXPECT_FALSE(isValidGridPointCount(-3));
}

TEST(CalcGrid, SpansTheUsedDataRangeWithBothEndsExact) {
  DataStore store = test::storeWithQ({0.011, 0.013, 0.02, 0.05, 0.123, 0.2}, 2);
  store[2].DataFirst = 2;
  store[2].DataLast = 5;
  buildDataRangeGrids(store, 7, false);
  EXPECT_EQ(store[1].GridQ[1], 0.011);
  EXPECT_EQ(store[1].GridQ[7], 0.2);
  EXPECT_EQ(store[2].GridQ[1], 0.013);
  EXPECT_EQ(store[2].GridQ[7], 0.123);
  EXPECT_DOUBLE_EQ(store[2].GridQ[2] - store[2].GridQ[1], (0.123 - 0.013) / 6);
}

TEST(CalcGrid, OnePointGridHoldsTheFirstQ) {
  DataStore store = test::storeWithQ({0.01, 0.2});
  buildDataRangeGrids(store, 1, false);
  EXPECT_EQ(store[1].GridQ[1], 0.01);
}

TEST(CalcGrid, LogXStoreStillGivesALinearGrid) {
  DataStore store = test::storeWithQ({log10Of(0.01), log10Of(0.1)});
  buildDataRangeGrids(store, 3, true);
  EXPECT_NEAR(store[1].GridQ[1], 0.01, 1e-16);
  EXPECT_NEAR(store[1].GridQ[2], 0.055, 1e-16);
  EXPECT_NEAR(store[1].GridQ[3], 0.1, 1e-16);
}

TEST(CalcGrid, StartUpCurves) {
  DataStore store;
  setUpDummyData(store, true);
  EXPECT_EQ(store.NumDataSets, 4);
  EXPECT_EQ(store.LastCalcSet, 4);
  for (int ds = 1; ds <= 4; ++ds) {
    EXPECT_EQ(store[ds].GridQ[1], 0.0);
    EXPECT_DOUBLE_EQ(store[ds].GridQ[51], 0.5);
    EXPECT_EQ(store[ds].YMax, 0.0f);
    EXPECT_EQ(store[ds].YMin, -9.0f);
    EXPECT_EQ(store[ds].XMax, 0.5f);
    EXPECT_EQ(store[ds].YMinSaved, 1e-9f);
  }
  // The four default contrasts calculated on the grid: total reflection at Q = 0 for the
  // solvents denser than silicon, and a finite log R at every point.
  LayerModel m;
  m.NumLayers = 1;
  m.IncidentSLD = 2.07e-6f;
  m.Thickness[1] = 14;
  m.LayerSLD[1] = 3.4e-6f;
  m.SolventFraction[1] = 0.25f;
  for (int ds = 1; ds <= 4; ++ds) m.SolventSLD[ds] = static_cast<float>(kStartUpSolventSLD[ds] * 1e-8);
  CalcOptions o;
  o.gridMode = true;
  o.gridPoints = 51;
  ReflectivityEngine engine;
  engine.Prof_Calc_1(m, store, o);
  engine.Prof_Calc_2(m, store, o);
  EXPECT_NEAR(store[1].CalcR[1], 0.0, 1e-12);
  for (int ds = 1; ds <= 4; ++ds) {
    EXPECT_EQ(store[ds].CalcLast, 51);
    for (int pt = 1; pt <= 51; ++pt) EXPECT_TRUE(std::isfinite(store[ds].CalcR[pt]));
  }
}

}  // namespace
}  // namespace lumo
