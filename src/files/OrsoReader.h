#pragma once
// Reads ORSO reflectivity files (".ort") into the same contents as the program's own data
// files: every data set of the file in order, Q in Å^-1, R as a fraction, dR and the
// resolution of Q (when the file gives it) as standard deviations.
//
// The header is YAML behind "# "; a data set after the first starts with a header line
// after data lines (in practice "# data_set: ...") and carries only what differs from the
// first data set's header. Comment lines among the data ("# # ...") are skipped. Every
// data line holds exactly as many blank-separated numbers as the header has columns.
// The title is the sample's name, followed by the data set's name when the file holds
// several, or the file's name when there is no sample name. ORSO files carry no solvent
// SLD, so the contents say that it is unknown.
#include <string>
#include <string_view>

#include "files/DataFile.h"

namespace lumo {

// `maxPoints` bounds every data set (the main window's slots hold 512 points, the
// converter 1024). `path` names the file in errors and gives the fallback title.
DataFileSetsResult parseOrsoFile(std::string_view text, const std::string& path,
                                 int maxPoints = kMaxPoints);

}  // namespace lumo
