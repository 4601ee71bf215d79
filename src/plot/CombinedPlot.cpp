#include "plot/CombinedPlot.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "files/DisplayScale.h"
#include "plot/StandardColour.h"

namespace lumo {
namespace {

// Blue, red, green and magenta, and their darker shades for the curves.
constexpr int kDataColours[kMaxDataSets + 1] = {colour::Black, 9, 12, 2, 13};
constexpr int kCurveColours[kMaxDataSets + 1] = {colour::Black, 1, 4, colour::DeepGreen, 5};

struct Extent {
  float lo = std::numeric_limits<float>::infinity();
  float hi = -std::numeric_limits<float>::infinity();
  void add(double v) {
    if (!std::isfinite(v)) return;
    lo = std::min(lo, static_cast<float>(v));
    hi = std::max(hi, static_cast<float>(v));
  }
  bool empty() const { return !(lo <= hi); }
};

// Whole decades around a curve's values, as loading rounds a data set's range: the next
// decade above the top, one spare decade below the bottom.
Extent decadesAround(const Extent& e, bool logStore) {
  if (e.empty()) return e;
  Extent r;
  if (logStore) {
    r.add(std::floor(e.hi) + 1);
    r.add(std::floor(e.lo) - 1);
  } else {
    r.add(pow10Of(std::floor(log10Of(e.hi)) + 1));
    r.add(pow10Of(std::floor(log10Of(e.lo)) - 1));
  }
  return r;
}

// The values of a set's curve that lie within the set's X range (positive ones only on
// a linear store, which has no decade below zero).
Extent curveExtent(const DataSet& set, const CombinedContent& content) {
  Extent y;
  const float x1 = std::min(set.XMin, set.XMax), x2 = std::max(set.XMin, set.XMax);
  for (const LogicalPoint& p : curvePoints(set, content.source)) {
    if (p.x < x1 || p.x > x2 || (!content.logYStore && !(p.y > 0))) continue;
    y.add(p.y);
  }
  return decadesAround(y, content.logYStore);
}

// Each set's title in its colour, stacked under one another in the top-right corner of
// the data area.
void drawLegend(PlotSurface& surface, const DataStore& store, int sets, const PlotMapping& m) {
  for (int k = 1; k <= sets; ++k) {
    surface.addText({cornerLabelAnchor(m), "\u25CF " + combinedLegendTitle(store[k], k), HAlign::Right,
                     VAlign::Top, TextRole::Legend, combinedDataColour(k), k - 1});
  }
}

}  // namespace

std::string combinedLegendTitle(const DataSet& set, int k) {
  return set.DataTitle.empty() ? "Set " + std::to_string(k) : set.DataTitle;
}

int combinedDataColour(int set) { return kDataColours[std::clamp(set, 0, kMaxDataSets)]; }

int combinedCurveColour(int set) { return kCurveColours[std::clamp(set, 0, kMaxDataSets)]; }

AxisRanges combinedRanges(const DataStore& store, int sets, const CombinedContent& content) {
  Extent x, y;
  for (int k = 1; k <= sets; ++k) {
    const DataSet& set = store[k];
    x.add(set.XMin);
    x.add(set.XMax);
    y.add(set.YMin);
    y.add(set.YMax);
    if (!content.curves) continue;
    const Extent c = curveExtent(set, content);
    if (!c.empty()) {
      y.add(c.lo);
      y.add(c.hi);
    }
  }
  if (x.empty() || y.empty()) return {};
  return {x.lo, x.hi, y.lo, y.hi};
}

FrameGeometry drawCombinedData(PlotSurface& surface, DataStore& store, int sets,
                               DataPasses passes, bool logXAxis, const CombinedContent& content) {
  AxisRanges ranges = combinedRanges(store, sets, content);
  const FrameGeometry frame = computeFrame(ranges);
  surface.setLogicalSize(frame.width, frame.height);
  surface.setClipArea(dataClipArea(frame.mapping));
  for (int k = 1; k <= sets; ++k)
    drawDataPasses(surface, store[k], frame.mapping, passes, combinedDataColour(k));
  surface.setClipArea(std::nullopt);
  drawAxesFrame(surface, ranges, frame, dataPlotRules(logXAxis));
  drawLegend(surface, store, sets, frame.mapping);
  return frame;
}

void drawCombinedCurves(PlotSurface& surface, const DataStore& store, int sets,
                        const PlotMapping& mapping, CurveSource source) {
  surface.setClipArea(dataClipArea(mapping));
  for (int k = 1; k <= sets; ++k)
    drawCurve(surface, store[k], mapping, source, combinedCurveColour(k));
  surface.setClipArea(std::nullopt);
}

}  // namespace lumo
