#pragma once
// The local stage of a refinement: the single-parameter scans in turn. Each scan tries
// every other grid point of one parameter with the others held; the lowest of the best
// totals wins (the first among equal ones) and is taken when it is strictly below the
// present total. The parameters are scanned in order, round after round, until a whole
// round improves nothing.
#include <cstdint>
#include <vector>

#include "fitting/GridPoint.h"

namespace lumo::fitting {

class CoordinatePolish {
 public:
  CoordinatePolish(std::vector<int> gridSizes, const GridPoint& start, float startTotal);

  // The points of the present scan; empty once the polish has ended.
  const std::vector<GridPoint>& proposals() const { return proposals_; }
  // The totals of proposals() in order; moves on to the next scan.
  void report(const std::vector<float>& totals);

  bool ended() const { return proposals_.empty(); }
  const GridPoint& best() const { return best_; }
  float bestTotal() const { return bestTotal_; }
  int rounds() const { return round_; }

 private:
  void proposeScan();

  std::vector<int> sizes_;
  GridPoint best_;
  float bestTotal_;
  std::vector<GridPoint> proposals_;
  size_t parameter_ = 0;
  size_t unchanged_ = 0;  // scans since the last improvement
  int round_ = 0;
};

}  // namespace lumo::fitting
