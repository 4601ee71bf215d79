#pragma once
// Data sets as "Open Data Files" holds them, for the data operations.
#include <cmath>
#include <vector>

#include "files/DataFile.h"
#include "files/DataLoading.h"
#include "files/DisplayScale.h"

namespace lumo::test {

// Points R = 10^-k for k = 1..n at Q = 0.01 k, dR = 20 % of R; `zeros` of them (from the
// end) measured as 0.
inline DataSet loadedSet(int n, bool logY, int zeros = 0) {
  DataFileContents c;
  c.title = "set";
  c.solventSLD = 6.35;
  for (int k = 1; k <= n; ++k) {
    const double r = k > n - zeros ? 0.0 : std::pow(10.0, -0.1 * k);
    c.points.push_back({0.01 * k, r, 0.2 * r});
  }
  DataSet s;
  fillSlot(s, c, "/data/set.vld");
  convertForDisplay(s, false, logY);
  return s;
}

// R, upper and lower ends of point j as linear values.
struct LinearValues {
  double r, upper, lower;
};
inline LinearValues linearAt(const DataSet& s, int j, bool logY) {
  if (!logY) return {s.DataR[j], s.ErrUpper[j], s.ErrLower[j]};
  return {pow10Of(s.DataR[j]), pow10Of(s.ErrUpper[j]), pow10Of(s.ErrLower[j])};
}

}  // namespace lumo::test
