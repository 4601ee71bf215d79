#pragma once
// The Q range of a data set chosen with the mouse (DataFirst..DataLast), and the plot
// ranges that follow it. The grid searched is the data's own Q (DataQ, in the stored
// representation) or, for the start-up curves, the calculation grid.
#include "files/DataSet.h"

namespace lumo {

// Where a press at `q` starts the range: the first point 1..count whose grid Q (as
// single) is at or above q; a point beyond count − 5, or none, gives count − 5, so that
// a range always has room for a few points; never below 1.
int rangeStartAt(const PointArray& grid, int count, double q);

// Where a release at `q` ends it: the point before the first one at or above q, or
// count when none is.
int rangeEndAt(const PointArray& grid, int count, double q);

// DataFirst = first; DataLast = last, but at least three points; both kept within the
// points the set holds.
void selectPoints(DataSet& set, int first, int last);

// The plot ranges become the extremes of points DataFirst..DataLast (no decade rounding):
// Q from `q`, R from `r`. Placeholders of R <= 0 lie outside every range and are
// skipped. On a linear X axis (`linearX`) a Q <= 0 never becomes the minimum.
void fitRangesToPoints(DataSet& set, const PointArray& q, const PointArray& r, bool linearX,
                       bool logY);

// The ranges as loaded, as logarithms for a logarithmic axis.
void restoreSavedRanges(DataSet& set, bool logX, bool logY);
void restoreSavedYRange(DataSet& set, bool logY);

}  // namespace lumo
