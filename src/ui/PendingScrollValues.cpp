#include "ui/PendingScrollValues.h"

#include <algorithm>

namespace lumo::ui {

void PendingScrollValues::set(ScrollId id, int value) {
  const auto same = std::find_if(moves_.begin(), moves_.end(),
                                 [&](const auto& move) { return move.first == id; });
  if (same != moves_.end())
    same->second = value;
  else
    moves_.emplace_back(id, value);
}

std::vector<std::pair<ScrollId, int>> PendingScrollValues::take() {
  std::vector<std::pair<ScrollId, int>> out;
  out.swap(moves_);
  return out;
}

}  // namespace lumo::ui
