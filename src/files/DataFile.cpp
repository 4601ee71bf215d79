#include "files/DataFile.h"

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <cmath>

#include "files/FileText.h"
#include "files/NumberText.h"
#include "files/OrsoFormat.h"
#include "files/OrsoReader.h"
#include "files/PointRow.h"
#include "files/PrintableText.h"
#include "files/TextItemReader.h"

namespace lumo {
namespace {

std::string upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}

DataFileError wrongFormat(const std::string& path, const std::string& detail) {
  return {DataFileError::Kind::WrongFormat, path, detail};
}

// One point line. Values beyond single precision are refused: the plot ranges are
// single, and R ± dR of such values may overflow, which would make an error-bar end
// infinite and the point's chi-squared term silently zero.
DataPoint readPoint(text::TextItemReader& reader, std::vector<double>& scratch) {
  const text::PointRow row = text::readPointRow(reader, scratch);
  for (const double value : {row.q, row.r, row.dr})
    if (std::fabs(value) > FLT_MAX)
      throw text::ReadError(row.line, "the value " + text::shortestDouble(value) +
                                          " is beyond the range the program can draw and fit "
                                          "(magnitudes up to 3.4E+38)");
  return {row.q, row.r, row.dr};
}

std::string tooMany() {
  return "the file holds more than " + std::to_string(kMaxPoints) + " points";
}

}  // namespace

std::string DataFileError::headline() const {
  return kind == Kind::CannotOpen ? "Error Opening File!" : "File Not In Correct Format!";
}

std::string DataFileError::message() const {
  return headline() + "\n\n" + text::printable(path) + "\n" + detail;
}

DataFileResult parseDataFile(std::string_view text, PointCount count, const std::string& path) {
  text::TextItemReader reader(text);
  DataFileContents contents;
  std::vector<double> row;
  try {
    if (reader.atEnd()) return wrongFormat(path, "the file is empty");
    const std::string marker = reader.readString();
    if (upper(marker) != "LUMO")
      return wrongFormat(path, "it does not start with the marker \"LUMO\"");
    contents.title = reader.readString();
    contents.solventSLD = reader.readNumber();
    const double announced = reader.readNumber();
    contents.announcedCount = static_cast<long>(std::clamp(announced, -1e9, 1e9));
    if (count == PointCount::AsAnnounced) {
      if (announced != static_cast<double>(contents.announcedCount) || announced < 1)
        return wrongFormat(path, "line " + std::to_string(reader.line()) +
                                     ": the point count is not a positive whole number");
      if (announced > kMaxPoints) return wrongFormat(path, tooMany());
      for (long i = 0; i < contents.announcedCount; ++i)
        contents.points.push_back(readPoint(reader, row));
    } else {
      // The first point is always read; then points follow until the end of the file.
      do {
        if (static_cast<int>(contents.points.size()) == kMaxPoints) return wrongFormat(path, tooMany());
        contents.points.push_back(readPoint(reader, row));
      } while (!reader.atEnd());
    }
  } catch (const text::ReadError& e) {
    return wrongFormat(path, e.what());
  }
  return contents;
}

DataFileSetsResult parseDataFileSets(std::string_view text, PointCount count, const std::string& path) {
  if (orso::looksLikeOrso(text)) return parseOrsoFile(text, path);
  DataFileResult one = parseDataFile(text, count, path);
  if (auto* error = std::get_if<DataFileError>(&one)) return *error;
  return std::vector<DataFileContents>{std::move(std::get<DataFileContents>(one))};
}

DataFileSetsResult readDataFileSets(const std::string& path, PointCount count) {
  const text::FileContents file = text::readTextFile(path);
  if (file.status == text::ReadStatus::CannotOpen)
    return DataFileError{DataFileError::Kind::CannotOpen, path,
                         "the file does not exist or cannot be read"};
  if (file.status == text::ReadStatus::TooLarge)
    return wrongFormat(path, "the file is far too large for a data file");
  return parseDataFileSets(file.text, count, path);
}

DataFileResult readDataFile(const std::string& path, PointCount count) {
  DataFileSetsResult sets = readDataFileSets(path, count);
  if (auto* error = std::get_if<DataFileError>(&sets)) return *error;
  return std::move(std::get<std::vector<DataFileContents>>(sets).front());
}

}  // namespace lumo
