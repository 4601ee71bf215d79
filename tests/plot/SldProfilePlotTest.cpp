// The SLD profile plot on a recorded surface: where its steps are drawn, how wide a
// rough interface is on the surface, the legend and the axes.
#include <gtest/gtest.h>

#include <cmath>
#include <variant>

#include "plot/SldProfilePlot.h"

namespace lumo {
namespace {

LayerModel oneLayer(float thickness, float roughness) {
  LayerModel m;
  m.NumLayers = 1;
  m.IncidentSLD = 0;
  m.Thickness[1] = thickness;
  m.LayerSLD[1] = 4.0e-6f;
  m.SolventSLD[1] = 0;
  m.SolventSLD[2] = 6.0e-6f;
  m.Roughness[0] = m.Roughness[1] = roughness;
  return m;
}

struct Drawn {
  PlotSurface surface;
  FrameGeometry frame;
  std::vector<const PolylinePrimitive*> curves;
  std::vector<const TextPrimitive*> legend;
};

Drawn draw(const LayerModel& m, int contrasts) {
  Drawn d;
  SldProfiles profiles;
  profiles.compute(m, contrasts);
  std::vector<ProfileEntry> entries;
  for (int k = 1; k <= contrasts; ++k) entries.push_back({"Set " + std::to_string(k), 8 + k});
  d.frame = drawSldProfile(d.surface, profiles, entries);
  for (const auto& p : d.surface.persistent()) {
    if (const auto* c = std::get_if<PolylinePrimitive>(&p)) d.curves.push_back(c);
    if (const auto* t = std::get_if<TextPrimitive>(&p); t && t->role == TextRole::Legend)
      d.legend.push_back(t);
  }
  return d;
}

double zOf(const PlotMapping& m, double x) { return m.XMin + (x - m.XLeft) / (double(m.XScale) * 1000); }
double sldOf(const PlotMapping& m, double y) { return m.YMin + (m.YBottom - y) / (double(m.YScale) * 1000); }

// The depth at which the drawn curve first reaches `level` (10^-6 Å^-2) after depth `from`.
double drawnDepthReaching(const Drawn& d, const PolylinePrimitive& c, double level, double from) {
  const PlotMapping& m = d.frame.mapping;
  for (size_t i = 1; i < c.points.size(); ++i) {
    const double z0 = zOf(m, c.points[i - 1].x), z1 = zOf(m, c.points[i].x);
    const double r0 = sldOf(m, c.points[i - 1].y), r1 = sldOf(m, c.points[i].y);
    if (z1 < from) continue;
    if ((r0 - level) * (r1 - level) <= 0 && r0 != r1) return z0 + (level - r0) / (r1 - r0) * (z1 - z0);
  }
  return NAN;
}

// Without roughness the layer is a box with upright steps at z = 0 and z = d.
TEST(SldProfilePlot, ASharpLayerOfThicknessDShowsUprightStepsAtZeroAndD) {
  for (float d : {20.0f, 137.0f, 800.0f}) {
    const Drawn drawn = draw(oneLayer(d, 0), 1);
    ASSERT_EQ(drawn.curves.size(), 1u);
    const PlotMapping& m = drawn.frame.mapping;
    // Upright runs of points at one depth, and how far each climbs or falls.
    std::vector<double> stepsAt, heights;
    const auto& pts = drawn.curves[0]->points;
    for (size_t i = 1; i < pts.size(); ++i) {
      if (pts[i].x != pts[i - 1].x) continue;
      const double rise = sldOf(m, pts[i].y) - sldOf(m, pts[i - 1].y);
      if (!stepsAt.empty() && stepsAt.back() == zOf(m, pts[i].x)) {
        heights.back() += rise;
      } else {
        stepsAt.push_back(zOf(m, pts[i].x));
        heights.push_back(rise);
      }
    }
    ASSERT_EQ(stepsAt.size(), 2u) << d;
    EXPECT_NEAR(heights[0], 4.0, 1e-3);
    EXPECT_NEAR(heights[1], -4.0, 1e-3);
    EXPECT_NEAR(stepsAt[0], 0, 1e-3 * d);
    EXPECT_NEAR(stepsAt[1], d, 1e-3 * d);
    // The curve spans the frame from its left to its right end.
    EXPECT_NEAR(pts.front().x, m.XLeft, 1e-6 * drawn.frame.width);
    EXPECT_NEAR(pts.back().x, m.XLeft + 1000.0 * m.XR, 1e-3 * drawn.frame.width);
  }
}

// A roughness σ spreads each step so that it rises from 16 % to 84 % over 2σ.
TEST(SldProfilePlot, ARoughnessSigmaGivesSixteenToEightyFourPercentWidthsOfTwoSigma) {
  for (float sigma : {0.2f, 3.0f, 12.0f}) {
    const Drawn d = draw(oneLayer(150, sigma), 1);
    const PolylinePrimitive& c = *d.curves[0];
    // The first step rises from 0 to 4, the second falls from 4 to 0.
    const double up = drawnDepthReaching(d, c, 0.84 * 4, -1e9) - drawnDepthReaching(d, c, 0.16 * 4, -1e9);
    const double down = drawnDepthReaching(d, c, 0.16 * 4, 75) - drawnDepthReaching(d, c, 0.84 * 4, 75);
    EXPECT_NEAR(up, 2 * sigma, 0.02 * 2 * sigma + 0.02) << sigma;
    EXPECT_NEAR(down, 2 * sigma, 0.02 * 2 * sigma + 0.02) << sigma;
  }
}

TEST(SldProfilePlot, EveryContrastInItsColourWithItsLegendAndTheAxesNamed) {
  const Drawn d = draw(oneLayer(100, 3), 2);
  ASSERT_EQ(d.curves.size(), 2u);
  EXPECT_EQ(d.curves[0]->colour, 9);
  EXPECT_EQ(d.curves[1]->colour, 10);
  ASSERT_EQ(d.legend.size(), 2u);
  EXPECT_EQ(d.legend[0]->text, "\u25CF Set 1");
  EXPECT_EQ(d.legend[1]->colour, 10);
  EXPECT_EQ(d.legend[1]->linesBelow, 1);
  // Contrast 2's solvent (6) is high at the right: the legend goes to the left corner.
  EXPECT_EQ(d.legend[0]->hAlign, HAlign::Left);
  // The range holds every curve with room above and below.
  EXPECT_LT(d.frame.mapping.YMin, -0.19f);
  bool titled = false;
  int xLabels = 0;
  for (const auto& p : d.surface.persistent())
    if (const auto* t = std::get_if<TextPrimitive>(&p)) {
      titled |= t->role == TextRole::Title && t->text == kSldProfileTitle;
      if (t->role == TextRole::XTick) {
        ++xLabels;
        EXPECT_EQ(t->text.find('.'), std::string::npos) << "depth labels are whole Å: " << t->text;
      }
    }
  EXPECT_TRUE(titled);
  EXPECT_GE(xLabels, 2);
  // Nothing of a curve lies outside the data area.
  const LogicalRect area = dataClipArea(d.frame.mapping);
  for (const auto* c : d.curves)
    for (const LogicalPoint& p : c->points) {
      EXPECT_GE(p.y, area.top);
      EXPECT_LE(p.y, area.bottom);
    }
}

// A model whose media all have one SLD still gets a range to draw on.
TEST(SldProfilePlot, AFlatProfileIsDrawnInsideAUsableRange) {
  LayerModel m;
  m.NumLayers = 1;
  m.Thickness[1] = 0;
  const Drawn d = draw(m, 4);
  ASSERT_EQ(d.curves.size(), 4u);
  EXPECT_GT(d.frame.height, 0);
  for (const LogicalPoint& p : d.curves[0]->points) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
}

}  // namespace
}  // namespace lumo
