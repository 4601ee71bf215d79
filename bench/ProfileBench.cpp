// The SLD profile of the largest model the window holds (20 layers, four contrasts), as
// the profile view recomputes it on every change.
#include <benchmark/benchmark.h>

#include "EngineFixtures.h"
#include "model/SldProfile.h"

namespace lumo::bench {
namespace {

void BM_SldProfile(benchmark::State& state) {
  LayerModel model = test::twentyLayerModel();
  SldProfiles profiles;
  float thickness = model.Thickness[1];
  for (auto _ : state) {
    thickness = thickness == 40.0f ? 41.0f : 40.0f;
    model.Thickness[1] = thickness;
    profiles.compute(model, kMaxContrasts);
    benchmark::DoNotOptimize(profiles.sld(kMaxContrasts).data());
  }
}
BENCHMARK(BM_SldProfile)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lumo::bench
