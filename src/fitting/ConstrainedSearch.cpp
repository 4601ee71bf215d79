#include "fitting/ConstrainedSearch.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace lumo::fitting {

ConstrainedSearch::ConstrainedSearch(const ConstrainedFitPlan& plan)
    : n_(plan.count), min_(plan.min), max_(plan.max), start_(plan.start), finish_(plan.finish) {
  written_ = min_;
  t_[1] = min_[1];
  done_ = n_ < 1 || min_[1] > max_[1];
}

float ConstrainedSearch::prefixSum(int k) const {
  float sum = 0.0f;
  for (int j = 1; j <= k; ++j) sum += static_cast<float>(written_[static_cast<size_t>(j)]);
  return sum;
}

// Whether the loops below position k, run for the present prefix, evaluate anything:
// bounds the sum at each deeper level by the sums of Mins and of Maxes (the single
// precision sum is monotonic in every term, so the bounds hold).
bool ConstrainedSearch::nestCanEvaluate(int k) const {
  float low = prefixSum(k);
  float high = low;
  for (int j = k + 1; j <= n_; ++j) {
    const auto at = static_cast<size_t>(j);
    if (min_[at] > max_[at]) return false;  // this loop never runs
    low += static_cast<float>(min_[at]);
    high += static_cast<float>(max_[at]);
    const bool evaluatesHere = j == n_ || static_cast<float>(max_[at]) >= finish_;
    if (evaluatesHere && high >= start_ && low <= finish_) return true;
    if (!(static_cast<float>(min_[at]) < finish_)) return false;  // never goes deeper
  }
  return false;
}

// Leaves the thicknesses that running the loops below position k would leave: each loop
// that runs ends at its Max, and a loop runs when the one above it goes deeper at least
// once (its Min is below Finish).
void ConstrainedSearch::passOverNest(int k) {
  for (int j = k + 1; j <= n_; ++j) {
    const auto at = static_cast<size_t>(j);
    if (min_[at] > max_[at]) return;
    written_[at] = max_[at];
    if (!(static_cast<float>(min_[at]) < finish_)) return;
  }
}

void ConstrainedSearch::advance() {
  ++t_[static_cast<size_t>(depth_)];
  while (t_[static_cast<size_t>(depth_)] > max_[static_cast<size_t>(depth_)]) {
    if (depth_ == 1) {
      done_ = true;
      return;
    }
    --depth_;
    ++t_[static_cast<size_t>(depth_)];
  }
}

bool ConstrainedSearch::next() {
  while (!done_) {
    const int k = depth_;
    const int t = t_[static_cast<size_t>(k)];
    written_[static_cast<size_t>(k)] = t;
    bool evaluate = false;
    if (k < n_ && static_cast<float>(t) < finish_) {
      if (nestCanEvaluate(k)) {
        ++depth_;
        t_[static_cast<size_t>(depth_)] = min_[static_cast<size_t>(depth_)];
        continue;  // nestCanEvaluate saw that this loop runs
      }
      passOverNest(k);
    } else {
      const float sum = prefixSum(k);
      evaluate = start_ <= sum && sum <= finish_;
      // The rest of this loop neither goes deeper (t stays >= Finish, or this is the last
      // position) nor evaluates (the sum only grows): it ends with its Max written.
      if (sum > finish_)
        written_[static_cast<size_t>(k)] = t_[static_cast<size_t>(k)] =
            max_[static_cast<size_t>(k)];
    }
    advance();
    if (evaluate) {
      level_ = k;
      return true;
    }
  }
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

// The largest t of low..high with t < finish (low − 1 when there is none).
std::int64_t lastBelow(float finish, std::int64_t low, std::int64_t high) {
  const auto f = static_cast<double>(finish);
  if (f > static_cast<double>(high)) return high;
  if (f <= static_cast<double>(low)) return low - 1;
  return static_cast<std::int64_t>(std::ceil(f)) - 1;
}

}  // namespace

std::int64_t constrainedEvaluationCount(const ConstrainedFitPlan& plan) {
  SumCounts descending{0, {1.0}};  // the empty prefix enters position 1
  double total = 0;
  for (int k = 1; k <= plan.count && !descending.count.empty(); ++k) {
    const std::int64_t low = plan.min[static_cast<size_t>(k)];
    const std::int64_t high = plan.max[static_cast<size_t>(k)];
    // Positions below the last go deeper while t < Finish and evaluate otherwise.
    const std::int64_t deeperTo = k < plan.count ? lastBelow(plan.finish, low, high) : low - 1;
    const SumCounts evaluated = extend(descending, std::max(deeperTo + 1, low), high);
    total += countWithin(evaluated, plan.start, plan.finish);
    descending = extend(descending, low, deeperTo);
  }
  if (total >= 9.2e18) return std::numeric_limits<std::int64_t>::max();
  return static_cast<std::int64_t>(total);
}

}  // namespace lumo::fitting
