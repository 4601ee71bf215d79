#include "model/ReflectivityEngine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <vector>

#include "EngineFixtures.h"
#include "files/DisplayScale.h"

namespace lumo {
namespace {

using test::evenQ;
using test::storeWithQ;

CalcOptions linearOptions() {
  CalcOptions o;
  o.logY = false;
  return o;
}

void calculate(ReflectivityEngine& engine, const LayerModel& model, DataStore& store,
               const CalcOptions& options) {
  engine.Prof_Calc_1(model, store, options);
  engine.Prof_Calc_2(model, store, options);
}

// One layer with the solvent's SLD and no solvent: one interface between the incident
// medium and the solvent.
LayerModel singleInterface(float incident, float solvent, float sigma0) {
  LayerModel m;
  m.NumLayers = 1;
  m.IncidentSLD = incident;
  m.SolventSLD[1] = solvent;
  m.LayerSLD[1] = solvent;
  m.Thickness[1] = 37;
  m.Roughness[0] = sigma0;
  m.Roughness[1] = 9;
  return m;
}

// Fresnel reflectivity of one rough interface from the physical normal wave vectors
// kz = k0 √(n² − n1² cos² θ), with the Névot–Croce factor exp(−2 kz1 kz2 σ²), whose
// factor 2 = RoughnessFactor / k0² is held in single precision.
double roughFresnel(double q, double rho1, double rho2, double sigma) {
  const double k0 = 2 * 3.14159265359 / 12.0;
  const double toIndex = 144.0 / (2 * 3.14159265359);
  const double n1 = 1 - rho1 * toIndex, n2 = 1 - rho2 * toIndex;
  const double s = std::sin(q * 12.0 / 12.56637061436);
  const double cos2 = 1 - s * s;
  const std::complex<double> kz1 = k0 * std::sqrt(std::complex<double>(n1 * n1 - n1 * n1 * cos2));
  const std::complex<double> kz2 = k0 * std::sqrt(std::complex<double>(n2 * n2 - n1 * n1 * cos2));
  const double two = static_cast<float>(8 * 3.14159265359 * 3.14159265359 / 144.0) / (k0 * k0);
  const std::complex<double> r =
      (kz1 - kz2) / (kz1 + kz2) * std::exp(-two * kz1 * kz2 * sigma * sigma);
  return std::norm(r);
}

TEST(Reflectivity, SingleRoughInterfaceMatchesFresnelWithNevotCroce) {
  const LayerModel model = singleInterface(2.07e-6f, 6.35e-6f, 4.0f);
  DataStore store = storeWithQ(evenQ(0.005, 0.3, 200));
  ReflectivityEngine engine;
  calculate(engine, model, store, linearOptions());
  for (int pt = 1; pt <= 200; ++pt) {
    const double expected = roughFresnel(store[1].DataQ[pt], 2.07e-6f, 6.35e-6f, 4.0);
    // n² − n1² cos² θ loses about eleven digits to cancellation in either form.
    EXPECT_NEAR(store[1].CalcR[pt], expected, 1e-10 * expected) << "point " << pt;
  }
  // The layer's own thickness and roughness play no part: its lower interface has r = 0.
  LayerModel other = model;
  other.Thickness[1] = 400;
  other.Roughness[1] = 0;
  DataStore again = storeWithQ(evenQ(0.005, 0.3, 200));
  ReflectivityEngine engine2;
  calculate(engine2, other, again, linearOptions());
  for (int pt = 1; pt <= 200; ++pt)
    EXPECT_NEAR(again[1].CalcR[pt], store[1].CalcR[pt], 1e-13 * store[1].CalcR[pt]) << pt;
}

TEST(Reflectivity, ZeroThicknessLayerIsInvisibleWithoutRoughness) {
  LayerModel bare = singleInterface(2.07e-6f, 6.35e-6f, 0.0f);
  bare.Roughness[1] = 0;
  LayerModel withLayer = bare;
  withLayer.LayerSLD[1] = 4.5e-6f;
  withLayer.Thickness[1] = 0;
  DataStore a = storeWithQ(evenQ(0.005, 0.3, 100)), b = a;
  ReflectivityEngine e1, e2;
  calculate(e1, bare, a, linearOptions());
  calculate(e2, withLayer, b, linearOptions());
  for (int pt = 1; pt <= 100; ++pt)
    EXPECT_NEAR(b[1].CalcR[pt], a[1].CalcR[pt], 1e-12 * a[1].CalcR[pt]) << pt;
  // The zero-thickness layer's interface matrix is [[1, r], [r, 1]].
  EXPECT_EQ(e2.Phase(1, 10, 2).re, 0.0);
  EXPECT_EQ(e2.Phase(1, 10, 2).im, 0.0);
}

TEST(Reflectivity, TotalReflectionBelowTheCriticalEdge) {
  LayerModel m = test::twentyLayerModel();
  m.IncidentSLD = 0;  // air on a D2O subphase: Qc = √(16π Δρ) ≈ 0.0179 Å⁻¹
  m.SolventSLD[1] = 6.35e-6f;
  DataStore store = storeWithQ(evenQ(0.001, 0.017, 50));
  store.NumDataSets = store.LastCalcSet = 1;
  ReflectivityEngine engine;
  calculate(engine, m, store, linearOptions());
  for (int pt = 1; pt <= 50; ++pt) EXPECT_NEAR(store[1].CalcR[pt], 1.0, 1e-12) << pt;
}

TEST(Reflectivity, EqualSLDsEverywhereReflectNothingEvenAtQZero) {
  LayerModel m = test::twentyLayerModel();
  m.IncidentSLD = 2.07e-6f;
  m.SolventSLD[1] = 2.07e-6f;
  for (int i = 1; i <= 20; ++i) {
    m.LayerSLD[i] = 2.07e-6f;
    m.SolventFraction[i] = 0;
  }
  DataStore store = storeWithQ(evenQ(0.0, 0.3, 31));
  ReflectivityEngine engine;
  calculate(engine, m, store, linearOptions());
  // The incident wave number is formed as n1 sin θ, the others from n² − n1² cos² θ, so
  // above Q = 0 they agree to rounding only.
  EXPECT_EQ(store[1].CalcR[1], 0.0);
  for (int pt = 2; pt <= 31; ++pt) EXPECT_LT(store[1].CalcR[pt], 1e-20) << pt;
  // On a log axis R = 0 has no logarithm; it is stored far below the plot, never NaN.
  CalcOptions logOptions;
  engine.Prof_Calc_2(m, store, logOptions);
  EXPECT_LT(store[1].CalcR[1], -300);
  for (int pt = 1; pt <= 31; ++pt) EXPECT_TRUE(std::isfinite(store[1].CalcR[pt]));
}

// A negative Q is calculated at the grazing limit Q = 0, where R = 1: taken for an angle
// it gave R = 12.8 at Q = -0.01 on silicon.
TEST(Reflectivity, NegativeQIsNoAngleOfReflection) {
  LayerModel m = singleInterface(2.07e-6f, 6.35e-6f, 3.0f);
  DataStore store = storeWithQ({-0.01, -1e-4, 0.0});
  ReflectivityEngine engine;
  calculate(engine, m, store, linearOptions());
  for (int pt = 1; pt <= 3; ++pt) EXPECT_NEAR(store[1].CalcR[pt], 1.0, 1e-12) << pt;
}

TEST(Reflectivity, ThickLayersBelowTheirCriticalAngleNeverGiveNaN) {
  LayerModel m;
  m.NumLayers = 3;
  m.IncidentSLD = 0;
  m.SolventSLD[1] = 6.35e-6f;
  for (int i = 1; i <= 3; ++i) {
    m.Thickness[i] = 32767;
    m.LayerSLD[i] = 10e-6f;
  }
  DataStore store = storeWithQ(evenQ(0.0, 0.3, 64));
  ReflectivityEngine engine;
  calculate(engine, m, store, CalcOptions{});
  for (int pt = 1; pt <= 64; ++pt) {
    EXPECT_TRUE(std::isfinite(store[1].CalcR[pt])) << pt;
    EXPECT_LE(store[1].CalcR[pt], 1e-12) << pt;  // log10 R <= 0
  }
}

TEST(ProfilePreparation, WaveNumbersAtQZero) {
  LayerModel m;
  m.NumLayers = 3;
  m.IncidentSLD = 2.0e-6f;
  m.LayerSLD[1] = 3.0e-6f;  // above the incident medium: imaginary
  m.LayerSLD[2] = 1.0e-6f;  // below: real
  m.LayerSLD[3] = 2.0e-6f;  // equal: zero
  m.SolventSLD[1] = 6.0e-6f;
  DataStore store = storeWithQ({0.0, 0.1});
  ReflectivityEngine engine;
  engine.Prof_Calc_1(m, store, linearOptions());
  EXPECT_EQ(engine.SinTheta(1, 1), 0.0);
  EXPECT_EQ(engine.WaveNumber(1, 1, 1).re, 0.0);
  EXPECT_EQ(engine.WaveNumber(1, 1, 2).re, 0.0);
  EXPECT_GT(engine.WaveNumber(1, 1, 2).im, 0.0);
  EXPECT_GT(engine.WaveNumber(1, 1, 3).re, 0.0);
  EXPECT_EQ(engine.WaveNumber(1, 1, 3).im, 0.0);
  // Equal SLDs: v is exactly zero only when both indices round alike; they do here.
  EXPECT_EQ(engine.WaveNumber(1, 1, 4).re, 0.0);
  EXPECT_EQ(engine.WaveNumber(1, 1, 4).im, 0.0);
  EXPECT_GT(engine.WaveNumber(1, 1, 5).im, 0.0);  // the solvent
  // Well above every critical angle all wave numbers and phases are real.
  for (int medium = 1; medium <= 5; ++medium) EXPECT_EQ(engine.WaveNumber(1, 2, medium).im, 0.0);
  for (int medium = 1; medium <= 4; ++medium) EXPECT_EQ(engine.Phase(1, 2, medium).im, 0.0);
}

TEST(ProfilePreparation, AllSolventLayerTakesEachContrastsSolvent) {
  LayerModel m = test::twentyLayerModel();
  m.SolventFraction[4] = 1.0f;
  DataStore store = storeWithQ(evenQ(0.01, 0.2, 10), 4);
  ReflectivityEngine engine;
  engine.Prof_Calc_1(m, store, linearOptions());
  for (int ds = 1; ds <= 4; ++ds)
    EXPECT_DOUBLE_EQ(engine.EffectiveSLD(ds, 4), static_cast<double>(m.SolventSLD[ds]));
}

TEST(ProfilePreparation, SineConversionOrStandardKinematics) {
  DataStore store = storeWithQ({0.2});
  LayerModel m = singleInterface(0, 2e-6f, 0);
  ReflectivityEngine engine;
  CalcOptions o = linearOptions();
  engine.Prof_Calc_1(m, store, o);
  EXPECT_EQ(engine.SinTheta(1, 1), std::sin(0.2 * 12.0 / 12.56637061436));
  o.exactQ = true;
  engine.Prof_Calc_1(m, store, o);
  EXPECT_EQ(engine.SinTheta(1, 1), 0.2 * 12.0 / 12.56637061436);
  // "Log X": the store holds log10 Q.
  store[1].DataQ[1] = log10Of(0.2);
  o.exactQ = false;
  o.logX = true;
  engine.Prof_Calc_1(m, store, o);
  EXPECT_NEAR(engine.SinTheta(1, 1), std::sin(0.2 * 12.0 / 12.56637061436), 1e-15);
}

}  // namespace
}  // namespace lumo
