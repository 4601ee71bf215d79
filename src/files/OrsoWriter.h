#pragma once
// Writes ORSO 1.0 reflectivity text files: the first line the format requires, a YAML
// header (behind "# ") with what the program knows of the data, and the columns Qz
// (1/angstrom), R, sR and, when known, sQz (both as standard deviations), every value in
// full precision: the shortest text that reads back as the same value. What the program
// cannot know (owner, instrument, date of the measurement, angles) is written as null.
#include <chrono>
#include <string>
#include <vector>

namespace lumo::orso {

struct Provenance {
  std::string title;         // the data's title, written as the sample's name
  std::string sourceFile;    // name of the file the data came from
  std::string sourceFormat;  // its format, e.g. "NIST Data"
  std::string timestamp;     // time of writing, ISO 8601
};

struct Columns {
  std::vector<double> q, r, dr;
  std::vector<double> dq;        // empty when the resolution is not known
  bool singlePrecision = false;  // values held in single precision: written as such
};

// The whole file, with CR LF line ends.
std::string fileText(const Provenance& provenance, const Columns& columns);

// Local time with its offset from UTC, e.g. "2024-05-01T10:00:00+02:00".
std::string isoTimestamp(std::chrono::system_clock::time_point time);

// The program's name and version, as the header names the reduction software.
inline constexpr const char* kSoftwareName = "Lumo";
const char* programVersion();

}  // namespace lumo::orso
