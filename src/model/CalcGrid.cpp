#include "model/CalcGrid.h"

#include "files/DisplayScale.h"

namespace lumo {

bool isValidGridPointCount(double points) { return points > 0 && points <= kMaxPoints; }

void buildGrid(DataSet& set, int points, double q1, double q2) {
  if (points == 1) {
    set.GridQ[1] = q1;
    return;
  }
  for (int j = 0; j < points && j < kMaxPoints; ++j)
    set.GridQ[j + 1] = q1 + j * (q2 - q1) / (points - 1);
  // The last point is the range's end itself, not its rounded reconstruction.
  if (points <= kMaxPoints) set.GridQ[points] = q2;
}

void buildDataRangeGrids(DataStore& store, int points, bool logX) {
  for (int ds = 1; ds <= store.NumDataSets; ++ds) {
    DataSet& set = store[ds];
    double q1 = set.DataQ[set.DataFirst];
    double q2 = set.DataQ[set.DataLast];
    if (logX) {
      q1 = pow10Of(q1);
      q2 = pow10Of(q2);
    }
    buildGrid(set, points, q1, q2);
  }
}

void setUpDummyData(DataStore& store, bool logY) {
  for (int ds = 1; ds <= kMaxDataSets; ++ds) {
    DataSet& set = store[ds];
    for (int i = 0; i < kStartUpGridPoints; ++i) set.GridQ[i + 1] = i * 0.01;
    set.NumPoints = kStartUpGridPoints;
    set.DataFirst = 1;
    set.DataLast = kStartUpGridPoints;
    set.YMin = set.YMinSaved = 1e-9f;
    set.YMax = set.YMaxSaved = 1.0f;
    set.XMax = set.XMaxSaved = 0.5f;
    set.XMin = set.XMinSaved = 0.0f;
    if (logY) {
      set.YMax = static_cast<float>(log10Of(set.YMax));
      set.YMin = static_cast<float>(log10Of(set.YMin));
    }
  }
  store.FirstCalcSet = 1;
  store.LastCalcSet = kMaxDataSets;
  store.NumDataSets = kMaxDataSets;
}

}  // namespace lumo
