#pragma once
// The program's own data-file format (".VLD" measured, ".VLB" after background
// subtraction or scaling): the marker "LUMO", a title, the solvent SLD of the
// measurement (10^-6 Å^-2), a point count, then one (Q, R, dR) triple per point.
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "files/DataSet.h"

namespace lumo {

struct DataPoint {
  double q = 0, r = 0, dr = 0;
};

struct DataFileContents {
  std::string title;
  double solventSLD = 0.0;
  // False for files that carry no solvent SLD (ORSO files): the contrast keeps its own.
  bool solventKnown = true;
  long announcedCount = 0;
  std::vector<DataPoint> points;
  // The resolution of each point's Q (standard deviation, Å^-1) when the file gives it
  // (the sQz column of an ORSO file); empty otherwise.
  std::vector<double> resolution;
  int entry = 0;  // which data set of its file this is; ORSO files may hold several
};

// How many triples a reader takes: the opening of files reads until the end of the
// file; reloading and adding one file read exactly the announced count.
enum class PointCount { UntilEnd, AsAnnounced };

// Why a data file could not be loaded. The message carries the program's own text
// ("Error Opening File!", "File Not In Correct Format!") followed by the file and the
// reason.
struct DataFileError {
  enum class Kind { CannotOpen, WrongFormat };
  Kind kind = Kind::WrongFormat;
  std::string path;
  std::string detail;

  std::string headline() const;  // the program's message text
  std::string message() const;   // headline, file and reason
};

using DataFileResult = std::variant<DataFileContents, DataFileError>;

// Parses the text of a data file; `path` only names the file in errors.
DataFileResult parseDataFile(std::string_view text, PointCount count, const std::string& path);

// Every data set of a data file: the program's own format holds one, an ORSO file (known
// by its first line) one or more. `count` applies to the own format only.
using DataFileSetsResult = std::variant<std::vector<DataFileContents>, DataFileError>;
DataFileSetsResult parseDataFileSets(std::string_view text, PointCount count, const std::string& path);
DataFileSetsResult readDataFileSets(const std::string& path, PointCount count);

// The first data set of a data file in either format.
DataFileResult readDataFile(const std::string& path, PointCount count);

}  // namespace lumo
