#pragma once
// The rule for a value typed into a layer parameter's box: within the scroll bar's range
// it becomes the scroll value, rounded to the nearest integer with halves to even; out of
// range, or not a number, the box's value from when it got the focus comes back.
#include <string_view>

#include "editor/ScrollBar.h"

namespace lumo {

struct TypedEntry {
  int scrollValue = 0;
  bool accepted = false;  // false: the focus value was restored
};

// `scale` turns the typed unit into scroll units (100 for SLDs typed in 10^-6 Å^-2).
TypedEntry applyTypedEntry(std::string_view text, const ScrollBar& bar, double scale,
                           float focusValue);

// The number a box's text reads as (blanks around it allowed); false when it is none.
bool parseTypedNumber(std::string_view text, double& value);

// Nearest integer with halves to even, as a 16-bit scroll value is formed.
int roundHalfEven(double value);

}  // namespace lumo
