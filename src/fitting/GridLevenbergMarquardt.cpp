#include "fitting/GridLevenbergMarquardt.h"

#include <algorithm>
#include <cmath>

#include "fitting/BestTrial.h"

namespace lumo::fitting {
namespace {

constexpr double kDamping[] = {1e-4, 1e-3, 1e-2, 0.1, 1, 10};
constexpr int kMaxSteps = 50;

}  // namespace

bool choleskySolve(std::vector<double> a, int n, std::vector<double>& b) {
  const auto at = [n](int r, int c) { return static_cast<size_t>(r * n + c); };
  for (int j = 0; j < n; ++j) {
    double d = a[at(j, j)];
    for (int k = 0; k < j; ++k) d -= a[at(j, k)] * a[at(j, k)];
    if (!(d > 0)) return false;
    a[at(j, j)] = std::sqrt(d);
    for (int i = j + 1; i < n; ++i) {
      double s = a[at(i, j)];
      for (int k = 0; k < j; ++k) s -= a[at(i, k)] * a[at(j, k)];
      a[at(i, j)] = s / a[at(j, j)];
    }
  }
  for (int i = 0; i < n; ++i) {
    double s = b[static_cast<size_t>(i)];
    for (int k = 0; k < i; ++k) s -= a[at(i, k)] * b[static_cast<size_t>(k)];
    b[static_cast<size_t>(i)] = s / a[at(i, i)];
  }
  for (int i = n - 1; i >= 0; --i) {
    double s = b[static_cast<size_t>(i)];
    for (int k = i + 1; k < n; ++k) s -= a[at(k, i)] * b[static_cast<size_t>(k)];
    b[static_cast<size_t>(i)] = s / a[at(i, i)];
  }
  return true;
}

GridLevenbergMarquardt::GridLevenbergMarquardt(std::vector<int> gridSizes, const GridPoint& start,
                                               float startTotal)
    : sizes_(std::move(gridSizes)), best_(start), bestTotal_(startTotal) {
  proposeNeighbours();
}

// The present point with its neighbours, for the Jacobian.
void GridLevenbergMarquardt::proposeNeighbours() {
  measuring_ = true;
  proposals_ = withGridNeighbours(best_, sizes_);
}

void GridLevenbergMarquardt::proposeSteps(const std::vector<std::vector<double>>& residuals) {
  measuring_ = false;
  proposals_.clear();
  const size_t p = best_.size();
  const std::vector<double>& r = residuals.front();
  std::vector<std::vector<double>> columns(p);
  std::vector<int> live;
  for (size_t j = 0; j < p; ++j) {
    const std::vector<double>& below = residuals[1 + 2 * j];
    const std::vector<double>& above = residuals[2 + 2 * j];
    const int span = std::min(best_[j] + 1, sizes_[j] - 1) - std::max(best_[j] - 1, 0);
    if (span <= 0 || below.size() != r.size() || above.size() != r.size()) continue;
    columns[j].resize(r.size());
    for (size_t i = 0; i < r.size(); ++i) columns[j][i] = (above[i] - below[i]) / span;
    live.push_back(static_cast<int>(j));
  }
  const int n = static_cast<int>(live.size());
  std::vector<double> jtj(static_cast<size_t>(n * n)), jtr(static_cast<size_t>(n));
  for (int a = 0; a < n; ++a) {
    const auto& ca = columns[static_cast<size_t>(live[static_cast<size_t>(a)])];
    for (int b = 0; b < n; ++b) {
      const auto& cb = columns[static_cast<size_t>(live[static_cast<size_t>(b)])];
      double s = 0;
      for (size_t i = 0; i < r.size(); ++i) s += ca[i] * cb[i];
      jtj[static_cast<size_t>(a * n + b)] = s;
    }
    double s = 0;
    for (size_t i = 0; i < r.size(); ++i) s += ca[i] * r[i];
    jtr[static_cast<size_t>(a)] = -s;
  }
  for (double lambda : kDamping) {
    std::vector<double> a = jtj, delta = jtr;
    for (int k = 0; k < n; ++k) a[static_cast<size_t>(k * n + k)] *= 1 + lambda;
    if (!choleskySolve(a, n, delta)) continue;
    GridPoint candidate = best_;
    for (int k = 0; k < n; ++k) {
      const size_t j = static_cast<size_t>(live[static_cast<size_t>(k)]);
      const double moved = best_[j] + std::clamp(delta[static_cast<size_t>(k)], -1e6, 1e6);
      candidate[j] = static_cast<int>(std::clamp(std::nearbyint(moved), 0.0, sizes_[j] - 1.0));
    }
    if (candidate != best_ &&
        std::find(proposals_.begin(), proposals_.end(), candidate) == proposals_.end())
      proposals_.push_back(candidate);
  }
}

void GridLevenbergMarquardt::report(const std::vector<float>& totals,
                                    const std::vector<std::vector<double>>& residuals) {
  if (ended()) return;
  if (measuring_) {
    if (residuals.size() == proposals_.size()) proposeSteps(residuals);
    else proposals_.clear();
    return;
  }
  BestTrial step;
  size_t winner = proposals_.size();
  for (size_t i = 0; i < proposals_.size() && i < totals.size(); ++i)
    if (step.offer(totals[i])) winner = i;
  if (winner < proposals_.size() && step.total() < bestTotal_ && ++steps_ <= kMaxSteps) {
    best_ = proposals_[winner];
    bestTotal_ = step.total();
    improved_ = true;
    proposeNeighbours();
  } else {
    proposals_.clear();
  }
}

}  // namespace lumo::fitting
