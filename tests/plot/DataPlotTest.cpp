#include "plot/DataPlot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "plot/PlotFrame.h"

namespace lumo {
namespace {

// Five points from Q = 0.02 to 0.10 with R decaying by a decade each, stored as log10.
struct Fixture {
  DataSet set;
  FrameGeometry frame;
  PlotSurface surface;

  Fixture() {
    set.NumPoints = 5;
    for (int i = 1; i <= 5; ++i) {
      set.DataQ[i] = 0.02 * i;
      set.DataR[i] = -i;
      set.ErrUpper[i] = -i + 0.1;
      set.ErrLower[i] = -i - 0.1;
      set.CalcR[i] = -i - 0.05;
    }
    set.DataFirst = 1;
    set.DataLast = 5;
    set.XMin = 0.02f, set.XMax = 0.1f;
    set.YMin = -6, set.YMax = 0;
    frame = computeFrame(set);
    surface.setLogicalSize(frame.width, frame.height);
  }

  template <class T>
  int count() const {
    return static_cast<int>(std::count_if(surface.overlay().begin(), surface.overlay().end(),
                                          [](const auto& p) { return std::holds_alternative<T>(p); }));
  }
};

TEST(DataPlot, ThreePassesOverTheUsedPoints) {
  Fixture f;
  drawDataPasses(f.surface, f.set, f.frame.mapping, {false, false, false});
  EXPECT_TRUE(f.surface.overlay().empty());
  f.set.DataFirst = 2;
  drawDataPasses(f.surface, f.set, f.frame.mapping, {true, true, true});
  EXPECT_EQ(f.count<CirclePrimitive>(), 4);
  // One line through the four points, then three lines per error bar.
  EXPECT_EQ(f.count<PolylinePrimitive>(), 1);
  EXPECT_EQ(std::get<PolylinePrimitive>(f.surface.overlay()[4]).points.size(), 4u);
  EXPECT_EQ(f.count<LinePrimitive>(), 4 * 3);
  const auto& circle = std::get<CirclePrimitive>(f.surface.overlay()[0]);
  EXPECT_NEAR(circle.radius, 5 * f.frame.mapping.XR, 1e-4);
  EXPECT_EQ(circle.colour, 1);
}

TEST(DataPlot, OnePointRangeDrawsNoLineAndNoCurve) {
  Fixture f;
  f.set.DataFirst = f.set.DataLast = 3;
  drawDataPasses(f.surface, f.set, f.frame.mapping, {true, true, true});
  drawCurve(f.surface, f.set, f.frame.mapping, {});
  EXPECT_EQ(f.count<CirclePrimitive>(), 1);
  EXPECT_EQ(f.count<LinePrimitive>(), 3);  // one error bar with its caps
  EXPECT_EQ(f.count<PolylinePrimitive>(), 0);
}

TEST(DataPlot, ZeroLowerErrorEndMovesToTheAxisBottom) {
  Fixture f;
  f.set.ErrLower[2] = 0;
  drawDataPasses(f.surface, f.set, f.frame.mapping, {false, false, true});
  EXPECT_EQ(f.set.ErrLower[2], f.set.YMin);
  // The lower cap of point 2 is the sixth line and lies on the X axis.
  const auto& lowerCap = std::get<LinePrimitive>(f.surface.overlay()[5]);
  EXPECT_NEAR(lowerCap.from.y, f.frame.mapping.YBottom, 1e-9);
  EXPECT_NEAR(lowerCap.to.x - lowerCap.from.x, 0.1 * f.frame.mapping.XLeft, 1e-6);
}

TEST(DataPlot, GridCurveOnALogXStoreMapsLinearQThroughLog10) {
  Fixture f;
  // The store holds log10 Q; the grid holds linear Q, starting at Q = 0.
  f.set.XMin = -2, f.set.XMax = -1;
  f.frame = computeFrame(f.set);
  f.set.CalcFirst = 1, f.set.CalcLast = 3;
  f.set.GridQ[1] = 0, f.set.GridQ[2] = 0.01, f.set.GridQ[3] = 0.1;
  drawCurve(f.surface, f.set, f.frame.mapping, {true, true});
  ASSERT_EQ(f.count<PolylinePrimitive>(), 1);
  const auto& curve = std::get<PolylinePrimitive>(f.surface.overlay()[0]);
  ASSERT_EQ(curve.points.size(), 2u);  // Q = 0 has no logarithm and is left out
  EXPECT_NEAR(curve.points[0].x, f.frame.mapping.XLeft, 1e-6);
  EXPECT_NEAR(curve.points[1].x, f.frame.mapping.XLeft + 1000 * f.frame.mapping.XR, 1e-3);
}

// A zero reflectivity on a log axis (log10 R = -inf) breaks the curve.
TEST(DataPlot, CurveOnTheDataPointsBrokenWhereRIsZero) {
  Fixture f;
  f.set.CalcR[3] = -std::numeric_limits<double>::infinity();
  drawCurve(f.surface, f.set, f.frame.mapping, {});
  ASSERT_EQ(f.count<PolylinePrimitive>(), 2);
  const auto& last = std::get<PolylinePrimitive>(f.surface.overlay()[1]);
  ASSERT_EQ(last.points.size(), 2u);
  EXPECT_NEAR(last.points[0].x, f.frame.mapping.mapX(0.08), 1e-9);
  EXPECT_NEAR(last.points[1].y, f.frame.mapping.mapY(-5.05), 1e-9);
}

}  // namespace
}  // namespace lumo
