// The SLD profile against depth: steps, roughness widths, solvent mixing per contrast.
#include <gtest/gtest.h>

#include <algorithm>

#include "EngineFixtures.h"
#include "model/SldProfile.h"

namespace lumo {
namespace {

LayerModel oneLayer(float thickness, float roughness) {
  LayerModel m;
  m.NumLayers = 1;
  m.IncidentSLD = 2.07e-6f;
  m.Thickness[1] = thickness;
  m.LayerSLD[1] = 4.0e-6f;
  m.SolventSLD[1] = 6.0e-6f;
  m.Roughness[0] = m.Roughness[1] = roughness;
  return m;
}

// The first depth at which the profile reaches `level`, by linear interpolation.
double depthReaching(const SldProfiles& p, int contrast, double level) {
  const auto& z = p.z();
  const auto& rho = p.sld(contrast);
  for (size_t i = 1; i < z.size(); ++i)
    if (rho[i] >= level && rho[i - 1] < level)
      return z[i - 1] + (level - rho[i - 1]) / (rho[i] - rho[i - 1]) * (z[i] - z[i - 1]);
  return NAN;
}

// Without roughness, a layer of thickness d is a box from 0 to d: the incident medium
// above, the solvent below, each step drawn upright (both values at its depth).
TEST(SldProfile, SharpLayerIsABoxFromZeroToItsThickness) {
  SldProfiles p;
  p.compute(oneLayer(50, 0), 1);
  const auto& z = p.z();
  const auto& rho = p.sld(1);
  EXPECT_LT(p.range().zMin, 0);
  EXPECT_GT(p.range().zMax, 50);
  for (size_t i = 0; i < z.size(); ++i) {
    const double expected = z[i] < 0 ? 2.07e-6 : z[i] < 50 ? 4.0e-6 : 6.0e-6;
    if (z[i] != 0 && z[i] != 50) {
      EXPECT_NEAR(rho[i], expected, 1e-12) << z[i];
    }
  }
  for (const double step : {0.0, 50.0}) {
    const auto first = std::find(z.begin(), z.end(), step);
    ASSERT_NE(first, z.end());
    const size_t i = static_cast<size_t>(first - z.begin());
    ASSERT_EQ(z[i + 1], step);
    EXPECT_LT(rho[i], rho[i + 1]);  // from the medium above to the one below
  }
  EXPECT_TRUE(std::is_sorted(z.begin(), z.end()));
}

// A roughness σ gives an error-function step centred on the interface: from 16 % to
// 84 % of the step over 2σ, for wide and for narrow interfaces (narrower than the spacing).
TEST(SldProfile, RoughnessWidensEachStepToTwoSigma) {
  for (const float sigma : {0.3f, 2.0f, 8.0f}) {
    const LayerModel m = oneLayer(200, sigma);
    SldProfiles p;
    p.compute(m, 1);
    const double step1 = 4.0e-6 - 2.07e-6, step2 = 6.0e-6 - 4.0e-6;
    const double a = depthReaching(p, 1, 2.07e-6 + 0.1587 * step1);
    const double b = depthReaching(p, 1, 2.07e-6 + 0.8413 * step1);
    EXPECT_NEAR(b - a, 2 * sigma, 0.02 * sigma) << sigma;
    EXPECT_NEAR(0.5 * (a + b), 0, 0.02 * sigma);
    const double c = depthReaching(p, 1, 4.0e-6 + 0.1587 * step2);
    const double d = depthReaching(p, 1, 4.0e-6 + 0.8413 * step2);
    EXPECT_NEAR(d - c, 2 * sigma, 0.02 * sigma) << sigma;
    EXPECT_NEAR(0.5 * (c + d), 200, 0.02 * sigma);
  }
}

// Each contrast mixes the layers with its own solvent, as the calculation does; the
// backing is the contrast's solvent. sldAtDepths agrees with the drawn profiles.
TEST(SldProfile, EachContrastMixesItsOwnSolvent) {
  LayerModel m = test::twentyLayerModel();
  m.NumLayers = 2;
  m.Thickness[1] = 30;
  m.Thickness[2] = 40;
  m.LayerSLD[1] = 1.0e-6f;
  m.SolventFraction[1] = 0.25f;
  m.Roughness = {};
  for (int k = 1; k <= 4; ++k) {
    const MediaSLD media = mediaSLD(m, k);
    EXPECT_DOUBLE_EQ(media[1], m.IncidentSLD);
    EXPECT_NEAR(media[2], 0.75 * static_cast<double>(m.LayerSLD[1]) + 0.25 * m.SolventSLD[k], 1e-15);
    EXPECT_DOUBLE_EQ(media[4], m.SolventSLD[k]);
    const auto rho = sldAtDepths(m, k, {-5, 15, 50, 100});
    EXPECT_DOUBLE_EQ(rho[0], media[1]);
    EXPECT_DOUBLE_EQ(rho[1], media[2]);
    EXPECT_DOUBLE_EQ(rho[2], media[3]);
    EXPECT_DOUBLE_EQ(rho[3], media[4]);
  }
  SldProfiles p;
  p.compute(test::twentyLayerModel(), 4);
  EXPECT_EQ(p.contrasts(), 4);
  const auto& z = p.z();
  for (int k = 1; k <= 4; ++k) {
    const auto direct = sldAtDepths(test::twentyLayerModel(), k, z);
    for (size_t i = 0; i < direct.size(); ++i) {
      // At a sharp step the drawn profile takes both sides, sldAtDepths their mean.
      const bool step = (i > 0 && z[i] == z[i - 1]) || (i + 1 < z.size() && z[i] == z[i + 1]);
      if (!step) {
        EXPECT_NEAR(p.sld(k)[i], direct[i], 1e-18) << z[i];
      }
    }
  }
}

// No layers: one interface between the incident medium and the solvent; a margin of at
// least 10 Å either side; layers of zero thickness add no width.
TEST(SldProfile, DegenerateStacks) {
  LayerModel m = oneLayer(0, 0);
  m.NumLayers = 0;
  SldProfiles p;
  p.compute(m, 1);
  EXPECT_DOUBLE_EQ(p.range().zMin, -10);
  EXPECT_DOUBLE_EQ(p.range().zMax, 10);
  EXPECT_DOUBLE_EQ(p.sld(1).front(), 2.07e-6f);
  EXPECT_DOUBLE_EQ(p.sld(1).back(), 6.0e-6f);
  p.compute(oneLayer(0, 0), 1);
  EXPECT_DOUBLE_EQ(p.range().zMax, 10);
  EXPECT_EQ(p.z().size(), static_cast<size_t>(kProfilePoints) + 4);
}

}  // namespace
}  // namespace lumo
