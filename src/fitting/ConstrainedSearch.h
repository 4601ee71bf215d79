#pragma once
// The order in which the constrained fit visits thickness combinations.
//
// The search is a nest of loops, one per selected position k = 1..count, each running the
// thickness of its layer from Min to Max in steps of 1 Å, the first position outermost.
// A combination is evaluated when the sum of the thicknesses of every position lies
// within Start..Finish; the model then holds exactly those thicknesses, so the residual
// it is ranked by belongs to it. (Stopping a loop early at Finish and leaving deeper
// positions at whatever they last held, as the nested loops were once written, ranked
// models by residuals of thicknesses that lay outside the bounds.)
//
// The walk passes over the parts of every loop that cannot reach the bounds, so its cost
// is that of the combinations inside them. Thicknesses are whole ångströms, so their sums
// are exact and Start and Finish act as the whole numbers ⌈Start⌉ and ⌊Finish⌋.
#include <array>
#include <cstdint>

#include "fitting/ConstrainedFitPlan.h"

namespace lumo::fitting {

class ConstrainedSearch {
 public:
  explicit ConstrainedSearch(const ConstrainedFitPlan& plan);

  // Advances to the next combination to evaluate; false when the loops have ended.
  bool next();
  // Thickness of position k (1..count) in the present combination.
  int thickness(int k) const { return t_[static_cast<size_t>(k)]; }
  int count() const { return n_; }

 private:
  std::int64_t low(int k) const;
  std::int64_t high(int k) const;
  void descendFrom(int k);

  int n_ = 0;
  std::array<std::int64_t, kMaxConstrainedLayers + 2> min_{}, max_{};
  // Sums of the Mins and of the Maxes of the positions below k.
  std::array<std::int64_t, kMaxConstrainedLayers + 2> minBelow_{}, maxBelow_{};
  std::int64_t start_ = 0, finish_ = 0;
  std::array<int, kMaxConstrainedLayers + 2> t_{};
  // prefix_[k]: sum of the thicknesses of positions 1..k.
  std::array<std::int64_t, kMaxConstrainedLayers + 2> prefix_{};
  bool started_ = false;
  bool done_ = false;
};

// The exact number of evaluations the search makes (counted from the distribution of
// sums, without walking the loops). Exact up to 2^53; larger counts are rounded and
// capped at the largest 64-bit integer.
std::int64_t constrainedEvaluationCount(const ConstrainedFitPlan& plan);

}  // namespace lumo::fitting
