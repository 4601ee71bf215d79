#include "plot/RangeSelection.h"

#include <algorithm>

#include "files/DisplayScale.h"

namespace lumo {
namespace {

int firstAtOrAbove(const PointArray& grid, int count, double q) {
  const auto fq = static_cast<float>(q);
  for (int i = 1; i <= std::min(count, kMaxPoints); ++i)
    if (static_cast<float>(grid[static_cast<size_t>(i)]) >= fq) return i;
  return count + 1;
}

// A saved (linear) range value as the axis holds it; a value with no logarithm keeps
// the axis's present one.
float asStored(float saved, float present, bool log) {
  if (!log) return saved;
  return saved > 0 ? static_cast<float>(log10Of(saved)) : present;
}

}  // namespace

int rangeStartAt(const PointArray& grid, int count, double q) {
  return std::max(1, std::min(firstAtOrAbove(grid, count, q), count - 5));
}

int rangeEndAt(const PointArray& grid, int count, double q) {
  const int i = firstAtOrAbove(grid, count, q);
  return i > count ? count : i - 1;
}

void selectPoints(DataSet& set, int first, int last) {
  const int count = std::min(set.NumPoints, kMaxPoints);
  set.DataFirst = std::clamp(first, 1, std::max(count, 1));
  set.DataLast = std::min(std::max(last, set.DataFirst + 2), count);
}

void fitRangesToPoints(DataSet& set, const PointArray& q, const PointArray& r, bool linearX,
                       bool logY) {
  bool firstX = true, firstY = true;
  for (int i = std::max(set.DataFirst, 1); i <= std::min(set.DataLast, kMaxPoints); ++i) {
    const auto qi = static_cast<float>(q[static_cast<size_t>(i)]);
    const auto ri = static_cast<float>(r[static_cast<size_t>(i)]);
    if (firstX) {
      set.XMin = set.XMax = qi;
      firstX = false;
    } else {
      set.XMax = std::max(set.XMax, qi);
      if (qi < set.XMin && (!linearX || qi > 0)) set.XMin = qi;
    }
    if (isPlaceholder(r[static_cast<size_t>(i)], logY)) continue;
    if (firstY) {
      set.YMin = set.YMax = ri;
      firstY = false;
    } else {
      set.YMax = std::max(set.YMax, ri);
      set.YMin = std::min(set.YMin, ri);
    }
  }
}

void restoreSavedRanges(DataSet& set, bool logX, bool logY) {
  set.XMin = asStored(set.XMinSaved, set.XMin, logX);
  set.XMax = asStored(set.XMaxSaved, set.XMax, logX);
  restoreSavedYRange(set, logY);
}

void restoreSavedYRange(DataSet& set, bool logY) {
  set.YMin = asStored(set.YMinSaved, set.YMin, logY);
  set.YMax = asStored(set.YMaxSaved, set.YMax, logY);
}

}  // namespace lumo
