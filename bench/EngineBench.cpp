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
  LayerModel model = test::twentyLayerModel();
  DataStore store = test::storeWithQ(test::evenQ(0.005, 0.3, kMaxPoints), kMaxDataSets);
  CalcOptions options;
  ReflectivityEngine engine;
};

void BM_FullRecalculation(benchmark::State& state) {
  Problem p;
  for (auto _ : state) {
    p.engine.Prof_Calc_1(p.model, p.store, p.options);
    benchmark::DoNotOptimize(p.engine.Prof_Calc_2(p.model, p.store, p.options));
  }
}
BENCHMARK(BM_FullRecalculation)->Unit(benchmark::kMicrosecond);

// The worst single change: every interface lies below layer 1.
void BM_ThicknessChange(benchmark::State& state) {
  Problem p;
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
BENCHMARK(BM_ThicknessChange)->Unit(benchmark::kMicrosecond);

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

}  // namespace lumo::bench
