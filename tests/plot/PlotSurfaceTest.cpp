#include "plot/PlotSurface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace lumo {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(PlotSurface, ClearingWithPersistentDrawingOffKeepsThePersistentLayer) {
  PlotSurface s;
  s.setLogicalSize(1000, 1000);
  s.setPersistentDrawing(true);
  s.addLine({0, 0}, {10, 10}, 0);
  s.setPersistentDrawing(false);
  s.addLine({0, 0}, {20, 20}, 0);
  const auto persistentVersion = s.persistentVersion();

  s.clear();
  EXPECT_EQ(s.persistent().size(), 1u);
  EXPECT_TRUE(s.overlay().empty());
  EXPECT_EQ(s.persistentVersion(), persistentVersion);

  s.setPersistentDrawing(true);
  s.clear();
  EXPECT_TRUE(s.persistent().empty());
}

TEST(PlotSurface, DropsWhatCannotBePainted) {
  PlotSurface s;
  s.setLogicalSize(1000, 1000);
  s.addLine({kNaN, 0}, {1, 1}, 0);
  s.addLine({0, 0}, {kInf, 1}, 0);
  s.addCircle({1e9, 10}, 5, 0);
  s.addCircle({10, 10}, kNaN, 0);
  s.addText({{kNaN, 0}, "x"});
  s.addLine({5000, 5000}, {6000, 6000}, 0);  // wholly outside the recording box
  EXPECT_TRUE(s.overlay().empty());
}

// The recording box of a 100 × 100 surface reaches to 200.
TEST(PlotSurface, ClipsToTheRecordingBoxAndBreaksPolylinesAtPointsWithoutAPosition) {
  PlotSurface s;
  s.setLogicalSize(100, 100);
  s.addLine({50, 50}, {50, 1e12}, 0);
  s.addPolyline({{0, 0}, {0, 150}, {0, 1e9}, {0, 1e9 + 1}, {0, 150}, {kNaN, 10}, {0, 50}, {0, 60}}, 0);
  ASSERT_EQ(s.overlay().size(), 4u);
  EXPECT_DOUBLE_EQ(std::get<LinePrimitive>(s.overlay()[0]).to.y, 200);
  const auto& first = std::get<PolylinePrimitive>(s.overlay()[1]);
  ASSERT_EQ(first.points.size(), 3u);
  EXPECT_DOUBLE_EQ(first.points[2].y, 200);
  const auto& second = std::get<PolylinePrimitive>(s.overlay()[2]);
  EXPECT_DOUBLE_EQ(second.points.front().y, 200);
  EXPECT_DOUBLE_EQ(second.points.back().y, 150);
  EXPECT_EQ(std::get<PolylinePrimitive>(s.overlay()[3]).points.size(), 2u);
}

}  // namespace
}  // namespace lumo
