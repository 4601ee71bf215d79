#pragma once
// The ranking of the fits: the smallest total residual wins, and among equal totals the
// first one offered. The best starts at +infinity, so any finite total beats it however
// large; a total that is not a number, or infinite, never wins.
#include <limits>

namespace lumo::fitting {

class BestTrial {
 public:
  // True when `total` is strictly below the best so far; it then becomes the best.
  bool offer(float total) {
    if (!(total < best_)) return false;  // also refuses NaN
    best_ = total;
    return true;
  }
  float total() const { return best_; }

 private:
  float best_ = std::numeric_limits<float>::infinity();
};

}  // namespace lumo::fitting
