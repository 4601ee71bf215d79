#pragma once
// A point of a refinement's search space: one grid index per refined parameter.
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

}  // namespace lumo::fitting
