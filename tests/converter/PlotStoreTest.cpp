#include <gtest/gtest.h>

#include <cmath>

#include "converter/PlotStore.h"

namespace lumo::converter {
namespace {

// `n` points with Q = 0.01·i, R = r0·10^(-0.01·i) and dR = R / 10.
ConvData points(int n, float r0 = 1) {
  ConvData d;
  d.ConvNumPoints = n;
  for (int i = 1; i <= n; ++i) {
    d.ConvQ[i] = 0.01f * float(i);
    d.ConvR[i] = r0 * std::pow(10.0f, -0.01f * float(i));
    d.ConvdR[i] = d.ConvR[i] / 10;
  }
  return d;
}

PlotStore storeOf(std::initializer_list<int> counts) {
  PlotStore s;
  int k = 0;
  for (int n : counts) {
    const std::string name = std::to_string(++k);
    s.add(points(n), "/d/" + name, name);
  }
  return s;
}

TEST(PlotStore, CurvesTakeTheNextColourUpToFourteenAndAtMost49AreShown) {
  PlotStore s = storeOf({3});
  EXPECT_EQ(s.curve(1).PlotColour, 1);
  while (s.NumPlots() < kMaxPlots) ASSERT_TRUE(s.add(points(3), "f", "f"));
  EXPECT_EQ(s.curve(2).PlotColour, 2);
  EXPECT_EQ(s.curve(14).PlotColour, 14);
  EXPECT_EQ(s.curve(15).PlotColour, 0);  // black after yellow
  EXPECT_EQ(s.curve(16).PlotColour, 1);
  EXPECT_FALSE(s.add(points(3), "g", "g"));
  EXPECT_EQ(s.NumPlots(), kMaxPlots);
}

TEST(PlotStore, RemovingCurveTwoOfThreeMovesTheThirdWithItsColourAndWindow) {
  PlotStore s = storeOf({10, 20, 30});
  s.curve(3).PlotColour = 7;
  s.curve(3).PlotStart = 4;
  s.curve(3).PlotEnd = 9;
  s.remove(2);
  ASSERT_EQ(s.NumPlots(), 2);
  EXPECT_EQ(s.curve(2).PlotName, "3");
  EXPECT_EQ(s.curve(2).PlotCount, 30);
  EXPECT_EQ(s.curve(2).PlotColour, 7);
  EXPECT_EQ(s.curve(2).PlotStart, 4);
  EXPECT_EQ(s.curve(2).PlotEnd, 9);
  s.remove(1);
  s.remove(1);  // the last curve stays
  EXPECT_EQ(s.NumPlots(), 1);
}

// A zero reflectivity has no place on a log axis but keeps its value: log Y on and off
// leaves it 0 (it used to come back as 1). A scale of 10 shows as 1 added on the log axis.
TEST(PlotStore, LogAxesShowValuesWithoutChangingThem) {
  PlotStore s = storeOf({3});
  s.curve(1).PlotY[2] = 0;
  s.logY = true;
  EXPECT_TRUE(std::isnan(s.shownY(s.curve(1).PlotY[2])));
  const double before = s.shownY(s.curve(1).PlotY[1]);
  s.scale(10);
  EXPECT_NEAR(s.shownY(s.curve(1).PlotY[1]), before + 1, 1e-6);
  s.logY = false;
  EXPECT_EQ(s.curve(1).PlotY[2], 0.0f);
  s.logX = true;
  EXPECT_NEAR(s.shownX(0.01f), -2, 1e-6);
  EXPECT_TRUE(std::isnan(s.shownX(0)));
}

// The filter keeps all of a long curve's positive points (the old working copy held
// 512), in order, and the zoom window keeps covering the points it covered.
TEST(PlotStore, PointFilterKeepsEveryPositivePointAndTheWindow) {
  PlotStore s = storeOf({1000});
  PlotCurve& c = s.curve(1);
  for (int i : {2, 5, 600}) c.PlotY[static_cast<size_t>(i)] = -1e-3f;  // R and lower end below 0
  c.PlotdR[7] = c.PlotY[7];                                            // lower error-bar end at 0
  c.PlotStart = 6;
  c.PlotEnd = 700;
  const float kept8 = c.PlotX[8];
  s.logY = true;  // filtered on the linear values all the same
  s.keepPositivePoints();
  EXPECT_EQ(c.PlotCount, 996);
  EXPECT_EQ(c.PlotX[5], kept8);
  EXPECT_EQ(c.PlotStart, 4);  // point 6, still the window's first
  EXPECT_EQ(c.PlotEnd, 700 - 4);
}

TEST(PlotStore, ZoomWindowsStartWithinTheLastSixAndHoldThreePoints) {
  PlotStore s = storeOf({20, 4});
  // A press beyond every point: the start is kept at PlotCount - 5 (at least point 1).
  auto pending = s.pendingStartsAt(1.0);
  EXPECT_EQ(pending[1], 15);
  EXPECT_EQ(pending[2], 1);
  pending = s.pendingStartsAt(0.055);
  EXPECT_EQ(pending[1], 6);
  s.applyZoom(pending, 0.057);  // no point between: three points from the start
  EXPECT_EQ(s.curve(1).PlotStart, 6);
  EXPECT_EQ(s.curve(1).PlotEnd, 8);
  EXPECT_EQ(s.curve(2).PlotStart, 1);
  EXPECT_EQ(s.curve(2).PlotEnd, 4);
  s.applyZoom(s.pendingStartsAt(0.03), 0.125);
  EXPECT_EQ(s.curve(1).PlotStart, 3);
  EXPECT_EQ(s.curve(1).PlotEnd, 12);
  s.applyZoom(s.pendingStartsFromFirst(), std::nullopt);  // released beyond the axis: ends stay
  EXPECT_EQ(s.curve(1).PlotStart, 1);
  EXPECT_EQ(s.curve(1).PlotEnd, 12);
  s.resetWindows();
  EXPECT_EQ(s.curve(1).PlotEnd, 20);
}

}  // namespace
}  // namespace lumo::converter
