#include "fitting/ConstrainedSearch.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace lumo::fitting {

namespace {

// A bound of the sum as a whole number of ångströms, kept well inside 64 bits.
std::int64_t wholeBound(double bound, bool roundUp) {
  constexpr double kLimit = 4.0e18;
  const double whole = roundUp ? std::ceil(bound) : std::floor(bound);
  return static_cast<std::int64_t>(std::clamp(whole, -kLimit, kLimit));
}

}  // namespace

ConstrainedSearch::ConstrainedSearch(const ConstrainedFitPlan& plan)
    : n_(std::clamp(plan.count, 0, kMaxConstrainedLayers)),
      start_(wholeBound(plan.start, true)),
      finish_(wholeBound(plan.finish, false)) {
  bool emptyBox = false;
  for (int k = 1; k <= n_; ++k) {
    const auto at = static_cast<size_t>(k);
    min_[at] = plan.min[at];
    max_[at] = plan.max[at];
    emptyBox = emptyBox || min_[at] > max_[at];
  }
  for (int k = n_ - 1; k >= 0; --k) {
    const auto at = static_cast<size_t>(k);
    minBelow_[at] = minBelow_[at + 1] + min_[at + 1];
    maxBelow_[at] = maxBelow_[at + 1] + max_[at + 1];
  }
  done_ = n_ < 1 || emptyBox || start_ > finish_ || low(1) > high(1);
}

// The range of position k's thickness that, with the present positions above it, still
// leaves a sum within the bounds for some thicknesses of the positions below it. When
// position k - 1 lies within its own range, this one is not empty.
std::int64_t ConstrainedSearch::low(int k) const {
  const auto at = static_cast<size_t>(k);
  return std::max(min_[at], start_ - prefix_[at - 1] - maxBelow_[at]);
}

std::int64_t ConstrainedSearch::high(int k) const {
  const auto at = static_cast<size_t>(k);
  return std::min(max_[at], finish_ - prefix_[at - 1] - minBelow_[at]);
}

// Positions k..count take the first thicknesses of their ranges.
void ConstrainedSearch::descendFrom(int k) {
  for (int j = k; j <= n_; ++j) {
    const auto at = static_cast<size_t>(j);
    t_[at] = static_cast<int>(low(j));
    prefix_[at] = prefix_[at - 1] + t_[at];
  }
}

bool ConstrainedSearch::next() {
  if (done_) return false;
  if (!started_) {
    started_ = true;
    descendFrom(1);
    return true;
  }
  for (int k = n_; k >= 1; --k) {
    const auto at = static_cast<size_t>(k);
    if (t_[at] >= high(k)) continue;
    ++t_[at];
    prefix_[at] = prefix_[at - 1] + t_[at];
    descendFrom(k + 1);
    return true;
  }
  done_ = true;
  return false;
}

namespace {

// Counts of partial sums: count[i] combinations sum to base + i.
struct SumCounts {
  std::int64_t base = 0;
  std::vector<double> count;
};

// The sums of every combination in `d` extended by each t of [low, high].
SumCounts extend(const SumCounts& d, std::int64_t low, std::int64_t high) {
  SumCounts r;
  if (low > high || d.count.empty()) return r;
  const auto width = static_cast<std::int64_t>(d.count.size());
  r.base = d.base + low;
  r.count.assign(static_cast<size_t>(width + (high - low)), 0.0);
  std::vector<double> prefix(static_cast<size_t>(width) + 1, 0.0);
  for (std::int64_t i = 0; i < width; ++i)
    prefix[static_cast<size_t>(i + 1)] =
        prefix[static_cast<size_t>(i)] + d.count[static_cast<size_t>(i)];
  // r[i] = Σ d[i − o] over the offsets o = 0..high − low.
  for (std::int64_t i = 0; i < static_cast<std::int64_t>(r.count.size()); ++i) {
    const std::int64_t hi = std::min(i, width - 1);
    const std::int64_t lo = std::max<std::int64_t>(i - (high - low), 0);
    if (lo <= hi)
      r.count[static_cast<size_t>(i)] =
          prefix[static_cast<size_t>(hi + 1)] - prefix[static_cast<size_t>(lo)];
  }
  return r;
}

double countWithin(const SumCounts& d, double start, double finish) {
  double total = 0;
  for (size_t i = 0; i < d.count.size(); ++i) {
    const auto sum = static_cast<double>(d.base + static_cast<std::int64_t>(i));
    if (start <= sum && sum <= finish) total += d.count[i];
  }
  return total;
}

}  // namespace

std::int64_t constrainedEvaluationCount(const ConstrainedFitPlan& plan) {
  SumCounts sums{0, {1.0}};  // the empty combination
  for (int k = 1; k <= plan.count; ++k)
    sums = extend(sums, plan.min[static_cast<size_t>(k)], plan.max[static_cast<size_t>(k)]);
  const double total = countWithin(sums, plan.start, plan.finish);
  if (total >= 9.2e18) return std::numeric_limits<std::int64_t>::max();
  return static_cast<std::int64_t>(total);
}

}  // namespace lumo::fitting
