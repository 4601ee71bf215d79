#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "converter/PlotDrawing.h"

namespace lumo::converter {
namespace {

PlotStore storeOf(std::vector<float> q, std::vector<float> r, float dr = 0) {
  ConvData d;
  d.ConvNumPoints = static_cast<int>(q.size());
  for (size_t i = 0; i < q.size(); ++i) {
    d.ConvQ[i + 1] = q[i];
    d.ConvR[i + 1] = r[i];
    d.ConvdR[i + 1] = dr;
  }
  PlotStore s;
  s.startWith(d, "/d/a.dat", "a.dat");
  return s;
}

std::vector<TextPrimitive> texts(const PlotSurface& s, TextRole role) {
  std::vector<TextPrimitive> out;
  for (const auto& p : s.persistent())
    if (const auto* t = std::get_if<TextPrimitive>(&p); t && t->role == role) out.push_back(*t);
  return out;
}

std::vector<std::string> textsOf(const PlotSurface& s, TextRole role) {
  std::vector<std::string> out;
  for (const TextPrimitive& t : texts(s, role)) out.push_back(t.text);
  return out;
}

// Every recorded coordinate is finite, and the surface has a usable size.
bool allFinite(const PlotSurface& s) {
  bool ok = std::isfinite(s.width()) && std::isfinite(s.height());
  for (const auto& p : s.persistent())
    std::visit(
        [&](const auto& v) {
          using T = std::decay_t<decltype(v)>;
          if constexpr (std::is_same_v<T, LinePrimitive>)
            ok = ok && std::isfinite(v.from.x + v.from.y + v.to.x + v.to.y);
          else if constexpr (std::is_same_v<T, CirclePrimitive>)
            ok = ok && std::isfinite(v.centre.x + v.centre.y + v.radius);
        },
        p);
  return ok;
}

TEST(PlotDrawing, QFromPointZeroOneToPointTwoFive) {
  PlotStore s = storeOf({0.01f, 0.1f, 0.25f}, {0.9f, 0.5f, 0.2f});
  s.logY = false;
  PlotSurface surface;
  const PlotAxes a = PlotIt(surface, s, {});
  EXPECT_EQ(a.frame.mapping.XScale, 10.0f);
  EXPECT_NEAR(a.frame.mapping.XR, 2.4, 1e-5);
  EXPECT_NEAR(surface.width(), 2880, 1e-3);
  EXPECT_EQ(a.frame.xTicks.count, 2);
  EXPECT_EQ(a.frame.xTicks.perUnit, 1);
  EXPECT_EQ(textsOf(surface, TextRole::XTick), (std::vector<std::string>{"0.200", "0.100"}));
  const auto labels = texts(surface, TextRole::XTick);
  EXPECT_NEAR(labels[0].anchor.x, a.frame.mapping.mapX(0.2), 1e-2);
  // A linear Y range of 0.7: YScale 10, labels on whole tenths ("0.0" format).
  EXPECT_EQ(textsOf(surface, TextRole::YTick),
            (std::vector<std::string>{"0.9", "0.8", "0.7", "0.6", "0.5", "0.4", "0.3"}));
}

TEST(PlotDrawing, RangesOfExactlyOneAndLogXLabels) {
  PlotStore s = storeOf({0.1f, 1.1f}, {0.5f, 1.5f});
  s.logY = false;
  PlotAxes a = PlotIt_Title(s);
  EXPECT_EQ(a.frame.mapping.YScale, 1.0f);   // [1, 10]
  EXPECT_EQ(a.frame.mapping.XScale, 10.0f);  // (1, 10]
  s = storeOf({0.005f, 0.02f, 0.25f}, {1, 0.1f, 1e-4f});
  s.logX = true;
  PlotSurface surface;
  a = PlotIt(surface, s, {});
  EXPECT_EQ(textsOf(surface, TextRole::XTick), (std::vector<std::string>{"-1.000", "-2.000"}));
  EXPECT_NEAR(texts(surface, TextRole::XTick)[1].anchor.x, a.frame.mapping.mapX(-2), 1e-2);
}

// A single point, equal values, values with no logarithm: nothing loops, nothing is NaN.
TEST(PlotDrawing, DegenerateStoresDrawFiniteFrames) {
  std::vector<PlotStore> stores{storeOf({0.1f}, {0.5f}), storeOf({0.1f, 0.1f}, {0.5f, 0.5f}),
                                storeOf({-0.1f, 0, 0.2f}, {0, -1, 0.3f}), storeOf({}, {})};
  stores[2].logX = true;
  for (PlotStore& s : stores) {
    PlotSurface surface;
    const PlotAxes a = PlotIt(surface, s, {true, true, true, 3, "t"});
    EXPECT_TRUE(allFinite(surface));
    EXPECT_GT(a.ranges.XMax, a.ranges.XMin);
    EXPECT_GT(a.ranges.YMax, a.ranges.YMin);
  }
}

// Each curve in its colour; the line has the line width; a point without a log Y has
// neither circle nor error bar, and an error bar whose lower end has no logarithm
// reaches the X axis.
TEST(PlotDrawing, CurvesInTheirColoursWithLogYGaps) {
  PlotStore s = storeOf({0.01f, 0.02f, 0.03f}, {1e-2f, 0, 1e-4f}, 2e-2f);
  ConvData second;
  second.ConvNumPoints = 2;
  second.ConvQ[1] = 0.01f, second.ConvQ[2] = 0.03f;
  second.ConvR[1] = 1e-3f, second.ConvR[2] = 1e-3f;
  s.add(second, "/d/b.dat", "b.dat");
  s.logY = true;
  PlotSurface surface;
  const PlotAxes a = PlotIt(surface, s, {true, true, true, 2, "t"});
  std::vector<int> circles;
  int bars = 0, axisEnds = 0;
  for (const auto& p : surface.persistent()) {
    if (const auto* c = std::get_if<CirclePrimitive>(&p)) circles.push_back(c->colour);
    if (const auto* l = std::get_if<PolylinePrimitive>(&p)) {
      EXPECT_EQ(l->width, 2);
    }
    if (const auto* l = std::get_if<LinePrimitive>(&p);
        l && l->colour == 1 && l->from.x == l->to.x) {
      ++bars;
      if (std::abs(l->to.y - a.frame.mapping.YBottom) < 1e-6) ++axisEnds;
    }
  }
  EXPECT_EQ(circles, (std::vector<int>{1, 1, 2, 2}));
  EXPECT_EQ(bars, 2);
  EXPECT_EQ(axisEnds, 2);  // R - dR is below 0 for both shown points of curve 1
}

}  // namespace
}  // namespace lumo::converter
