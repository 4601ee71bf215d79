// The combined plot on recorded primitives: four sets of different Q and R ranges on one
// mapping, on every axis setting and with a narrowed range.
#include "plot/CombinedPlot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "files/DataLoading.h"
#include "files/DisplayScale.h"
#include "plot/StandardColour.h"

namespace lumo {
namespace {

// Set k: 30 points over its own Q range, R falling by three decades from its own top;
// its curve lies half a decade below the data, set 3's a whole decade further down.
DataStore fourSets(bool logX, bool logY) {
  const double q1[] = {0, 0.005, 0.02, 0.05, 0.01}, q2[] = {0, 0.05, 0.15, 0.30, 0.10};
  const double top[] = {0, 1, 1e-2, 1e-3, 0.5};
  DataStore store;
  for (int k = 1; k <= 4; ++k) {
    DataFileContents c;
    c.title = "Title " + std::to_string(k);
    c.solventSLD = 6.35;
    c.announcedCount = 30;
    for (int i = 0; i < 30; ++i) {
      const double q = q1[k] + (q2[k] - q1[k]) * i / 29, r = top[k] * std::pow(10.0, -3.0 * i / 29);
      c.points.push_back({q, r, 0.1 * r});
    }
    DataSet& set = store[k];
    fillSlot(set, c, "set.vld");
    convertForDisplay(set, logX, logY);
    const double below = k == 3 ? 1.5 : 0.5;
    for (int i = 1; i <= 30; ++i)
      set.CalcR[i] = logY ? set.DataR[i] - below : set.DataR[i] * std::pow(10.0, -below);
  }
  store.NumDataSets = 4;
  return store;
}

// Inside, or a hair outside where single-precision ranges put an end point.
bool inside(LogicalPoint p, const LogicalRect& a) {
  const double slack = 2e-5 * (a.right - a.left + a.bottom - a.top);
  return p.x >= a.left - slack && p.x <= a.right + slack && p.y >= a.top - slack &&
         p.y <= a.bottom + slack;
}

// Every line, circle and polyline of a set (any colour but the frame's black) lies in
// the area; returns the colours seen.
std::set<int> checkInside(const PrimitiveList& list, const LogicalRect& area) {
  std::set<int> colours;
  for (const auto& p : list) {
    if (const auto* l = std::get_if<LinePrimitive>(&p); l && l->colour != colour::Black) {
      EXPECT_TRUE(inside(l->from, area) && inside(l->to, area));
      colours.insert(l->colour);
    } else if (const auto* c = std::get_if<CirclePrimitive>(&p)) {
      EXPECT_TRUE(inside(c->centre, area));
      colours.insert(c->colour);
    } else if (const auto* pl = std::get_if<PolylinePrimitive>(&p)) {
      for (const LogicalPoint& pt : pl->points) EXPECT_TRUE(inside(pt, area));
      colours.insert(pl->colour);
    }
  }
  return colours;
}

// The values of the tick labels of one axis, highest first.
std::vector<double> labels(const PrimitiveList& list, TextRole role) {
  std::vector<double> v;
  for (const auto& p : list)
    if (const auto* t = std::get_if<TextPrimitive>(&p); t && t->role == role) v.push_back(std::stod(t->text));
  return v;
}

class CombinedPlot : public ::testing::TestWithParam<std::tuple<bool, bool, bool>> {};

TEST_P(CombinedPlot, EverySetLiesInsideAxesThatSpanThemAll) {
  const auto [logX, logY, narrowed] = GetParam();
  DataStore store = fourSets(logX, logY);
  if (narrowed) {  // a range chosen on set 2: its points and curve partly outside it
    DataSet& s = store[2];
    s.XMin = static_cast<float>(s.DataQ[10]);
    s.XMax = static_cast<float>(s.DataQ[20]);
    s.YMin = static_cast<float>(s.DataR[15]);
  }
  const CombinedContent content{true, {}, logY};
  const AxisRanges union_ = combinedRanges(store, 4, content);
  PlotSurface surface;
  surface.setPersistentDrawing(true);
  const FrameGeometry frame = drawCombinedData(surface, store, 4, {true, true, true}, logX, content);
  surface.setPersistentDrawing(false);
  drawCombinedCurves(surface, store, 4, frame.mapping, {});
  const LogicalRect area = dataArea(frame.mapping);

  // The axes span every set's range (and the curves', rounded to whole decades).
  for (int k = 1; k <= 4; ++k) {
    EXPECT_LE(union_.XMin, store[k].XMin);
    EXPECT_GE(union_.XMax, store[k].XMax);
    EXPECT_LE(union_.YMin, store[k].YMin);
    EXPECT_GE(union_.YMax, store[k].YMax);
  }
  EXPECT_EQ(union_.XMax, store[3].XMax);
  // Set 3's curve reaches a decade and a half below its data's lowest point.
  const float lowestCurve = logY ? float(store[3].DataR[30] - 1.5) : float(store[3].DataR[30] * 0.0316);
  EXPECT_LE(union_.YMin, lowestCurve);
  EXPECT_EQ(union_.YMin, logY ? std::floor(union_.YMin) : union_.YMin);

  const std::set<int> dataColours = checkInside(surface.persistent(), area);
  const std::set<int> curveColours = checkInside(surface.overlay(), area);
  EXPECT_EQ(dataColours.size(), 4u);
  EXPECT_EQ(curveColours.size(), 4u);

  // The labels run from the top of the union down to its bottom, one unit apart.
  const std::vector<double> y = labels(surface.persistent(), TextRole::YTick);
  ASSERT_FALSE(y.empty());
  const double yUnit = 1 / frame.mapping.YScale;
  EXPECT_NEAR(y.front(), std::floor(union_.YMax / yUnit) * yUnit, yUnit / 100);
  EXPECT_LE(y.back(), union_.YMin + yUnit);
  const std::vector<double> x = labels(surface.persistent(), TextRole::XTick);
  if (logX) {
    EXPECT_TRUE(x.empty());
  } else {
    const double xUnit = 1 / frame.mapping.XScale;
    ASSERT_FALSE(x.empty());
    EXPECT_NEAR(x.front(), std::floor(union_.XMax / xUnit) * xUnit, xUnit / 100);
    EXPECT_LE(x.back(), union_.XMin + xUnit);
  }
}

INSTANTIATE_TEST_SUITE_P(AxisSettings, CombinedPlot,
                         ::testing::Combine(::testing::Bool(), ::testing::Bool(), ::testing::Bool()));

// Each set in a colour of its own, its curve in a darker shade of it, and a legend of
// the titles in the sets' colours.
TEST(CombinedPlotLegend, ColoursAndTitles) {
  DataStore store = fourSets(false, true);
  store[4].DataTitle.clear();
  PlotSurface surface;
  surface.setPersistentDrawing(true);
  drawCombinedData(surface, store, 4, {true, false, false}, false, {false, {}, true});
  std::vector<std::string> legend;
  for (const auto& p : surface.persistent())
    if (const auto* t = std::get_if<TextPrimitive>(&p); t && t->role == TextRole::Legend) {
      legend.push_back(t->text);
      EXPECT_EQ(t->colour, combinedDataColour(static_cast<int>(legend.size())));
    }
  ASSERT_EQ(legend.size(), 4u);
  EXPECT_NE(legend[0].find("Title 1"), std::string::npos);
  EXPECT_NE(legend[3].find("Set 4"), std::string::npos);  // a set without a title
  for (int k = 1; k <= 4; ++k) {
    const Rgb data = standardColour(combinedDataColour(k)), curve = standardColour(combinedCurveColour(k));
    EXPECT_NE(combinedDataColour(k), colour::DarkBlue) << k;  // not the single plots' colour
    EXPECT_LT(curve.r + curve.g + curve.b, data.r + data.g + data.b) << k;
    EXPECT_TRUE(curve.r <= data.r && curve.g <= data.g && curve.b <= data.b) << k;
    for (int j = 1; j < k; ++j) EXPECT_NE(combinedDataColour(j), combinedDataColour(k));
  }
}

}  // namespace
}  // namespace lumo
