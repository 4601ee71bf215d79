// The fits on the largest problem the program holds: 4 data sets × 512 points × 20
// layers, with the residual on.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "EngineFixtures.h"
#include "fitting/ConstrainedFit.h"
#include "fitting/FitController.h"
#include "fitting/ParameterScan.h"

namespace lumo::bench {
namespace {

using namespace lumo::fitting;

// Evaluations of BM_ConstrainedFit2: every pair of 0..100 Å sums to at most 200.
constexpr std::int64_t kConstrainedFit2Evaluations = 101 * 101;

// Data are the curves of the twenty-layer model with layers 1 and 2 at 40 and 25 Å and
// errors of 5 %; the fits start from other thicknesses.
struct FitBenchProblem {
  LayerModel model = test::twentyLayerModel();
  DataStore store = test::storeWithQ(test::evenQ(0.005, 0.3, kMaxPoints), kMaxDataSets);
  CalcOptions options;
  FitWorkers workers;

  FitBenchProblem() {
    options.residualOn = true;
    model.Thickness[1] = 40;
    model.Thickness[2] = 25;
    ReflectivityEngine engine;
    engine.Prof_Calc_1(model, store, options);
    engine.Prof_Calc_2(model, store, options);  // log10 R, as stored with "Log Y" on
    for (int ds = 1; ds <= kMaxDataSets; ++ds) {
      DataSet& s = store[ds];
      for (int pt = 1; pt <= s.NumPoints; ++pt) {
        s.DataR[pt] = s.CalcR[pt];
        s.ErrUpper[pt] = s.DataR[pt] + 0.0212;  // log10(1.05)
      }
    }
    model.Thickness[1] = 70;
    model.Thickness[2] = 10;
  }
  // Least squares, the measure selected at start (chi squared adds a division per point,
  // about 4 % of an evaluation).
  FitStart start() const { return {model, store, options, ResidualMeasure::LeastSquares}; }
};

void BM_ThicknessScan(benchmark::State& state) {
  FitBenchProblem p;
  p.model.Thickness[2] = 25;
  for (auto _ : state) {
    ParameterScan scan(p.workers, p.start(), {ParameterFamily::Thickness, 1, {0, 100, 1}});
    runToEnd(scan);
    if (scan.result().bestValue != 40) state.SkipWithError("the scan missed the thickness");
  }
}
BENCHMARK(BM_ThicknessScan)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The same scan as the window runs it: in slices of 15 ms, the clock read after every
// evaluation.
void BM_ThicknessScanInSlices(benchmark::State& state) {
  FitBenchProblem p;
  p.model.Thickness[2] = 25;
  SteadyClock clock;
  FitController controller(clock);
  for (auto _ : state) {
    ParameterScan scan(p.workers, p.start(), {ParameterFamily::Thickness, 1, {0, 100, 1}});
    controller.start(scan);
    while (!controller.tick()) {
    }
    if (scan.result().bestValue != 40) state.SkipWithError("the scan missed the thickness");
  }
}
BENCHMARK(BM_ThicknessScanInSlices)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_ConstrainedFit2(benchmark::State& state) {
  FitBenchProblem p;
  ConstrainedFitPlan plan;
  plan.count = 2;
  plan.layer = {0, 1, 2};
  plan.min = {0, 0, 0};
  plan.max = {0, 100, 100};
  plan.start = 0;
  plan.finish = 200;
  for (auto _ : state) {
    ConstrainedFit fit(p.workers, p.start(), plan);
    runToEnd(fit);
    const ConstrainedFitResult r = fit.result();
    if (r.evaluations != kConstrainedFit2Evaluations || r.thickness[1] != 40 ||
        r.thickness[2] != 25)
      state.SkipWithError("the constrained fit went wrong");
  }
}
BENCHMARK(BM_ConstrainedFit2)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace lumo::bench
