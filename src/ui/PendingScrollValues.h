#pragma once
// Scroll-bar moves waiting to be applied. While a thumb is dragged the widgets report
// moves faster than a recalculation may take; keeping only the latest value of each bar
// until the next turn of the event loop means the curve always shows the newest value
// and no stale steps pile up.
#include <utility>
#include <vector>

#include "editor/LayerEditorState.h"

namespace lumo::ui {

class PendingScrollValues {
 public:
  // Records a move; a bar already waiting keeps its place and takes the new value.
  void set(ScrollId id, int value);
  bool empty() const { return moves_.empty(); }
  // The waiting moves in the order the bars were first moved; empties the list.
  std::vector<std::pair<ScrollId, int>> take();

 private:
  std::vector<std::pair<ScrollId, int>> moves_;
};

}  // namespace lumo::ui
