#pragma once
// Evenly spaced calculation grids and the start-up curves.
#include "files/DataSet.h"

namespace lumo {

inline constexpr int kStartUpGridPoints = 51;
// Solvent SLD scroll values (10^-8 Å^-2) of the four start-up contrasts.
inline constexpr int kStartUpSolventSLD[kMaxDataSets + 1] = {0, 635, 400, 207, -56};

// A grid point count is accepted when 0 < P ≤ 512.
bool isValidGridPointCount(double points);

// GridQ(j + 1) = q1 + j (q2 − q1)/(P − 1) for j = 0..P − 1: both ends exactly included.
// A one-point grid holds q1 alone.
void buildGrid(DataSet& set, int points, double q1, double q2);

// The "Number of Points" grid of every loaded set: it spans the used data range
// DataFirst..DataLast. GridQ always holds linear Q, also while the store holds log10 Q.
void buildDataRangeGrids(DataStore& store, int points, bool logX);

// The four start-up data sets: 51 grid points from Q = 0 to 0.5 Å^-1, ranges 1e-9..1 in
// R and 0..0.5 in Q (the R range as logarithms while "Log Y" is on), all four sets
// calculated.
void setUpDummyData(DataStore& store, bool logY);

}  // namespace lumo
