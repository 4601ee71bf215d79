// The engine's calculation with instrument resolution: the smeared curves, their
// incremental updates, point-wise resolution and the validation reference.
#include <gtest/gtest.h>

#include "BruteForceSmearing.h"
#include "TestSupport.h"
#include "ValidationReference.h"
#include "model/ReflectivityEngine.h"

namespace lumo {
namespace {

CalcOptions linearOptions(double percent, bool exactQ = false) {
  CalcOptions o;
  o.logY = false;
  o.exactQ = exactQ;
  o.resolution.percent = percent;
  return o;
}

std::vector<double> curve(const DataSet& set) {
  return {set.CalcR.begin() + set.CalcFirst, set.CalcR.begin() + set.CalcLast + 1};
}

std::vector<double> fullCalculation(const LayerModel& model, DataStore store, const CalcOptions& o,
                                    int ds) {
  ReflectivityEngine engine;
  engine.Prof_Calc_1(model, store, o);
  engine.Prof_Calc_2(model, store, o);
  return curve(store[ds]);
}

void expectRelativelyNear(const std::vector<double>& a, const std::vector<double>& b, double tol,
                          const std::string& what) {
  ASSERT_EQ(a.size(), b.size()) << what;
  for (size_t i = 0; i < a.size(); ++i) ASSERT_NEAR(a[i], b[i], tol * std::abs(b[i])) << what << ", point " << i;
}

// Four contrasts of 512 points through the engine, against the brute-force convolution
// of each (more than 512 internal nodes per contrast, so they span several engines).
TEST(ResolutionSmearing, EngineCurvesMatchBruteForceConvolution) {
  const LayerModel model = test::twentyLayerModel();
  DataStore store = test::storeWithQ(test::evenQ(0.005, 0.3, kMaxPoints), kMaxDataSets);
  ReflectivityEngine engine, oracle;
  const CalcOptions o = linearOptions(5);
  engine.Prof_Calc_1(model, store, o);
  engine.Prof_Calc_2(model, store, o);
  const std::vector<double> q = test::evenQ(0.005, 0.3, kMaxPoints);
  std::vector<double> sigma;
  for (const double v : q) sigma.push_back(sigmaOfPercent(5, v));
  for (int ds = 1; ds <= kMaxDataSets; ++ds)
    expectRelativelyNear(curve(store[ds]), test::bruteForceSmeared(oracle, model, ds, q, sigma, false),
                         1e-4, "contrast " + std::to_string(ds));
}

// Resolution off leaves the engine exactly as it was, also after it had been on: the
// curves are bit for bit those of an engine that never smeared.
TEST(ResolutionSmearing, ZeroResolutionIsTheUnsmearedCurveBitForBit) {
  const LayerModel model = test::twentyLayerModel();
  const DataStore start = test::storeWithQ(test::evenQ(0.005, 0.3, 300), kMaxDataSets);
  for (const bool logY : {false, true}) {
    CalcOptions off = linearOptions(0);
    off.logY = logY;
    CalcOptions on = off;
    on.resolution.percent = 3;
    DataStore plain = start, toggled = start;
    ReflectivityEngine fresh, used;
    fresh.Prof_Calc_1(model, plain, off);
    fresh.Prof_Calc_2(model, plain, off);
    used.Prof_Calc_1(model, toggled, on);
    used.Prof_Calc_2(model, toggled, on);
    EXPECT_NE(curve(toggled[1]), curve(plain[1]));
    used.Prof_Calc_2(model, toggled, off);  // switched off without a new preparation
    for (int ds = 1; ds <= kMaxDataSets; ++ds) EXPECT_EQ(curve(toggled[ds]), curve(plain[ds]));
  }
}

// A scroll bar dragged with resolution on: thickness, SLD (which moves a critical edge
// and with it the nodes), solvent fraction and a solvent's SLD, each taken up by the
// variants, agree with a fresh calculation of the changed model.
TEST(ResolutionSmearing, LayerChangesAgreeWithAFreshCalculation) {
  LayerModel model = test::twentyLayerModel();
  DataStore store = test::storeWithQ(test::evenQ(0.005, 0.3, 400), kMaxDataSets);
  CalcOptions o = linearOptions(5);
  o.logY = true;
  ReflectivityEngine engine;
  engine.setFocusLayer(ReflectivityEngine::kNoFocus);
  engine.Prof_Calc_1(model, store, o);
  engine.Prof_Calc_2(model, store, o);
  for (int step = 0; step < 6; ++step) {
    model.Thickness[3] += 7;
    engine.Prof_Calc_1_ThicknessChange(model, store, 3);
    engine.Prof_Calc_2(model, store, o);
    model.LayerSLD[12] += 0.8e-6f;
    engine.Prof_Calc_1_SLDChange(model, store, 12);
    engine.Prof_Calc_2(model, store, o);
    model.SolventFraction[5] = 0.1f * static_cast<float>(step);
    engine.Prof_Calc_1_SolventChange(model, store, 5);
    engine.Prof_Calc_2(model, store, o);
    model.Roughness[0] += 1;
    engine.Prof_Calc_2(model, store, o);
    for (int ds = 1; ds <= kMaxDataSets; ++ds)
      expectRelativelyNear(curve(store[ds]), fullCalculation(model, store, o, ds), 1e-10,
                           "step " + std::to_string(step) + ", contrast " + std::to_string(ds));
  }
}

// A data set that carries its own resolution is smeared point by point with it (σ as
// read); one without falls back to the percentage; grid points always take the percentage.
TEST(ResolutionSmearing, PointWiseResolutionFromTheData) {
  const LayerModel model = test::twentyLayerModel();
  const std::vector<double> q = test::evenQ(0.01, 0.2, 120);
  DataStore store = test::storeWithQ(q, 2);
  std::vector<double> sigma;
  for (size_t i = 0; i < q.size(); ++i) {
    sigma.push_back(i % 3 == 0 ? 0.0 : 0.0005 + 0.01 * q[i]);
    store[1].DataQResolution[i + 1] = sigma.back();
  }
  store[1].HasQResolution = true;
  CalcOptions o = linearOptions(2);
  o.resolution.fromData = true;
  ReflectivityEngine engine, oracle;
  engine.Prof_Calc_1(model, store, o);
  engine.Prof_Calc_2(model, store, o);
  const auto own = curve(store[1]);
  const auto unsmeared = test::reflectivityAt(oracle, model, 1, q, false);
  for (size_t i = 0; i < q.size(); ++i) {
    const double ref = sigma[i] > 0 ? test::bruteForceSmeared(oracle, model, 1, {q[i]}, {sigma[i]}, false)[0]
                                    : unsmeared[i];
    ASSERT_NEAR(own[i], ref, 1e-4 * ref) << "Q " << q[i] << ", sigma " << sigma[i];
  }
  expectRelativelyNear(curve(store[2]), fullCalculation(model, store, linearOptions(2), 2), 1e-12,
                       "the set without its own resolution");
}

// The community's reference of the 20-layer multilayer smeared with 5 % (σ per point in the
// file), with the standard kinematics: within 1e-4 relative.
TEST(ResolutionSmearing, ValidationMultilayerWithResolution) {
  LUMO_REQUIRE_TESTDATA(data);
  const test::Reference layers = test::loadReference(data / "validation", "test1");
  const test::SmearedReference ref = test::loadSmearedReference(data / "validation" / "test1_smeared5.dat");
  ASSERT_GT(ref.q.size(), 100u);
  DataStore store = test::storeWithQ(ref.q);
  for (size_t i = 0; i < ref.q.size(); ++i) store[1].DataQResolution[i + 1] = ref.sigma[i];
  store[1].HasQResolution = true;
  CalcOptions o = linearOptions(0, true);
  o.resolution.fromData = true;
  const auto got = fullCalculation(layers.model, store, o, 1);
  for (size_t i = 0; i < ref.q.size(); ++i)
    EXPECT_NEAR(got[i], ref.r[i], 1e-4 * ref.r[i]) << "Q " << ref.q[i];
  // The same from the percentage: the file's σ is 5 % FWHM.
  expectRelativelyNear(fullCalculation(layers.model, store, linearOptions(5, true), 1), ref.r, 1e-4,
                       "5 % FWHM");
}

// With the residual on, it compares the data with the smeared curve.
TEST(ResolutionSmearing, ResidualUsesTheSmearedCurve) {
  const LayerModel model = test::twentyLayerModel();
  DataStore store = test::storeWithQ(test::evenQ(0.01, 0.2, 100));
  CalcOptions o = linearOptions(5);
  ReflectivityEngine engine;
  engine.Prof_Calc_1(model, store, o);
  engine.Prof_Calc_2(model, store, o);
  for (int pt = 1; pt <= 100; ++pt) store[1].DataR[pt] = store[1].CalcR[pt];
  o.residualOn = true;
  EXPECT_EQ(engine.Prof_Calc_2(model, store, o), 0.0f);
  o.resolution.percent = 0;
  EXPECT_GT(engine.Prof_Calc_2(model, store, o), 0.0f);
}

}  // namespace
}  // namespace lumo
