#pragma once
// A point of a refinement's search space: one grid index per refined parameter.
#include <algorithm>
#include <cstddef>
#include <functional>
#include <vector>

namespace lumo::fitting {

using GridPoint = std::vector<int>;

struct GridPointHash {
  size_t operator()(const GridPoint& p) const {
    size_t h = 1469598103934665603ull;
    for (int g : p) h = (h ^ static_cast<size_t>(static_cast<unsigned>(g))) * 1099511628211ull;
    return h;
  }
};

// `centre`, then for each parameter its grid neighbours below and above (`centre` itself
// where the parameter's range of `sizes[j]` points ends): the points of one-step finite
// differences.
inline std::vector<GridPoint> withGridNeighbours(const GridPoint& centre, const std::vector<int>& sizes) {
  std::vector<GridPoint> points{centre};
  for (size_t j = 0; j < centre.size(); ++j) {
    GridPoint below = centre, above = centre;
    below[j] = std::max(centre[j] - 1, 0);
    above[j] = std::min(centre[j] + 1, sizes[j] - 1);
    points.push_back(below);
    points.push_back(above);
  }
  return points;
}

}  // namespace lumo::fitting
