#include "plot/DataPlot.h"

#include <algorithm>
#include <vector>

#include "files/DisplayScale.h"

namespace lumo {
namespace {

// The used point range, kept inside the points the set holds.
struct PointRange {
  int first, last;
};
PointRange usedPoints(const DataSet& set) {
  return {std::max(set.DataFirst, 1), std::min(set.DataLast, std::min(set.NumPoints, kMaxPoints))};
}

void drawPoints(PlotSurface& s, const DataSet& set, const PlotMapping& m, PointRange r, int c) {
  for (int i = r.first; i <= r.last; ++i)
    s.addCircle(m.map(set.DataQ[i], set.DataR[i]), 5.0 * m.XR, c);
}

void drawLine(PlotSurface& s, const DataSet& set, const PlotMapping& m, PointRange r, int c) {
  for (int i = r.first; i < r.last; ++i)
    s.addLine(m.map(set.DataQ[i], set.DataR[i]), m.map(set.DataQ[i + 1], set.DataR[i + 1]), c);
}

void drawErrorBars(PlotSurface& s, DataSet& set, const PlotMapping& m, PointRange r, int c) {
  const double cap = 0.05 * m.XLeft;
  for (int i = r.first; i <= r.last; ++i) {
    if (set.ErrLower[i] == 0) set.ErrLower[i] = set.YMin;
    const double x = m.mapX(set.DataQ[i]);
    const double upper = m.mapY(set.ErrUpper[i]), lower = m.mapY(set.ErrLower[i]);
    s.addLine({x, upper}, {x, lower}, c);
    s.addLine({x - cap, upper}, {x + cap, upper}, c);
    s.addLine({x - cap, lower}, {x + cap, lower}, c);
  }
}

}  // namespace

void drawDataPasses(PlotSurface& surface, DataSet& set, const PlotMapping& mapping,
                    DataPasses passes, int colour) {
  const PointRange r = usedPoints(set);
  if (passes.points) drawPoints(surface, set, mapping, r, colour);
  if (passes.line) drawLine(surface, set, mapping, r, colour);
  if (passes.errorBars) drawErrorBars(surface, set, mapping, r, colour);
}

std::vector<LogicalPoint> curvePoints(const DataSet& set, CurveSource source) {
  std::vector<LogicalPoint> points;
  if (source.onGrid) {
    const int first = std::max(set.CalcFirst, 1), last = std::min(set.CalcLast, kMaxPoints);
    for (int i = first; i <= last; ++i)
      points.push_back({source.gridLogX ? log10Of(set.GridQ[i]) : set.GridQ[i], set.CalcR[i]});
  } else {
    const PointRange r = usedPoints(set);
    for (int i = r.first; i <= r.last; ++i) points.push_back({set.DataQ[i], set.CalcR[i]});
  }
  return points;
}

void drawCurve(PlotSurface& surface, const DataSet& set, const PlotMapping& mapping,
               CurveSource source, int colour) {
  std::vector<LogicalPoint> points = curvePoints(set, source);
  for (LogicalPoint& p : points) p = mapping.map(p.x, p.y);
  surface.addPolyline(points, colour);
}

}  // namespace lumo
