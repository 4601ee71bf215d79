// The SLD profile of the largest model the window holds (20 layers, four contrasts), as
// the profile view recomputes it on every change; and the panel's whole update, the
// profile and its picture on the recorded surface.
#include <benchmark/benchmark.h>

#include "EngineFixtures.h"
#include "model/SldProfile.h"
#include "ui/SldProfilePanel.h"

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

void BM_SldProfilePanel(benchmark::State& state) {
  LayerModel model = test::twentyLayerModel();
  ui::SldProfilePanel panel;
  const std::vector<ProfileEntry> entries = {{"Set 1", 9}, {"Set 2", 2}, {"Set 3", 12}, {"Set 4", 5}};
  float thickness = model.Thickness[1];
  for (auto _ : state) {
    thickness = thickness == 40.0f ? 41.0f : 40.0f;
    model.Thickness[1] = thickness;
    benchmark::DoNotOptimize(panel.picture(model, entries).persistent().data());
  }
}
BENCHMARK(BM_SldProfilePanel)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lumo::bench
