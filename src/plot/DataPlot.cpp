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

PointSeries seriesOf(const DataSet& set, PointRange r, int colour) {
  return {set.DataQ.data(), set.DataR.data(), set.ErrUpper.data(), set.ErrLower.data(),
          r.first,          r.last,           colour};
}

}  // namespace

void drawPointCircles(PlotSurface& surface, const PointSeries& p, const PlotMapping& m) {
  for (int i = p.first; i <= p.last; ++i) surface.addCircle(m.map(p.x[i], p.y[i]), 5.0 * m.XR, p.colour);
}

void drawConnectingLine(PlotSurface& surface, const PointSeries& p, const PlotMapping& m) {
  if (p.last <= p.first) return;
  std::vector<LogicalPoint> points;
  points.reserve(static_cast<size_t>(p.last - p.first + 1));
  for (int i = p.first; i <= p.last; ++i) points.push_back(m.map(p.x[i], p.y[i]));
  surface.addPolyline(points, p.colour, p.lineWidth);
}

void drawErrorBars(PlotSurface& surface, const PointSeries& p, const PlotMapping& m) {
  const double cap = 0.05 * m.XLeft;
  for (int i = p.first; i <= p.last; ++i) {
    const double x = m.mapX(p.x[i]);
    const double upper = m.mapY(p.upper[i]), lower = m.mapY(p.lower[i]);
    surface.addLine({x, upper}, {x, lower}, p.colour);
    surface.addLine({x - cap, upper}, {x + cap, upper}, p.colour);
    surface.addLine({x - cap, lower}, {x + cap, lower}, p.colour);
  }
}

void drawDataPasses(PlotSurface& surface, DataSet& set, const PlotMapping& mapping,
                    DataPasses passes, int colour) {
  const PointRange r = usedPoints(set);
  const PointSeries series = seriesOf(set, r, colour);
  if (passes.points) drawPointCircles(surface, series, mapping);
  if (passes.line) drawConnectingLine(surface, series, mapping);
  if (!passes.errorBars) return;
  for (int i = r.first; i <= r.last; ++i)
    if (set.ErrLower[i] == 0) set.ErrLower[i] = set.YMin;
  drawErrorBars(surface, series, mapping);
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
