// The smearing plan's weights against a brute-force convolution of every point.
#include <gtest/gtest.h>

#include <random>

#include "BruteForceSmearing.h"

namespace lumo {
namespace {

LayerModel randomModel(std::mt19937& rng) {
  std::uniform_int_distribution<int> layers(1, 20), thick(0, 50), sld(-100, 800), solvent(0, 100),
      rough(0, 10);
  LayerModel m;
  m.NumLayers = layers(rng);
  m.IncidentSLD = (rng() % 2) ? 2.07e-6f : 0.0f;
  const float contrasts[] = {0, 6.35e-6f, 4.0e-6f, 2.07e-6f, -0.56e-6f};
  for (int k = 1; k <= 4; ++k) m.SolventSLD[k] = contrasts[k];
  m.Roughness[0] = static_cast<float>(rough(rng));
  for (int i = 1; i <= m.NumLayers; ++i) {
    m.Thickness[i] = static_cast<float>(thick(rng));
    m.LayerSLD[i] = static_cast<float>(sld(rng) * 1e-8);
    m.SolventFraction[i] = static_cast<float>(solvent(rng) / 100.0);
    m.Roughness[i] = static_cast<float>(rough(rng));
  }
  return m;
}

SmearingPlan planFor(const LayerModel& model, int contrast, const std::vector<double>& q,
                     const std::vector<double>& sigma, bool exactQ) {
  SmearingPlan plan;
  plan.build({q, sigma, fringeSpacing(test::totalThickness(model)),
              criticalEdges(model, contrast, exactQ)});
  return plan;
}

std::vector<double> smeared(ReflectivityEngine& engine, const SmearingPlan& plan,
                            const LayerModel& model, int contrast, bool exactQ) {
  const std::vector<double> r = test::reflectivityAt(engine, model, contrast, plan.nodes(), exactQ);
  std::vector<double> out(static_cast<size_t>(plan.points()));
  plan.apply(r.data(), out.data());
  return out;
}

std::vector<double> sigmaOf(double percent, const std::vector<double>& q) {
  std::vector<double> sigma;
  for (const double v : q) sigma.push_back(sigmaOfPercent(percent, v));
  return sigma;
}

// Random stacks of 1 to 20 layers, every contrast, both kinematics, from 0.5 % to 10 %:
// fringes, Bragg peaks and clusters of critical edges inside one Gaussian.
TEST(SmearingPlan, MatchesBruteForceConvolutionOnRandomModels) {
  std::mt19937 rng(7);
  ReflectivityEngine engine;
  const std::vector<double> q = test::evenQ(0.005, 0.3, 200);
  for (int trial = 0; trial < 4; ++trial) {
    const LayerModel model = randomModel(rng);
    for (const double percent : {0.5, 1.0, 2.0, 5.0, 10.0}) {
      for (int contrast = 1; contrast <= 4; ++contrast) {
        const bool exactQ = (trial + contrast) % 2 == 0;
        const std::vector<double> sigma = sigmaOf(percent, q);
        const auto plan = planFor(model, contrast, q, sigma, exactQ);
        const auto got = smeared(engine, plan, model, contrast, exactQ);
        const auto ref = test::bruteForceSmeared(engine, model, contrast, q, sigma, exactQ);
        for (size_t i = 0; i < q.size(); ++i)
          ASSERT_NEAR(got[i], ref[i], 1e-4 * ref[i])
              << percent << " %, trial " << trial << ", contrast " << contrast << ", Q " << q[i];
      }
    }
  }
}

// The weights of a point integrate its truncated Gaussian: a flat R smears to the mass
// within ±3.5 σ, a linear R to that mass times Q; a point of σ = 0 is R at the point.
TEST(SmearingPlan, WeightsIntegrateTheTruncatedGaussian) {
  const std::vector<double> q = {0.004, 0.0102, 0.02, 0.15, 0.3};
  for (const double percent : {0.0, 0.5, 5.0, 10.0}) {
    SmearingPlan plan;
    plan.build({q, sigmaOf(percent, q), fringeSpacing(300), {0.0101, 0.0103}});
    const std::vector<double>& nodes = plan.nodes();
    std::vector<double> ones(nodes.size(), 1.0), out(q.size()), linear(out);
    plan.apply(ones.data(), out.data());
    plan.apply(nodes.data(), linear.data());
    const double mass = percent > 0 ? std::erf(kResolutionWindow / std::sqrt(2.0)) : 1.0;
    for (size_t i = 0; i < q.size(); ++i) {
      EXPECT_NEAR(out[i], mass, 1e-9) << percent << " %, Q " << q[i];
      EXPECT_NEAR(linear[i], mass * q[i], 1e-9 * q[i]) << percent << " %, Q " << q[i];
    }
  }
}

// Thicker stacks need finer nodes; the spacing changes only at powers of two, so that a
// scrolled thickness keeps its plan; a very thick stack is capped in nodes.
TEST(SmearingPlan, NodeSpacingFollowsTheStack) {
  EXPECT_EQ(fringeSpacing(300), fringeSpacing(400));
  EXPECT_GT(fringeSpacing(200), fringeSpacing(300));
  EXPECT_EQ(fringeSpacing(0), fringeSpacing(100));
  const std::vector<double> q = test::evenQ(0.005, 0.5, 512);
  SmearingPlan plan;
  plan.build({q, sigmaOf(5, q), fringeSpacing(1e6), {}});
  EXPECT_LE(plan.nodes().size(), static_cast<size_t>(kMaxSmearingNodes));
  EXPECT_TRUE(std::is_sorted(plan.nodes().begin(), plan.nodes().end()));
}

// The critical edge of the backing, in both kinematics: below it R = 1 (total
// reflection), and the edge is where the engine's R starts to fall.
TEST(SmearingPlan, CriticalEdgeIsWhereTotalReflectionEnds) {
  LayerModel model;
  model.NumLayers = 0;
  model.SolventSLD[1] = 6.36e-6f;
  ReflectivityEngine engine;
  for (const bool exactQ : {false, true}) {
    const double qc = criticalQ(0, model.SolventSLD[1], exactQ);
    EXPECT_NEAR(qc, std::sqrt(16 * M_PI * 6.36e-6), 2e-6);
    const auto r = test::reflectivityAt(engine, model, 1, {qc * 0.999, qc * 1.001}, exactQ);
    EXPECT_NEAR(r[0], 1.0, 1e-12);
    EXPECT_LT(r[1], 0.99);
  }
  EXPECT_EQ(criticalQ(2e-6, 1e-6, false), 0);  // lighter than the incident medium
}

}  // namespace
}  // namespace lumo
