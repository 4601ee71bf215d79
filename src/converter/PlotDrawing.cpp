#include "converter/PlotDrawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "plot/DataPlot.h"
#include "plot/PlotFrame.h"
#include "plot/StandardColour.h"

namespace lumo::converter {
namespace {

// The points of a curve's window, kept inside the points it holds.
struct Window {
  int first, last;
};
Window windowOf(const PlotCurve& c) {
  return {std::max(c.PlotStart, 1), std::min(c.PlotEnd, c.PlotCount)};
}

// A curve's window in the axes' representation, indexed like the curve. A point without
// a place on a log Y axis is left out with its error bar; an error bar's lower end of
// zero on a linear axis, or without a logarithm on a log one, sits on the X axis.
struct ShownCurve {
  std::vector<double> x, y, upper, lower;
  PointSeries series;
};

ShownCurve shownCurve(const PlotStore& store, const PlotCurve& c, float yMin, int lineWidth) {
  const Window w = windowOf(c);
  const size_t size = static_cast<size_t>(std::max(w.last, 0)) + 1;
  ShownCurve s{std::vector<double>(size),
               std::vector<double>(size),
               std::vector<double>(size),
               std::vector<double>(size),
               {}};
  for (int i = w.first; i <= w.last; ++i) {
    const auto at = static_cast<size_t>(i);
    s.x[at] = store.shownX(c.PlotX[at]);
    s.y[at] = store.shownY(c.PlotY[at]);
    const float low = c.PlotYLow(i);
    double lower = store.shownY(low);
    if (!std::isfinite(lower) || (!store.logY && low == 0)) lower = yMin;
    const bool shown = std::isfinite(s.y[at]);
    s.upper[at] = shown ? store.shownY(c.PlotYHigh(i)) : NAN;
    s.lower[at] = shown ? lower : NAN;
  }
  s.series = {s.x.data(), s.y.data(), s.upper.data(), s.lower.data(),
              w.first,    w.last,     c.PlotColour,   double(lineWidth)};
  return s;
}

struct Extent {
  float min = 0, max = 0;
  bool any = false;
  void take(double v) {
    const auto f = static_cast<float>(v);
    if (!any) {
      min = max = f;
      any = true;
    }
    min = std::min(min, f);
    max = std::max(max, f);
  }
};

}  // namespace

double PlotAxes::dataRight() const { return frame.mapping.XLeft + 1000.0 * frame.mapping.XR; }

double PlotAxes::dataX(double x) const {
  const PlotMapping& m = frame.mapping;
  return (x - m.XLeft) / (double(m.XScale) * 1000.0) + m.XMin;
}

double PlotAxes::dataY(double y) const {
  const PlotMapping& m = frame.mapping;
  return (m.YBottom - y) / (double(m.YScale) * 1000.0) + m.YMin;
}

PlotAxes PlotIt_Title(const PlotStore& store) {
  Extent x, y;
  for (int k = 1; k <= store.NumPlots(); ++k) {
    const PlotCurve& c = store.curve(k);
    const Window w = windowOf(c);
    for (int i = w.first; i <= w.last; ++i) {
      const double sx = store.shownX(c.PlotX[static_cast<size_t>(i)]);
      const double sy = store.shownY(c.PlotY[static_cast<size_t>(i)]);
      if (!std::isfinite(sx) || !std::isfinite(sy)) continue;
      x.take(sx);
      y.take(sy);
    }
  }
  PlotAxes axes;
  if (x.any) axes.ranges = {x.min, x.max, y.min, y.max};
  axes.frame = computeFrame(axes.ranges);
  return axes;
}

PlotAxes PlotIt(PlotSurface& surface, const PlotStore& store, const PlotDisplay& display) {
  surface.setPersistentDrawing(true);
  surface.clear();
  const PlotAxes axes = PlotIt_Title(store);
  const FrameGeometry& f = axes.frame;
  surface.setLogicalSize(f.width, f.height);
  std::vector<ShownCurve> curves;
  curves.reserve(static_cast<size_t>(store.NumPlots()));
  for (int k = 1; k <= store.NumPlots(); ++k)
    curves.push_back(shownCurve(store, store.curve(k), axes.ranges.YMin, display.lineWidth));
  // The axes span the shown points, but not the error bars' ends: an end beyond them is
  // cut at the axes (as a lower end of zero sits on the X axis) rather than drawn over the
  // tick labels and captions.
  surface.setClipArea(dataClipArea(f.mapping));
  // Pass by pass, so that later curves' points never hide under earlier curves' lines.
  if (display.points)
    for (const ShownCurve& c : curves) drawPointCircles(surface, c.series, f.mapping);
  if (display.line)
    for (const ShownCurve& c : curves) drawConnectingLine(surface, c.series, f.mapping);
  if (display.errorBars)
    for (const ShownCurve& c : curves) drawErrorBars(surface, c.series, f.mapping);
  surface.setClipArea(std::nullopt);
  drawAxesFrame(surface, axes.ranges, f, FrameRules{});
  surface.addText({{f.width / 2, 0},
                   display.title,
                   HAlign::Centre,
                   VAlign::Top,
                   TextRole::Title,
                   colour::Black});
  surface.setPersistentDrawing(false);
  return axes;
}

}  // namespace lumo::converter
