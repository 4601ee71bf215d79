// Exactness of the engine on every kernel this processor runs: against a long-double
// evaluation of the formulas, and of the kept (incremental) calculation against a fresh
// full one.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <functional>
#include <random>
#include <utility>
#include <vector>

#include "EngineFixtures.h"
#include "LongDoubleReflectivity.h"
#include "model/ReflectivityEngine.h"

namespace lumo {
namespace {

using test::evenQ;
using test::storeWithQ;

class EveryKernel : public ::testing::TestWithParam<InstructionSet> {};

// A model of 1..20 layers as the scroll bars make them: whole ångströms, SLDs in steps
// of 1e-8 Å^-2, whole percentages of solvent.
LayerModel randomModel(std::mt19937& random) {
  const auto uniform = [&random](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  LayerModel m;
  m.NumLayers = uniform(1, kMaxLayers);
  m.IncidentSLD = static_cast<float>(uniform(0, 420) * 1e-8);
  for (int ds = 1; ds <= kMaxContrasts; ++ds)
    m.SolventSLD[ds] = static_cast<float>(uniform(-56, 635) * 1e-8);
  m.Roughness[0] = static_cast<float>(uniform(0, 12));
  for (int i = 1; i <= m.NumLayers; ++i) {
    m.Thickness[i] = static_cast<float>(uniform(0, 150));
    m.LayerSLD[i] = static_cast<float>(uniform(-100, 1000) * 1e-8);
    m.SolventFraction[i] = static_cast<float>(uniform(0, 100) / 100.0);
    m.Roughness[i] = static_cast<float>(uniform(0, 12));
  }
  return m;
}

double relative(double value, long double reference) {
  return static_cast<double>(std::abs(value - reference) / reference);
}

// 200 random models, four contrasts each, from below the critical edges to Q = 0.35.
TEST_P(EveryKernel, AgreesWithALongDoubleEvaluationOfTheFormulas) {
  std::mt19937 random(2024);
  CalcOptions options;
  options.logY = false;
  DataStore store = storeWithQ(evenQ(0.004, 0.35, 48), kMaxDataSets);
  ReflectivityEngine engine(GetParam());
  double worst = 0;
  for (int model = 0; model < 200; ++model) {
    const LayerModel m = randomModel(random);
    options.exactQ = model % 10 == 9;
    engine.Prof_Calc_1(m, store, options);
    engine.Prof_Calc_2(m, store, options);
    for (int ds = 1; ds <= kMaxDataSets; ++ds)
      for (int pt = 1; pt <= store[ds].NumPoints; ++pt) {
        const long double reference =
            test::longDoubleReflectivity(m, ds, store[ds].DataQ[pt], options.exactQ);
        worst = std::max(worst, relative(store[ds].CalcR[pt], reference));
        ASSERT_LE(relative(store[ds].CalcR[pt], reference), 1e-9)
            << "model " << model << ", set " << ds << ", point " << pt;
      }
  }
  std::cout << "  worst relative difference from long double: " << worst << "\n";
}

// A store whose measured curves are fixed, so that residuals can be compared.
DataStore measuredStore() {
  DataStore s = storeWithQ(evenQ(0.005, 0.3, kMaxPoints), kMaxDataSets);
  for (int ds = 1; ds <= kMaxDataSets; ++ds)
    for (int pt = 1; pt <= kMaxPoints; ++pt) {
      s[ds].DataR[pt] = -2.0 - pt * 0.01;
      s[ds].ErrUpper[pt] = s[ds].DataR[pt] + 0.05;
    }
  return s;
}

// After every kind of change, each followed by its preparation variant and Prof_Calc_2,
// the curves agree with a fresh full calculation within 1e-12 relative. (They are no
// longer bit for bit the same: the kept product is split at the changed interface into
// rows above and a column below, which associates the same products differently.)
TEST_P(EveryKernel, EveryChangeAgreesWithAFreshFullCalculation) {
  LayerModel model = test::twentyLayerModel();
  DataStore store = measuredStore();
  CalcOptions options;
  options.residualOn = true;
  options.measure = ResidualMeasure::ChiSquared;
  ReflectivityEngine engine(GetParam());
  engine.Prof_Calc_1(model, store, options);
  engine.Prof_Calc_2(model, store, options);
  const auto thickness = [&](int layer, float value) {
    model.Thickness[layer] = value;
    engine.Prof_Calc_1_ThicknessChange(model, store, layer);
  };
  const auto range = [&](int first, int last) {
    store[2].CalcFirst = store[2].DataFirst = first;
    store[2].CalcLast = store[2].DataLast = last;
  };
  const std::vector<std::pair<const char*, std::function<void()>>> steps = {
      {"thickness of layer 1", [&] { thickness(1, 43); }},
      {"thickness of layer 1 again", [&] { thickness(1, 44); }},
      {"thickness of layer 20", [&] { thickness(20, 0); }},
      {"thickness of layer 20 again", [&] { thickness(20, 17); }},
      {"two thicknesses, one call", [&] { model.Thickness[2] = 41; thickness(5, 0); }},
      {"SLD", [&] { model.LayerSLD[5] = 7.5e-6f; engine.Prof_Calc_1_SLDChange(model, store, 5); }},
      {"solvent", [&] { model.SolventFraction[8] = 0.9f; engine.Prof_Calc_1_SolventChange(model, store, 8); }},
      {"roughness", [&] { model.Roughness[0] = 11; model.Roughness[20] = 2; }},
      {"nothing", [] {}},
      {"focus on layer 9", [&] { engine.setFocusLayer(9); }},
      {"thickness of the focus", [&] { thickness(9, 3); }},
      {"SLD above the focus", [&] { model.LayerSLD[3] = 1e-6f; engine.Prof_Calc_1_SLDChange(model, store, 3); }},
      {"roughness below the focus", [&] { model.Roughness[15] = 9; }},
      {"focus off", [&] { engine.setFocusLayer(ReflectivityEngine::kNoFocus); thickness(12, 60); }},
      {"narrowed range without preparation", [&] { range(100, 120); }},
      {"change inside the narrowed range", [&] { thickness(4, 2); }},
      {"whole range restored", [&] { range(1, kMaxPoints); }},
      {"layer count without full preparation", [&] { model.NumLayers = 12; }},
      {"log Y off", [&] { options.logY = false; }},
  };
  for (const auto& [name, change] : steps) {
    change();
    const float total = engine.Prof_Calc_2(model, store, options);
    DataStore fresh = measuredStore();
    for (int ds = 1; ds <= kMaxDataSets; ++ds) {
      fresh[ds].DataFirst = store[ds].DataFirst;
      fresh[ds].DataLast = store[ds].DataLast;
    }
    ReflectivityEngine other(GetParam());
    other.Prof_Calc_1(model, fresh, options);
    const float freshTotal = other.Prof_Calc_2(model, fresh, options);
    for (int ds = 1; ds <= kMaxDataSets; ++ds)
      for (int pt = store[ds].CalcFirst; pt <= store[ds].CalcLast; ++pt) {
        const double a = store[ds].CalcR[pt], b = fresh[ds].CalcR[pt];
        // The relative difference of R, also where log10 R is stored.
        const double difference = options.logY ? std::abs(std::expm1((a - b) * std::log(10.0)))
                                               : std::abs(a - b) / b;
        ASSERT_LE(difference, 1e-12) << name << ": set " << ds << " point " << pt;
      }
    EXPECT_NEAR(total, freshTotal, 1e-6 * freshTotal) << name;
    EXPECT_GT(total, 0) << name;
  }
}

// With a focus layer the result depends on the model alone: engines that reach one
// model through different changes give the same curves to the last bit, as a fit that
// spreads its evaluations over several engines needs.
TEST_P(EveryKernel, WithAFocusTheSameModelGivesTheSameBits) {
  const LayerModel target = test::twentyLayerModel();
  DataStore a = measuredStore(), b = a;
  CalcOptions options;
  ReflectivityEngine first(GetParam()), second(GetParam());
  for (ReflectivityEngine* e : {&first, &second}) e->setFocusLayer(6);
  LayerModel m = target;
  first.Prof_Calc_1(m, a, options);
  for (float t : {0.0f, 30.0f, 12.0f}) {  // a path through other thicknesses of layers 2 and 6
    m.Thickness[2] = t;
    m.Thickness[6] = 50 - t;
    first.Prof_Calc_1_ThicknessChange(m, a, 6);
    first.Prof_Calc_2(m, a, options);
  }
  m = target;
  first.Prof_Calc_1_ThicknessChange(m, a, 6);
  first.Prof_Calc_2(m, a, options);
  second.Prof_Calc_1(target, b, options);
  second.Prof_Calc_2(target, b, options);
  for (int ds = 1; ds <= kMaxDataSets; ++ds)
    EXPECT_EQ(0, std::memcmp(a[ds].CalcR.data(), b[ds].CalcR.data(), sizeof(PointArray))) << ds;
}

// The kernel in use is the best the processor runs, or a lower one that
// LUMO_INSTRUCTION_SET asks for (the whole suite is also run with "generic").
TEST(InstructionSet, TheEnvironmentCanOnlyLowerTheKernel) {
  const std::vector<InstructionSet> supported = supportedInstructionSets();
  ASSERT_FALSE(supported.empty());
  EXPECT_EQ(supported.front(), InstructionSet::Generic);
  const char* wanted = std::getenv("LUMO_INSTRUCTION_SET");
  const InstructionSet selected = selectedInstructionSet();
  if (!wanted) {
    EXPECT_EQ(selected, bestSupportedInstructionSet());
  } else if (std::string(wanted) == "generic") {
    EXPECT_EQ(selected, InstructionSet::Generic);
  }
  EXPECT_LE(selected, bestSupportedInstructionSet());
  EXPECT_EQ(ReflectivityEngine().instructionSet(), selected);
}

INSTANTIATE_TEST_SUITE_P(Kernels, EveryKernel, ::testing::ValuesIn(supportedInstructionSets()),
                         [](const auto& tc) { return test::kernelTestName(tc.param); });

}  // namespace
}  // namespace lumo
