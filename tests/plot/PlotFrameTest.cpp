#include "plot/PlotFrame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace lumo {
namespace {

DataSet setWithRanges(float xMin, float xMax, float yMin, float yMax) {
  DataSet set;
  set.XMin = xMin;
  set.XMax = xMax;
  set.YMin = yMin;
  set.YMax = yMax;
  set.DataTitle = "D2O run";
  return set;
}

// The frame of `set` drawn on a surface of its logical size.
struct Drawn {
  FrameGeometry frame;
  PlotSurface surface;
};
Drawn drawn(DataSet& set, bool logXAxis = false) {
  Drawn d{computeFrame(set), {}};
  d.surface.setLogicalSize(d.frame.width, d.frame.height);
  drawFrame(d.surface, set, d.frame, logXAxis);
  return d;
}

std::vector<TextPrimitive> texts(const PlotSurface& s, TextRole role) {
  std::vector<TextPrimitive> out;
  for (const auto& p : s.overlay())
    if (const auto* t = std::get_if<TextPrimitive>(&p); t && t->role == role) out.push_back(*t);
  return out;
}

// Tick marks: short lines that leave the X axis downwards or the Y axis leftwards.
int tickMarks(const PlotSurface& s, const PlotMapping& m, bool xAxis) {
  return static_cast<int>(std::count_if(s.overlay().begin(), s.overlay().end(), [&](const auto& p) {
    const auto* l = std::get_if<LinePrimitive>(&p);
    if (!l) return false;
    return xAxis ? l->from.y == m.YBottom && std::abs(l->to.y - 1.02 * m.YBottom) < 1e-3
                 : l->from.x == m.XLeft && std::abs(l->to.x - 0.9 * m.XLeft) < 1e-3;
  }));
}

TEST(PlotFrame, GeometryOfAnXRangeOfPointFifteen) {
  DataSet set = setWithRanges(0.01f, 0.16f, -7, 0);
  const auto [f, s] = drawn(set);
  EXPECT_NEAR(f.width, 1800, 1e-3);
  EXPECT_NEAR(f.mapping.XLeft, 150, 1e-3);
  EXPECT_EQ(f.mapping.XScale, 10.0f);
  EXPECT_EQ(f.xTicks.perUnit, 10);
  // Fewer than two whole units: at most one x label, on a whole unit.
  const auto labels = texts(s, TextRole::XTick);
  ASSERT_EQ(labels.size(), 1u);
  EXPECT_EQ(labels[0].text, "0.100");
  EXPECT_NEAR(labels[0].anchor.x, 150 + 900, 1e-2);
  EXPECT_NEAR(labels[0].anchor.y, 0.93 * f.height, 1e-6);
  EXPECT_EQ(labels[0].hAlign, HAlign::Centre);
  EXPECT_EQ(tickMarks(s, f.mapping, true), f.xTicks.count);
}

TEST(PlotFrame, LogYFromTenToTheMinusSevenToOneWithTitleAndBackground) {
  DataSet set = setWithRanges(0.01f, 0.3f, -7, 0);
  set.Background = 2.5e-6f;
  const auto [f, s] = drawn(set);
  const PlotMapping& m = f.mapping;
  EXPECT_NEAR(m.mapX(set.XMax), m.XLeft + 1000 * m.XR, 1e-2);
  EXPECT_NEAR(m.mapY(set.YMax), m.YBottom - 1000 * m.YR, 1e-2);
  EXPECT_EQ(f.mapping.YScale, 1.0f);
  EXPECT_NEAR(f.height, 1200 * 7, 1e-6);
  EXPECT_NEAR(f.mapping.YBottom, 7700, 1e-3);
  // Both ends whole: the count has a ninth mark, which would fall below the X axis (and,
  // on a span of ten decades, inside the surface under the axis); it is not drawn.
  EXPECT_EQ(f.yTicks.count, 9);
  EXPECT_EQ(tickMarks(s, f.mapping, false), 8);
  DataSet tenDecades = setWithRanges(0.01f, 0.3f, -9, 1);
  const auto [f10, s10] = drawn(tenDecades);
  EXPECT_EQ(tickMarks(s10, f10.mapping, false), 11);
  for (const auto& p : s10.overlay()) {
    if (const auto* l = std::get_if<LinePrimitive>(&p)) {
      EXPECT_LE(l->from.y, f10.mapping.YBottom);
    }
  }
  const auto labels = texts(s, TextRole::YTick);
  ASSERT_EQ(labels.size(), 8u);
  EXPECT_EQ(labels.front().text, "0.0");
  EXPECT_EQ(labels.back().text, "-7.0");
  // The last label sits on the X axis; labels stand right-aligned left of the axis.
  EXPECT_NEAR(labels.back().anchor.y, f.mapping.YBottom, 1e-6);
  EXPECT_NEAR(labels.front().anchor.y, f.mapping.YBottom - 7000, 1e-6);
  EXPECT_EQ(labels[0].hAlign, HAlign::Right);
  EXPECT_LT(labels[0].anchor.x, f.mapping.XLeft);

  const auto title = texts(s, TextRole::Title);
  ASSERT_EQ(title.size(), 1u);
  EXPECT_EQ(title[0].text, "D2O run");
  EXPECT_DOUBLE_EQ(title[0].anchor.x, f.width / 2);
  const auto bgd = texts(s, TextRole::Background);
  ASSERT_EQ(bgd.size(), 1u);
  EXPECT_EQ(bgd[0].text, "bgd = 2.50E-06");
}

TEST(PlotFrame, LogXAxisHasNoXTicksOrLabels) {
  DataSet set = setWithRanges(-2, -0.5f, -7, 0);
  const auto [f, s] = drawn(set, true);
  EXPECT_EQ(tickMarks(s, f.mapping, true), 0);
  EXPECT_TRUE(texts(s, TextRole::XTick).empty());
  EXPECT_FALSE(texts(s, TextRole::YTick).empty());
}

// The guard's cases are in AxisScalingTest; here the frame applies it to both axes.
TEST(PlotFrame, DegenerateRangesAreMendedNotLooped) {
  DataSet set = setWithRanges(0.3f, 0.01f, -3, -3);
  const FrameGeometry f = computeFrame(set);
  EXPECT_EQ(set.XMin, 0.01f);
  EXPECT_EQ(set.XMax, 0.3f);
  EXPECT_EQ(set.YMin, -4.0f);
  EXPECT_EQ(set.YMax, -2.0f);
  EXPECT_TRUE(std::isfinite(f.width) && f.width > 0);
}

}  // namespace
}  // namespace lumo
