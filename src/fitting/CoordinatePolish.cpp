#include "fitting/CoordinatePolish.h"

#include "fitting/BestTrial.h"

namespace lumo::fitting {

CoordinatePolish::CoordinatePolish(std::vector<int> gridSizes, const GridPoint& start,
                                   float startTotal)
    : sizes_(std::move(gridSizes)), best_(start), bestTotal_(startTotal) {
  proposeScan();
}

void CoordinatePolish::proposeScan() {
  proposals_.clear();
  // A scan of a parameter with a single grid point has nothing to try: skip it, but
  // only as far as one whole round, so that a problem without any stops.
  for (size_t skipped = 0; skipped < sizes_.size(); ++skipped) {
    const int n = sizes_[parameter_];
    for (int g = 0; g < n; ++g) {
      if (g == best_[parameter_]) continue;
      proposals_.push_back(best_);
      proposals_.back()[parameter_] = g;
    }
    if (!proposals_.empty()) return;
    if (++unchanged_ >= sizes_.size()) return;
    if (++parameter_ == sizes_.size()) {
      parameter_ = 0;
      ++round_;
    }
  }
}

void CoordinatePolish::report(const std::vector<float>& totals) {
  if (ended()) return;
  BestTrial scan;
  size_t winner = proposals_.size();
  for (size_t i = 0; i < proposals_.size() && i < totals.size(); ++i)
    if (scan.offer(totals[i])) winner = i;
  if (winner < proposals_.size() && scan.total() < bestTotal_) {
    best_ = proposals_[winner];
    bestTotal_ = scan.total();
    unchanged_ = 0;
  } else {
    ++unchanged_;
  }
  if (++parameter_ == sizes_.size()) {
    parameter_ = 0;
    ++round_;
  }
  if (unchanged_ >= sizes_.size())
    proposals_.clear();
  else
    proposeScan();
}

}  // namespace lumo::fitting
