// The refinement of eight parameters: three contrasts of 161 points from a known
// three-layer model, every parameter starting at the far end of its range.
#include <benchmark/benchmark.h>

#include "fitting/RefineFixtures.h"

namespace lumo::bench {
namespace {

using namespace lumo::fitting;

void BM_Refine8(benchmark::State& state) {
  const test::RefineProblem p = test::refineProblem();
  const auto truth = test::refineTruthParameters();
  FitWorkers workers;
  std::int64_t evaluations = 0;
  for (auto _ : state) {
    Refinement run(workers, p.start(ResidualMeasure::ChiSquared), test::refineRequest());
    runToEnd(run);
    const RefineResult r = run.result();
    evaluations = r.evaluations;
    for (size_t j = 0; j < truth.size(); ++j)
      if (r.parameters[j].value != truth[j].value) state.SkipWithError("the refinement missed");
  }
  state.counters["evaluations"] = static_cast<double>(evaluations);
  state.counters["workers"] = workers.count();
}
BENCHMARK(BM_Refine8)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3);

}  // namespace
}  // namespace lumo::bench
