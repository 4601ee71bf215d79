#include "editor/TypedEntry.h"

#include <cmath>
#include <limits>

#include "files/TextItemReader.h"

namespace lumo {

int roundHalfEven(double value) {
  constexpr double lo = std::numeric_limits<short>::min(), hi = std::numeric_limits<short>::max();
  if (!(value >= lo)) return static_cast<int>(lo);
  if (value > hi) return static_cast<int>(hi);
  // nearbyint rounds in the current mode, which is to nearest with ties to even.
  return static_cast<int>(std::nearbyint(value));
}

bool parseTypedNumber(std::string_view text, double& value) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return false;
  const auto last = text.find_last_not_of(" \t");
  return text::parseDecimal(text.substr(first, last - first + 1), value) && std::isfinite(value);
}

TypedEntry applyTypedEntry(std::string_view text, const ScrollBar& bar, double scale,
                           float focusValue) {
  double typed = 0;
  if (parseTypedNumber(text, typed)) {
    const double v = typed * scale;
    if (v >= bar.Min && v <= bar.Max) return {roundHalfEven(v), true};
  }
  return {bar.clamp(roundHalfEven(double(focusValue) * scale)), false};
}

}  // namespace lumo
