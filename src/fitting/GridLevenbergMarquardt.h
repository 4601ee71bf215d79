#pragma once
// Levenberg–Marquardt steps on the grids: the local stage's way along valleys where
// parameters move together (a thin layer's thickness against its SLD), which the scans
// of one parameter at a time cannot follow.
//
// Each step takes the Jacobian of the weighted residuals from the grid neighbours of the
// present point (one grid step either side), solves (JᵀJ + λ diag JᵀJ) δ = −Jᵀr for a
// ladder of damping factors λ, rounds each δ to the grid (within the ranges) and has the
// candidates evaluated. The lowest total among them (the first of equal ones) is taken
// when it is strictly below the present one, and a new step begins there; otherwise the
// steps end.
#include <vector>

#include "fitting/GridPoint.h"

namespace lumo::fitting {

class GridLevenbergMarquardt {
 public:
  GridLevenbergMarquardt(std::vector<int> gridSizes, const GridPoint& start, float startTotal);

  // The points to evaluate next; empty once the steps have ended. While
  // wantsResiduals(), the caller reports the weighted residuals of every point as well.
  const std::vector<GridPoint>& proposals() const { return proposals_; }
  bool wantsResiduals() const { return measuring_; }
  void report(const std::vector<float>& totals, const std::vector<std::vector<double>>& residuals);

  bool ended() const { return proposals_.empty(); }
  bool improved() const { return improved_; }
  const GridPoint& best() const { return best_; }
  float bestTotal() const { return bestTotal_; }

 private:
  void proposeNeighbours();
  void proposeSteps(const std::vector<std::vector<double>>& residuals);

  std::vector<int> sizes_;
  GridPoint best_;
  float bestTotal_;
  std::vector<GridPoint> proposals_;
  bool measuring_ = true;
  bool improved_ = false;
  int steps_ = 0;
};

// Solves the symmetric positive definite system a x = b (n × n, row-major) by Cholesky;
// false when the matrix is not positive definite.
bool choleskySolve(std::vector<double> a, int n, std::vector<double>& b);

}  // namespace lumo::fitting
