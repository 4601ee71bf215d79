#include "files/DataFile.h"

#include <algorithm>
#include <cctype>

#include "files/FileText.h"
#include "files/OrsoFormat.h"
#include "files/OrsoReader.h"
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

DataPoint readTriple(text::TextItemReader& reader) {
  DataPoint p;
  p.q = reader.readNumber();
  p.r = reader.readNumber();
  p.dr = reader.readNumber();
  return p;
}

std::string tooMany() {
  return "the file holds more than " + std::to_string(kMaxPoints) + " points";
}

}  // namespace

std::string DataFileError::headline() const {
  return kind == Kind::CannotOpen ? "Error Opening File!" : "File Not In Correct Format!";
}

std::string DataFileError::message() const {
  return headline() + "\n\n" + path + "\n" + detail;
}

DataFileResult parseDataFile(std::string_view text, PointCount count, const std::string& path) {
  text::TextItemReader reader(text);
  DataFileContents contents;
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
      for (long i = 0; i < contents.announcedCount; ++i) contents.points.push_back(readTriple(reader));
    } else {
      // The first triple is always read; then triples follow until the end of the file.
      do {
        if (static_cast<int>(contents.points.size()) == kMaxPoints) return wrongFormat(path, tooMany());
        contents.points.push_back(readTriple(reader));
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
