#include "dataops/Background.h"

#include <cmath>

#include "files/DisplayScale.h"

namespace lumo::dataops {
namespace {

// One point brought to linear values, changed, and brought back.
struct LinearPoint {
  double r, upper, lower;
  bool onFloor = false;  // the lower end is put on the plot floor
};

LinearPoint linear(const DataSet& set, int j, bool logY) {
  if (!logY) return {set.DataR[j], set.ErrUpper[j], set.ErrLower[j]};
  return {pow10Of(set.DataR[j]), pow10Of(set.ErrUpper[j]), pow10Of(set.ErrLower[j])};
}

void store(DataSet& set, int j, const LinearPoint& p, bool logY) {
  set.DataR[j] = logY ? log10Of(p.r) : p.r;
  set.ErrUpper[j] = logY ? log10Of(p.upper) : p.upper;
  // The floor is stored as it is, not as the logarithm of its linear value.
  set.ErrLower[j] = p.onFloor ? set.YMin : logY ? log10Of(p.lower) : p.lower;
}

void subtractFromPoint(LinearPoint& p, double background, float floor) {
  p.r -= background;
  p.upper -= background;
  if (p.r <= 0) {
    p = {kNonPositivePlaceholder, kNonPositivePlaceholder, floor, true};
    return;
  }
  // An error bar clipped to the floor stays there.
  if (static_cast<float>(p.lower) == floor) {
    p.onFloor = true;
    return;
  }
  p.lower -= background;
  if (p.lower <= 0) p.onFloor = true;
}

// The plot floor moves one decade below the lowest lower end when one lies below it;
// the error bars on the old floor move with it.
void lowerFloor(DataSet& set, bool logY) {
  const float old = set.YMin;
  float lowest = old;
  for (int j = 1; j <= set.NumPoints; ++j)
    if (static_cast<float>(set.ErrLower[j]) < lowest) lowest = static_cast<float>(set.ErrLower[j]);
  if (lowest == old) return;
  if (logY) {
    set.YMin = std::floor(lowest) - 1;
    set.YMinSaved = static_cast<float>(pow10Of(set.YMin));
  } else {
    set.YMin = static_cast<float>(pow10Of(std::floor(log10Of(lowest)) - 1));
    set.YMinSaved = set.YMin;
  }
  for (int j = 1; j <= set.NumPoints; ++j)
    if (static_cast<float>(set.ErrLower[j]) == old) set.ErrLower[j] = set.YMin;
}

}  // namespace

void subtractBackground(DataSet& set, double background, bool logY) {
  const float floor = logY ? static_cast<float>(pow10Of(set.YMin)) : set.YMin;
  for (int j = 1; j <= set.NumPoints; ++j) {
    if (isPlaceholder(set.DataR[j], logY)) continue;
    LinearPoint p = linear(set, j, logY);
    subtractFromPoint(p, background, floor);
    store(set, j, p, logY);
  }
  set.Background = static_cast<float>(double(set.Background) + background);
  lowerFloor(set, logY);
}

}  // namespace lumo::dataops
