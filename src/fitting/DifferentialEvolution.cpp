#include "fitting/DifferentialEvolution.h"

#include <algorithm>
#include <cmath>

namespace lumo::fitting {
namespace {

int populationFor(const EvolutionSettings& settings, size_t parameters) {
  if (settings.population > 0) return std::max(settings.population, 4);
  return std::clamp(static_cast<int>(10 * parameters), 20, 80);
}

}  // namespace

DifferentialEvolution::DifferentialEvolution(std::vector<int> gridSizes, const GridPoint& start,
                                             std::uint64_t seed, EvolutionSettings settings)
    : sizes_(std::move(gridSizes)), settings_(settings), random_(seed) {
  const size_t members = static_cast<size_t>(populationFor(settings_, sizes_.size()));
  population_.assign(members, start);
  for (size_t i = 1; i < members; ++i)
    for (size_t j = 0; j < sizes_.size(); ++j) population_[i][j] = below(sizes_[j]);
  totals_.assign(members, std::numeric_limits<float>::infinity());
  proposals_ = population_;
}

double DifferentialEvolution::uniform() {
  return static_cast<double>(random_() >> 11) * 0x1.0p-53;
}

int DifferentialEvolution::below(int n) {
  return std::min(static_cast<int>(uniform() * n), n - 1);
}

void DifferentialEvolution::report(const std::vector<float>& totals) {
  if (ended()) return;
  for (size_t i = 0; i < proposals_.size() && i < totals.size(); ++i) {
    if (initial_ || totals[i] < totals_[i]) {
      if (!initial_) population_[i] = proposals_[i];
      totals_[i] = totals[i];
    }
  }
  initial_ = false;
  bool improved = false;
  for (size_t i = 0; i < totals_.size(); ++i)
    if (totals_[i] < bestTotal_) {
      bestTotal_ = totals_[i];
      bestMember_ = static_cast<int>(i);
      improved = true;
    }
  stalled_ = improved ? 0 : stalled_ + 1;
  ++generation_;
  if (generation_ > settings_.maxGenerations || stalled_ >= settings_.stallGenerations ||
      converged())
    proposals_.clear();
  else
    proposeGeneration();
}

bool DifferentialEvolution::converged() const {
  return std::all_of(population_.begin(), population_.end(),
                     [&](const GridPoint& p) { return p == population_.front(); });
}

// DE/rand/1/bin: trial = a + F (b − c) on the crossed-over parameters (at least one),
// the target's own values on the others. A value beyond the grid bounces back between
// the base member's value and the bound it passed.
void DifferentialEvolution::proposeGeneration() {
  const int members = populationSize();
  const size_t dims = sizes_.size();
  const double f = 0.5 + 0.5 * uniform();
  for (int i = 0; i < members; ++i) {
    int a = 0, b = 0, c = 0;
    do a = below(members); while (a == i);
    do b = below(members); while (b == i || b == a);
    do c = below(members); while (c == i || c == a || c == b);
    GridPoint& trial = proposals_[static_cast<size_t>(i)];
    trial = population_[static_cast<size_t>(i)];
    const size_t forced = static_cast<size_t>(below(static_cast<int>(dims)));
    for (size_t j = 0; j < dims; ++j) {
      const double draw = uniform();
      if (j != forced && draw >= settings_.crossover) continue;
      const double base = population_[static_cast<size_t>(settings_.fromBest ? bestMember_ : a)][j];
      double v = base + f * (population_[static_cast<size_t>(b)][j] -
                             population_[static_cast<size_t>(c)][j]);
      const double top = sizes_[j] - 1;
      if (v < 0) v = uniform() * base;
      if (v > top) v = base + uniform() * (top - base);
      trial[j] = static_cast<int>(std::clamp(std::nearbyint(v), 0.0, top));
    }
  }
}

std::int64_t DifferentialEvolution::remainingBound() const {
  if (ended()) return 0;
  const std::int64_t generations =
      std::min(settings_.maxGenerations - generation_, settings_.stallGenerations - stalled_) + 1;
  return std::max<std::int64_t>(generations, 1) * populationSize();
}

}  // namespace lumo::fitting
