#pragma once
// The arithmetic of a plot's axes: ranges normalised to one decade, tick counts, and the
// guard that keeps degenerate ranges out of the normalising loops.
namespace lumo {

// A range divided or multiplied by ten until it lies within one decade; `scale` is the
// factor applied.
struct NormalisedRange {
  float range = 1;
  float scale = 1;
};

// X: above 10 divided down to (1, 10]; otherwise multiplied while it is at most 1.
NormalisedRange normaliseXRange(float span);
// Y: above 10 divided down; otherwise multiplied while it is below 1, ending in [1, 10].
NormalisedRange normaliseYRange(float span);

// Makes [min, max] a range the normalising loops can finish on: values that are not
// finite are replaced, an inverted range is swapped, and a range of no usable width is
// widened by one unit each way (by half the magnitude where one unit is lost in
// rounding). A range that is already usable is left exactly as it is.
void guardRange(float& min, float& max);

// Tick marks of an axis from min to max with decade factor `scale`: whole scaled units,
// counting an end that falls on one; fewer than two give ten marks per unit instead.
struct TickCount {
  int count = 0;
  int perUnit = 1;
};
TickCount tickCount(float min, float max, float scale);

// The single-precision test of a whole number: v equals its floor.
bool isWholeSingle(float v);

// How many whole scaled units lie between min and max: |⌊min·s⌋ − ⌊max·s⌋|, limited so
// that no range can ask for more labels than a surface holds.
int wholeUnitsBetween(float min, float max, float scale);

inline constexpr int kMaxTickLabels = 11;

}  // namespace lumo
