// Hot paths of the reflectivity engine on the largest problem the program holds:
// 4 data sets × 512 points × 20 layers.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "EngineFixtures.h"
#include "TextbookReflectivity.h"
#include "model/ReflectivityEngine.h"

namespace lumo::bench {
namespace {

struct Problem {
  explicit Problem(InstructionSet set = selectedInstructionSet(), int layers = kMaxLayers)
      : engine(set) {
    model.NumLayers = layers;
  }
  LayerModel model = test::twentyLayerModel();
  DataStore store = test::storeWithQ(test::evenQ(0.005, 0.3, kMaxPoints), kMaxDataSets);
  CalcOptions options;
  ReflectivityEngine engine;
};

void fullRecalculation(benchmark::State& state, Problem& p) {
  for (auto _ : state) {
    p.engine.Prof_Calc_1(p.model, p.store, p.options);
    benchmark::DoNotOptimize(p.engine.Prof_Calc_2(p.model, p.store, p.options));
  }
}

void BM_FullRecalculation(benchmark::State& state) {
  Problem p;
  fullRecalculation(state, p);
}
BENCHMARK(BM_FullRecalculation)->Unit(benchmark::kMicrosecond);

// With 5 % resolution: every contrast calculated at its smearing nodes and combined.
// Target: at most 4 times BM_FullRecalculation.
void BM_FullRecalculationResolution5(benchmark::State& state) {
  Problem p;
  p.options.resolution.percent = 5;
  fullRecalculation(state, p);
}
BENCHMARK(BM_FullRecalculationResolution5)->Unit(benchmark::kMicrosecond);

// The fallback for processors without AVX, on this one.
void BM_FullRecalculationGeneric(benchmark::State& state) {
  Problem p(InstructionSet::Generic);
  fullRecalculation(state, p);
}
BENCHMARK(BM_FullRecalculationGeneric)->Unit(benchmark::kMicrosecond);

// The growth of the cost with the number of layers.
void BM_FullRecalculationLayers(benchmark::State& state) {
  Problem p(selectedInstructionSet(), static_cast<int>(state.range(0)));
  fullRecalculation(state, p);
}
BENCHMARK(BM_FullRecalculationLayers)->Arg(1)->Arg(5)->Arg(10)->Arg(20)->Unit(benchmark::kMicrosecond);

// A scroll bar dragged: the thickness of one layer changes back and forth.
void thicknessChange(benchmark::State& state, int layer) {
  Problem p;
  p.engine.Prof_Calc_1(p.model, p.store, p.options);
  p.engine.Prof_Calc_2(p.model, p.store, p.options);
  float thickness = p.model.Thickness[layer];
  for (auto _ : state) {
    thickness = thickness == 40.0f ? 41.0f : 40.0f;
    p.model.Thickness[layer] = thickness;
    p.engine.Prof_Calc_1_ThicknessChange(p.model, p.store, layer);
    benchmark::DoNotOptimize(p.engine.Prof_Calc_2(p.model, p.store, p.options));
  }
}

// The same drag with 5 % resolution.
void BM_ThicknessChangeResolution5(benchmark::State& state) {
  Problem p;
  p.options.resolution.percent = 5;
  p.engine.Prof_Calc_1(p.model, p.store, p.options);
  p.engine.Prof_Calc_2(p.model, p.store, p.options);
  float thickness = p.model.Thickness[1];
  for (auto _ : state) {
    thickness = thickness == 40.0f ? 41.0f : 40.0f;
    p.model.Thickness[1] = thickness;
    p.engine.Prof_Calc_1_ThicknessChange(p.model, p.store, 1);
    benchmark::DoNotOptimize(p.engine.Prof_Calc_2(p.model, p.store, p.options));
  }
}
BENCHMARK(BM_ThicknessChangeResolution5)->Unit(benchmark::kMicrosecond);

// The top layer, above every other interface, and the deepest one.
void BM_ThicknessChange(benchmark::State& state) { thicknessChange(state, 1); }
BENCHMARK(BM_ThicknessChange)->Unit(benchmark::kMicrosecond);
void BM_ThicknessChangeDeep(benchmark::State& state) { thicknessChange(state, kMaxLayers); }
BENCHMARK(BM_ThicknessChangeDeep)->Unit(benchmark::kMicrosecond);

void BM_TextbookReference(benchmark::State& state) {
  Problem p;
  std::vector<double> q(p.store[1].DataQ.begin() + 1, p.store[1].DataQ.begin() + 1 + kMaxPoints);
  for (auto _ : state)
    for (int ds = 1; ds <= kMaxDataSets; ++ds)
      benchmark::DoNotOptimize(textbookLogReflectivity(p.model, ds, q));
}
BENCHMARK(BM_TextbookReference)->Unit(benchmark::kMicrosecond);

}  // namespace

// The engine and the textbook reference must describe the same curves; returns the
// largest difference of log10 R over every point of the benchmark problem.
double engineAgainstTextbook() {
  Problem p;
  p.engine.Prof_Calc_1(p.model, p.store, p.options);
  p.engine.Prof_Calc_2(p.model, p.store, p.options);
  std::vector<double> q(p.store[1].DataQ.begin() + 1, p.store[1].DataQ.begin() + 1 + kMaxPoints);
  double worst = 0;
  for (int ds = 1; ds <= kMaxDataSets; ++ds) {
    const std::vector<double> ref = textbookLogReflectivity(p.model, ds, q);
    for (int pt = 1; pt <= kMaxPoints; ++pt)
      worst = std::max(worst, std::abs(p.store[ds].CalcR[pt] - ref[static_cast<size_t>(pt - 1)]));
  }
  return worst;
}

const char* engineInstructionSet() { return nameOf(selectedInstructionSet()); }

}  // namespace lumo::bench
