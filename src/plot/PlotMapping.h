#pragma once
// Where a data set lands on its plot surface: the mapping from stored (Q, R) values,
// linear in the stored representation, to logical surface coordinates. It is rewritten
// each time the data set's plot is drawn and read by every later drawing of it.
#include "plot/PlotPrimitive.h"

namespace lumo {

struct PlotMapping {
  float XMin = 0, YMin = 0;
  float XScale = 1, YScale = 1;  // decade factors of the normalised ranges
  float XLeft = 100;             // left edge of the data area
  float YBottom = 1100;          // bottom edge of the data area (the X axis)
  float XR = 1, YR = 1;          // normalised ranges, in (1, 10] and [1, 10]

  double mapX(double q) const { return XLeft + (q - XMin) * double(XScale) * 1000.0; }
  double mapY(double r) const { return YBottom - (r - YMin) * double(YScale) * 1000.0; }
  LogicalPoint map(double q, double r) const { return {mapX(q), mapY(r)}; }
};

}  // namespace lumo
