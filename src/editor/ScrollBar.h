#pragma once
// A horizontal scroll bar's properties: the editor's master copy of one model value.
#include <algorithm>

namespace lumo {

struct ScrollBar {
  int Min = 0;
  int Max = 100;
  int SmallChange = 1;
  int LargeChange = 1;
  int Value = 0;

  // A value the bar can hold: program code that asks for one outside the range gets
  // the nearest end (a scroll bar never holds a value outside Min..Max).
  int clamp(int v) const { return std::clamp(v, std::min(Min, Max), std::max(Min, Max)); }
};

}  // namespace lumo
