#pragma once
// Differential evolution on grids of whole numbers: the global stage of a refinement.
//
// Every parameter is a grid index 0..size−1. A generation proposes one trial per member
// of the population (DE/best/1, or DE/rand/1, with binomial crossover, the step factor drawn per
// generation from 0.5..1), rounded to the nearest grid point and bounced back into the
// range; the caller evaluates the whole generation and reports the totals, and a trial
// replaces its member only when its total is strictly smaller. Member 0 starts at the
// caller's start point, the others uniformly at random.
//
// All random numbers come from a 64-bit Mersenne twister seeded by the caller and are
// turned into numbers by the code below (not by library distributions, whose results
// differ between libraries), so one seed gives one run on every machine. A generation is
// proposed whole before any of it is evaluated, so the result does not depend on the
// order in which its evaluations are made.
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "fitting/GridPoint.h"

namespace lumo::fitting {

struct EvolutionSettings {
  int population = 0;          // 0: 10 per parameter, at least 20 and at most 80
  int maxGenerations = 400;
  int stallGenerations = 30;   // ends after this many generations without a better best
  double crossover = 0.9;
  bool fromBest = true;        // DE/best/1: mutations around the best member
};

class DifferentialEvolution {
 public:
  DifferentialEvolution(std::vector<int> gridSizes, const GridPoint& start, std::uint64_t seed,
                        EvolutionSettings settings = {});

  // The points to evaluate next: the initial population, then each generation's trials.
  // Empty once the search has ended.
  const std::vector<GridPoint>& proposals() const { return proposals_; }
  // The totals of proposals() in order; selects and proposes the next generation.
  void report(const std::vector<float>& totals);

  bool ended() const { return proposals_.empty(); }
  const GridPoint& best() const { return population_[static_cast<size_t>(bestMember_)]; }
  float bestTotal() const { return bestTotal_; }
  int generation() const { return generation_; }
  int populationSize() const { return static_cast<int>(population_.size()); }
  // An upper bound of the evaluations still to come (proposals included).
  std::int64_t remainingBound() const;

 private:
  double uniform();  // [0, 1)
  int below(int n);  // 0..n−1
  void proposeGeneration();
  bool converged() const;

  std::vector<int> sizes_;
  EvolutionSettings settings_;
  std::mt19937_64 random_;
  std::vector<GridPoint> population_;
  std::vector<float> totals_;
  std::vector<GridPoint> proposals_;
  bool initial_ = true;
  int generation_ = 0;
  int stalled_ = 0;
  int bestMember_ = 0;
  float bestTotal_ = std::numeric_limits<float>::infinity();
};

}  // namespace lumo::fitting
