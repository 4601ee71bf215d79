#pragma once
// The mouse over a data set's plot: whether the pointer lies in the data area, and the Q
// and R under it (the inverse of the data set's mapping). Surface coordinates are
// logical; the comparisons are made in single precision, as the surface's coordinates
// are single.
#include "plot/PlotMapping.h"

namespace lumo {

// Right edge and top edge of the data area.
double dataAreaRight(const PlotMapping& m);
double dataAreaTop(const PlotMapping& m);

bool insideDataX(const PlotMapping& m, double x);
bool insideDataY(const PlotMapping& m, double y);
inline bool insideData(const PlotMapping& m, LogicalPoint p) {
  return insideDataX(m, p.x) && insideDataY(m, p.y);
}

// The stored values under the pointer (log10 while the axis is logarithmic).
double storedQAt(const PlotMapping& m, double x);
double storedRAt(const PlotMapping& m, double y);

}  // namespace lumo
