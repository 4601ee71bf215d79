#include "plot/PlotFrame.h"

#include <algorithm>
#include <cmath>

#include "files/NumberText.h"
#include "plot/StandardColour.h"

namespace lumo {
namespace {

// Top of the data area.
double dataTop(const PlotMapping& m) { return m.YBottom - 1000.0 * m.YR; }
// Right end of the X axis.
double dataRight(const PlotMapping& m) { return m.XLeft + 1000.0 * m.XR; }

void drawAxisLines(PlotSurface& s, const PlotMapping& m) {
  s.addLine({m.XLeft, m.YBottom}, {dataRight(m), m.YBottom}, colour::Black);
  s.addLine({m.XLeft, m.YBottom}, {m.XLeft, dataTop(m)}, colour::Foreground);
}

// A mark within this many drawing units beyond an axis end still marks that end (marks are
// at least 100 units apart).
constexpr double kTickSlack = 1.0;

// Marks run leftwards from the highest whole tick at or below the top of the X range. The
// count has one mark more than the whole values when both ends are whole; that mark would
// fall left of the Y axis, so marks beyond the axis are left out.
void drawXTicks(PlotSurface& s, const AxisRanges& r, const FrameGeometry& f) {
  const PlotMapping& m = f.mapping;
  const double perUnit = f.xTicks.perUnit;
  const double top = std::floor(r.XMax * m.XScale * float(perUnit)) / perUnit;
  for (int i = 0; i < f.xTicks.count; ++i) {
    const double x = m.XLeft + (top - double(m.XScale * r.XMin)) * 1000 - 1000 * i / perUnit;
    if (x < m.XLeft - kTickSlack) break;
    s.addLine({x, m.YBottom}, {x, 1.02 * m.YBottom}, colour::Black);
  }
}

// Marks run downwards from the highest whole tick; none below the X axis (see the x marks).
void drawYTicks(PlotSurface& s, const AxisRanges& r, const FrameGeometry& f) {
  const PlotMapping& m = f.mapping;
  const double perUnit = f.yTicks.perUnit;
  const double top = std::floor(r.YMax * m.YScale * float(perUnit)) / perUnit;
  for (int i = 0; i < f.yTicks.count; ++i) {
    const double y = m.YBottom - (top - double(m.YScale * r.YMin)) * 1000 + 1000 * i / perUnit;
    if (y > m.YBottom + kTickSlack) break;
    s.addLine({m.XLeft, y}, {0.9 * m.XLeft, y}, colour::Black);
  }
}

// Decimals that keep neighbouring labels apart: labels are 1/scale apart, so a scale
// of 100 needs two decimals where the usual pattern ("0.0" or "0.000") has fewer.
int labelDecimals(float scale, int usual) {
  const long needed = scale > 1 ? std::lround(std::log10(double(scale))) : 0;
  return std::max(usual, static_cast<int>(needed));
}

// Labels sit on whole scaled units only, whatever the marks per unit.
void drawXLabels(PlotSurface& s, const AxisRanges& r, const FrameGeometry& f,
                 const FrameRules& rules) {
  const PlotMapping& m = f.mapping;
  const double s1 = m.XScale;
  const int count = std::min(wholeUnitsBetween(r.XMin, r.XMax, m.XScale), kMaxTickLabels);
  const double topUnit = std::floor(r.XMax * m.XScale);
  const float top = rules.xLabelsOfMagnitude ? std::abs(r.XMax) : r.XMax;
  const double topValue = std::floor(top * m.XScale) / s1;
  for (int k = 0; k < count; ++k) {
    const double x = m.XLeft + (topUnit - s1 * r.XMin) * 1000 - 1000.0 * k;
    s.addText({{x, 0.93 * f.height}, text::formatFixed(topValue - k / s1, labelDecimals(m.XScale, rules.xDecimals)),
               HAlign::Centre,
               VAlign::Top, TextRole::XTick, colour::Black});
  }
}

// The main window's plots show one label more than the x rule: the last one sits on
// the X axis when YMin is whole.
void drawYLabels(PlotSurface& s, const AxisRanges& r, const FrameGeometry& f,
                 const FrameRules& rules) {
  const PlotMapping& m = f.mapping;
  const double t = m.YScale;
  const int count = std::min(
      wholeUnitsBetween(r.YMin, r.YMax, m.YScale) + rules.extraYLabels, kMaxTickLabels);
  const double topUnit = std::floor(r.YMax * m.YScale);
  const double right = m.XLeft - f.width / 200;
  for (int k = 0; k < count; ++k) {
    const double y = m.YBottom - (topUnit - t * r.YMin) * 1000 + 1000.0 * k;
    s.addText({{right, y}, text::formatFixed(topUnit / t - k / t, labelDecimals(m.YScale, rules.yDecimals)),
               HAlign::Right,
               VAlign::Centre, TextRole::YTick, colour::Black});
  }
}

void drawTitleAndBackground(PlotSurface& s, const DataSet& set, const FrameGeometry& f) {
  const PlotMapping& m = f.mapping;
  s.addText({{f.width / 2, 0}, set.DataTitle, HAlign::Centre, VAlign::Top, TextRole::Title,
             colour::Black});
  s.addText({cornerLabelAnchor(m), "bgd = " + text::formatSci2(set.Background), HAlign::Right,
             VAlign::Top, TextRole::Background, colour::Black});
}

}  // namespace

LogicalPoint cornerLabelAnchor(const PlotMapping& m) {
  return {dataRight(m) - 10 * m.XR, dataTop(m) + 10 * m.YR};
}

LogicalRect dataArea(const PlotMapping& m) {
  return {m.XLeft, dataTop(m), dataRight(m), m.YBottom};
}

LogicalRect dataClipArea(const PlotMapping& m) {
  const LogicalRect a = dataArea(m);
  const double dx = 1e-5 * (a.right - a.left), dy = 1e-5 * (a.bottom - a.top);
  return {a.left - dx, a.top - dy, a.right + dx, a.bottom + dy};
}

FrameGeometry computeFrame(DataSet& set) {
  AxisRanges ranges{set.XMin, set.XMax, set.YMin, set.YMax};
  const FrameGeometry f = computeFrame(ranges);
  set.XMin = ranges.XMin;
  set.XMax = ranges.XMax;
  set.YMin = ranges.YMin;
  set.YMax = ranges.YMax;
  return f;
}

FrameGeometry computeFrame(AxisRanges& r) {
  guardRange(r.XMin, r.XMax);
  guardRange(r.YMin, r.YMax);
  FrameGeometry f;
  const NormalisedRange x = normaliseXRange(r.XMax - r.XMin);
  const NormalisedRange y = normaliseYRange(r.YMax - r.YMin);
  f.width = 1200.0 * x.range;
  f.height = 1200.0 * y.range;
  PlotMapping& m = f.mapping;
  m.XMin = r.XMin;
  m.YMin = r.YMin;
  m.XScale = x.scale;
  m.YScale = y.scale;
  m.XR = x.range;
  m.YR = y.range;
  m.XLeft = 1000 * (x.range / 10);
  m.YBottom = 11000 * (y.range / 10);
  f.xTicks = tickCount(r.XMin, r.XMax, x.scale);
  f.yTicks = tickCount(r.YMin, r.YMax, y.scale);
  return f;
}

FrameRules dataPlotRules(bool logXAxis) { return {!logXAxis, true, 1}; }

void drawAxesFrame(PlotSurface& surface, const AxisRanges& ranges, const FrameGeometry& frame,
                   const FrameRules& rules) {
  const PlotMapping& m = frame.mapping;
  surface.setDataArea(dataArea(m));
  drawAxisLines(surface, m);
  if (rules.xMarks) drawXTicks(surface, ranges, frame);
  drawYTicks(surface, ranges, frame);
  if (rules.xMarks) drawXLabels(surface, ranges, frame, rules);
  drawYLabels(surface, ranges, frame, rules);
}

void drawFrame(PlotSurface& surface, const DataSet& set, const FrameGeometry& frame,
               bool logXAxis) {
  const AxisRanges ranges{set.XMin, set.XMax, set.YMin, set.YMax};
  drawAxesFrame(surface, ranges, frame, dataPlotRules(logXAxis));
  drawTitleAndBackground(surface, set, frame);
}

}  // namespace lumo
