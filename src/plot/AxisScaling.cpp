#include "plot/AxisScaling.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace lumo {
namespace {

// Beyond these magnitudes a range is not a measurement; clamping keeps the span finite.
constexpr float kLargestValue = 1e30f;
// Narrower spans would need a decade factor beyond single precision.
constexpr float kNarrowestSpan = 1e-30f;
// A tick loop never runs longer than this, whatever the rounding of huge values does.
constexpr int kMostTicks = 1000;

float clampMagnitude(float v) { return std::clamp(v, -kLargestValue, kLargestValue); }

// Only such spans let the loops below finish (zero, negative, NaN and infinite never do).
bool isUsableSpan(float span) { return span >= kNarrowestSpan && span <= 2 * kLargestValue; }

// Divides a range above 10 down to 10 or less; multiplies a smaller one up while it is
// below 1, or while it is at most 1 when `widenOne` (the X rule).
NormalisedRange normalise(float span, bool widenOne) {
  NormalisedRange n{span, 1};
  if (!isUsableSpan(span)) return {};
  if (n.range > 10) {
    while (n.range > 10) {
      n.range = n.range / 10;
      n.scale = n.scale / 10;
    }
    return n;
  }
  while (n.range < 1 || (widenOne && n.range == 1)) {
    n.range = n.range * 10;
    n.scale = n.scale * 10;
  }
  return n;
}

}  // namespace

NormalisedRange normaliseXRange(float span) { return normalise(span, true); }
NormalisedRange normaliseYRange(float span) { return normalise(span, false); }

void guardRange(float& min, float& max) {
  const bool minOk = std::isfinite(min), maxOk = std::isfinite(max);
  if (!minOk && !maxOk) {
    min = 0;
    max = 1;
  } else if (!minOk) {
    min = max - 1;
  } else if (!maxOk) {
    max = min + 1;
  }
  min = clampMagnitude(min);
  max = clampMagnitude(max);
  if (max < min) std::swap(min, max);
  if (max - min >= kNarrowestSpan) return;
  const float centre = max;
  min = centre - 1;
  max = centre + 1;
  if (!(max - min >= kNarrowestSpan)) {
    const float half = std::abs(centre) / 2;
    min = centre - half;
    max = centre + half;
  }
}

bool isWholeSingle(float v) { return v == std::floor(v); }

int wholeUnitsBetween(float min, float max, float scale) {
  const float a = std::floor(min * scale), b = std::floor(max * scale);
  const float units = std::abs(a - b);
  return units > kMostTicks ? kMostTicks : static_cast<int>(units);
}

TickCount tickCount(float min, float max, float scale) {
  TickCount t;
  t.count = wholeUnitsBetween(min, max, scale);
  if (isWholeSingle(min * scale)) ++t.count;
  if (isWholeSingle(max * scale)) ++t.count;
  if (t.count < 2) {
    t.count = wholeUnitsBetween(10 * min, 10 * max, scale);
    t.perUnit = 10;
  }
  return t;
}

}  // namespace lumo
