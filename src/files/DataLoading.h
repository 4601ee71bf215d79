#pragma once
// Reading data files into the slots of the data store.
//
// A slot changes only when its file has been read completely: a missing, malformed or
// oversized file leaves every slot exactly as it was.
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "files/DataFile.h"
#include "files/DataSet.h"

namespace lumo {

// Fills a slot from a parsed file: points, error-bar ends, the ranges rounded out to
// whole decades (with one spare decade each way) and their saved copies. The point range
// becomes the whole file, the scale factor 1 and the background 0. No display-scale
// conversion is applied.
void fillSlot(DataSet& set, const DataFileContents& contents, const std::string& path);

// Reads `path` into `slot` (linear values, not yet converted for the display).
std::optional<DataFileError> loadSlot(DataStore& store, int slot, const std::string& path,
                                      PointCount count);

// How the data sets of one file went into the slots: a file may hold more data sets
// (ORSO) than there are free slots; those beyond slot 4 are skipped.
struct SlotsFilled {
  int filled = 0;
  int skipped = 0;
};

// Fills slots firstSlot, firstSlot + 1, ... up to slot 4 with `sets` (linear values).
SlotsFilled fillSlots(DataStore& store, int firstSlot, const std::vector<DataFileContents>& sets,
                      const std::string& path);

// Reads every data set of `path` into the slots from `firstSlot` on; on failure no slot
// changes.
std::variant<SlotsFilled, DataFileError> loadSlots(DataStore& store, int firstSlot,
                                                   const std::string& path, PointCount count);

// What the user is told when a file held more data sets than there were free slots.
std::string skippedSetsMessage(const std::string& path, const SlotsFilled& slots);

// Rereads the files of slots 1..NumDataSets with their announced counts and converts
// them for the display. All files are read before any slot changes, so a failure leaves
// the store as it was.
std::optional<DataFileError> reloadAll(DataStore& store, bool logX, bool logY);

}  // namespace lumo
