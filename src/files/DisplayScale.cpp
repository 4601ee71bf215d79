#include "files/DisplayScale.h"

#include <cmath>

namespace lumo {
namespace {

const double kLn10 = std::log(10.0);

// The logarithm that stands in for a non-positive value on a log axis: far below any
// measured reflectivity, but finite, so that nothing draws NaN.
constexpr double kLogOfNonPositive = -30.0;

double logOrFloor(double x) { return x > 0 ? log10Of(x) : kLogOfNonPositive; }

// A Q <= 0 has no logarithm; it is shown at XMin, or at the smallest positive Q of the
// set when XMin itself is not positive (a file whose first Q is 0).
double logQFloor(const DataSet& set) {
  if (set.XMin > 0) return log10Of(set.XMin);
  double smallest = 0;
  for (int pt = 1; pt <= set.NumPoints; ++pt)
    if (set.DataQ[pt] > 0 && (smallest == 0 || set.DataQ[pt] < smallest)) smallest = set.DataQ[pt];
  return logOrFloor(smallest);
}

}  // namespace

double log10Of(double x) { return std::log(x) / kLn10; }

bool isPlaceholder(double storedR, bool logY) {
  if (!logY) return storedR == kNonPositivePlaceholder;
  return storedR == 1.0 || storedR == std::nextafter(1.0, 0.0);
}
double pow10Of(double x) { return std::pow(10.0, x); }

void convertForDisplay(DataSet& set, bool logX, bool logY) {
  for (int pt = 1; pt <= set.NumPoints; ++pt) {
    if (set.DataQ[pt] <= 0) set.DataQ[pt] = set.XMin;
    if (set.DataR[pt] <= 0) {
      set.DataR[pt] = kNonPositivePlaceholder;
      set.ErrUpper[pt] = kNonPositivePlaceholder;
      set.ErrLower[pt] = set.YMin;
    } else if (set.ErrLower[pt] <= 0) {
      set.ErrLower[pt] = set.YMin;
    }
  }
  if (logX) toLogX(set);
  if (logY) toLogY(set, true);
}

void toLogX(DataSet& set) {
  const double floorQ = logQFloor(set);
  for (int pt = 1; pt <= set.NumPoints; ++pt)
    set.DataQ[pt] = set.DataQ[pt] <= 0 ? floorQ : log10Of(set.DataQ[pt]);
  set.XMax = static_cast<float>(set.XMax > 0 ? log10Of(set.XMax) : floorQ);
  set.XMin = static_cast<float>(floorQ);
}

void fromLogX(DataSet& set) {
  for (int pt = 1; pt <= set.NumPoints; ++pt) set.DataQ[pt] = pow10Of(set.DataQ[pt]);
  set.XMax = static_cast<float>(pow10Of(set.XMax));
  set.XMin = static_cast<float>(pow10Of(set.XMin));
}

void toLogY(DataSet& set, bool points) {
  if (points) {
    const double logPlaceholder = log10Of(kNonPositivePlaceholder);
    const double lowFloor = logOrFloor(set.YMin);
    for (int pt = 1; pt <= set.NumPoints; ++pt) {
      set.DataR[pt] = set.DataR[pt] <= 0 ? logPlaceholder : log10Of(set.DataR[pt]);
      set.ErrUpper[pt] = set.ErrUpper[pt] <= 0 ? logPlaceholder : log10Of(set.ErrUpper[pt]);
      set.ErrLower[pt] = set.ErrLower[pt] <= 0 ? lowFloor : log10Of(set.ErrLower[pt]);
    }
  }
  set.YMax = static_cast<float>(logOrFloor(set.YMax));
  set.YMin = static_cast<float>(logOrFloor(set.YMin));
}

void fromLogY(DataSet& set, bool points) {
  if (points) {
    for (int pt = 1; pt <= set.NumPoints; ++pt) {
      set.DataR[pt] = pow10Of(set.DataR[pt]);
      set.ErrUpper[pt] = pow10Of(set.ErrUpper[pt]);
      set.ErrLower[pt] = pow10Of(set.ErrLower[pt]);
    }
  }
  set.YMax = static_cast<float>(pow10Of(set.YMax));
  set.YMin = static_cast<float>(pow10Of(set.YMin));
}

}  // namespace lumo
