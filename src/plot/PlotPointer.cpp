#include "plot/PlotPointer.h"

namespace lumo {

double dataAreaRight(const PlotMapping& m) { return m.XLeft + 1000.0 * m.XR; }
double dataAreaTop(const PlotMapping& m) { return m.YBottom - 1000.0 * m.YR; }

bool insideDataX(const PlotMapping& m, double x) {
  const auto fx = static_cast<float>(x);
  return fx >= m.XLeft && fx <= static_cast<float>(dataAreaRight(m));
}

bool insideDataY(const PlotMapping& m, double y) {
  const auto fy = static_cast<float>(y);
  return fy >= static_cast<float>(dataAreaTop(m)) && fy <= m.YBottom;
}

double storedQAt(const PlotMapping& m, double x) {
  return (x - m.XLeft) / (double(m.XScale) * 1000.0) + m.XMin;
}

double storedRAt(const PlotMapping& m, double y) {
  return (m.YBottom - y) / (double(m.YScale) * 1000.0) + m.YMin;
}

}  // namespace lumo
