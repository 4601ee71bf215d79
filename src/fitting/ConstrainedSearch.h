#pragma once
// The order in which the constrained fit visits thickness combinations.
//
// The search is a nest of loops, one per selected position k = 1..count, each running the
// thickness t of its layer from Min to Max in steps of 1 Å:
//   - while k < count and t < Finish, the loop of position k + 1 runs for this t;
//   - otherwise the combination is evaluated if Start <= sum <= Finish, the sum taken
//     over positions 1..k only (in single precision). Deeper positions then keep the
//     thickness last written to them, and that is what the calculation sees.
// Every position starts at its Min. This class walks those loops one evaluation at a
// time and keeps the thickness each position holds. Inner nests that can contain no
// evaluation, and the rest of a loop whose sum has passed Finish, are passed over at
// once, leaving the thicknesses they would have left.
#include <array>
#include <cstdint>

#include "fitting/ConstrainedFitPlan.h"

namespace lumo::fitting {

class ConstrainedSearch {
 public:
  explicit ConstrainedSearch(const ConstrainedFitPlan& plan);

  // Advances to the next combination to evaluate; false when the loops have ended.
  bool next();
  // The loop level whose body asked for the evaluation (positions 1..level summed).
  int level() const { return level_; }
  // Thickness of position k (1..count) as last written.
  int thickness(int k) const { return written_[static_cast<size_t>(k)]; }
  int count() const { return n_; }

 private:
  float prefixSum(int k) const;
  bool nestCanEvaluate(int k) const;
  void passOverNest(int k);
  void advance();

  int n_ = 0;
  std::array<int, kMaxConstrainedLayers + 1> min_{}, max_{};
  float start_ = 0, finish_ = 0;
  std::array<int, kMaxConstrainedLayers + 1> t_{};        // loop variables
  std::array<int, kMaxConstrainedLayers + 1> written_{};  // thickness each position holds
  int depth_ = 1;
  int level_ = 0;
  bool done_ = false;
};

// The exact number of evaluations the search makes (counted from the distribution of
// partial sums, without walking the loops). Exact up to 2^53; larger counts are rounded
// and capped at the largest 64-bit integer.
std::int64_t constrainedEvaluationCount(const ConstrainedFitPlan& plan);

}  // namespace lumo::fitting
