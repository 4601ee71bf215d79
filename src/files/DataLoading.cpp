#include "files/DataLoading.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <variant>

#include "files/DisplayScale.h"

namespace lumo {
namespace {

// Widens a positive range value to the decade above (up) or below (down) the decade
// that holds it.
float decadeAbove(float v) { return static_cast<float>(std::pow(10.0, std::floor(std::log10(v)) + 1)); }
float decadeBelow(float v) { return static_cast<float>(std::pow(10.0, std::floor(std::log10(v)) - 1)); }

void computeRanges(DataSet& set) {
  const auto r1 = static_cast<float>(set.DataR[1]);
  const auto q1 = static_cast<float>(set.DataQ[1]);
  set.YMax = r1;
  set.YMin = r1 <= 0 ? 1.0f : r1;
  // A negative Q is no angle of reflection, so it never becomes the minimum to which the
  // display moves the points with Q <= 0 (and at which they are calculated): the smallest
  // positive Q does, or 0 when there is none. A first Q of 0 stays the minimum.
  set.XMax = q1;
  set.XMin = std::max(q1, 0.0f);
  bool minFromData = q1 >= 0;
  for (int pt = 2; pt <= set.NumPoints; ++pt) {
    const auto r = static_cast<float>(set.DataR[pt]);
    const auto q = static_cast<float>(set.DataQ[pt]);
    if (r > set.YMax) set.YMax = r;
    if (r < set.YMin && r > 0) set.YMin = r;
    if (q > set.XMax) set.XMax = q;
    if (q > 0 && (q < set.XMin || !minFromData)) {
      set.XMin = q;
      minFromData = true;
    }
  }
  // With no positive R at all the top has no decade of its own; it takes the bottom's.
  if (set.YMax <= 0) set.YMax = set.YMin;
  set.YMax = decadeAbove(set.YMax);
  set.YMin = decadeBelow(set.YMin);
  set.XMinSaved = set.XMin;
  set.XMaxSaved = set.XMax;
  set.YMinSaved = set.YMin;
  set.YMaxSaved = set.YMax;
}

}  // namespace

void fillSlot(DataSet& set, const DataFileContents& contents, const std::string& path) {
  set.DataFileName = path;
  set.DataTitle = contents.title;
  set.FileSolventSLD = contents.solventSLD;
  set.NumPoints = static_cast<int>(contents.points.size());
  for (int pt = 1; pt <= set.NumPoints; ++pt) {
    const DataPoint& p = contents.points[static_cast<size_t>(pt - 1)];
    set.DataQ[pt] = p.q;
    set.DataR[pt] = p.r;
    set.DataErr[pt] = p.dr;
    set.ErrUpper[pt] = p.r + p.dr;
    set.ErrLower[pt] = p.r - p.dr;
  }
  computeRanges(set);
  set.DataFirst = 1;
  set.DataLast = set.NumPoints;
  set.ScaleFactor = 1.0f;
  set.Background = 0.0f;
}

std::optional<DataFileError> loadSlot(DataStore& store, int slot, const std::string& path,
                                      PointCount count) {
  DataFileResult result = readDataFile(path, count);
  if (auto* error = std::get_if<DataFileError>(&result)) return *error;
  fillSlot(store[slot], std::get<DataFileContents>(result), path);
  return std::nullopt;
}

std::optional<DataFileError> reloadAll(DataStore& store, bool logX, bool logY) {
  std::array<DataFileContents, kMaxDataSets + 1> contents;
  for (int i = 1; i <= store.NumDataSets; ++i) {
    DataFileResult result = readDataFile(store[i].DataFileName, PointCount::AsAnnounced);
    if (auto* error = std::get_if<DataFileError>(&result)) return *error;
    contents[static_cast<size_t>(i)] = std::move(std::get<DataFileContents>(result));
  }
  for (int i = 1; i <= store.NumDataSets; ++i) {
    const std::string path = store[i].DataFileName;
    fillSlot(store[i], contents[static_cast<size_t>(i)], path);
    convertForDisplay(store[i], logX, logY);
  }
  return std::nullopt;
}

}  // namespace lumo
