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
  set.SolventFromFile = contents.solventKnown;
  set.DataFileEntry = contents.entry;
  set.NumPoints = static_cast<int>(contents.points.size());
  set.HasQResolution = contents.resolution.size() == contents.points.size() && set.NumPoints > 0;
  for (int pt = 1; pt <= set.NumPoints; ++pt) {
    const size_t i = static_cast<size_t>(pt - 1);
    const DataPoint& p = contents.points[i];
    set.DataQ[pt] = p.q;
    set.DataR[pt] = p.r;
    set.DataErr[pt] = p.dr;
    set.ErrUpper[pt] = p.r + p.dr;
    set.ErrLower[pt] = p.r - p.dr;
    set.DataQResolution[pt] = set.HasQResolution ? contents.resolution[i] : 0.0;
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

SlotsFilled fillSlots(DataStore& store, int firstSlot, const std::vector<DataFileContents>& sets,
                      const std::string& path) {
  SlotsFilled slots;
  for (const DataFileContents& set : sets) {
    if (firstSlot + slots.filled > kMaxDataSets) {
      ++slots.skipped;
      continue;
    }
    fillSlot(store[firstSlot + slots.filled], set, path);
    ++slots.filled;
  }
  return slots;
}

std::variant<SlotsFilled, DataFileError> loadSlots(DataStore& store, int firstSlot,
                                                   const std::string& path, PointCount count) {
  DataFileSetsResult result = readDataFileSets(path, count);
  if (auto* error = std::get_if<DataFileError>(&result)) return *error;
  return fillSlots(store, firstSlot, std::get<std::vector<DataFileContents>>(result), path);
}

std::string skippedSetsMessage(const std::string& path, const SlotsFilled& slots) {
  const int total = slots.filled + slots.skipped;
  return path + "\n\nThe file holds " + std::to_string(total) + " data sets; " +
         std::to_string(slots.skipped) + (slots.skipped == 1 ? " was" : " were") +
         " not loaded, as at most " + std::to_string(kMaxDataSets) + " data sets are open at once.";
}

std::optional<DataFileError> reloadAll(DataStore& store, bool logX, bool logY) {
  std::array<DataFileContents, kMaxDataSets + 1> contents;
  for (int i = 1; i <= store.NumDataSets; ++i) {
    const std::string& path = store[i].DataFileName;
    DataFileSetsResult result = readDataFileSets(path, PointCount::AsAnnounced);
    if (auto* error = std::get_if<DataFileError>(&result)) return *error;
    auto& sets = std::get<std::vector<DataFileContents>>(result);
    // A slot holds one data set of its file; the file may have lost it since.
    const auto entry = static_cast<size_t>(store[i].DataFileEntry);
    if (entry >= sets.size())
      return DataFileError{DataFileError::Kind::WrongFormat, path,
                           "the file no longer holds data set " + std::to_string(entry + 1)};
    contents[static_cast<size_t>(i)] = std::move(sets[entry]);
  }
  for (int i = 1; i <= store.NumDataSets; ++i) {
    const std::string path = store[i].DataFileName;
    fillSlot(store[i], contents[static_cast<size_t>(i)], path);
    convertForDisplay(store[i], logX, logY);
  }
  return std::nullopt;
}

}  // namespace lumo
