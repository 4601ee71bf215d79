#include "converter/OpenData.h"

#include <cfloat>
#include <algorithm>
#include <cmath>
#include <variant>
#include <vector>

#include "converter/OrsoConversion.h"
#include "files/FileText.h"
#include "files/ModelFile.h"
#include "files/NumberText.h"
#include "files/PointRow.h"
#include "files/TextItemReader.h"

namespace lumo::converter {
namespace {

// Why a file is refused; caught once in parseConverterInput.
struct Refusal {
  std::string reason;
};

// What one file gave, committed to the working data only when the whole file was read.
struct Reading {
  int count = 0;                 // ConvNumPoints
  std::vector<float> q, r, dr;   // indices 1, 2, ... of the working arrays
  std::vector<float> dq;         // the resolution of Q, when the file gives it
  std::optional<std::string> title;
};

// The reason without the reader's "line N: " prefix.
std::string detailOf(const text::ReadError& e) {
  const std::string what = e.what();
  const size_t colon = what.find(": ");
  return colon == std::string::npos ? what : what.substr(colon + 2);
}

float single(double value, int line) {
  if (std::fabs(value) > FLT_MAX)
    throw text::ReadError(line, "the number " + text::shortestDouble(value) +
                                    " is too large for single precision");
  return static_cast<float>(value);
}

void addPoint(Reading& reading, double q, double r, double dr, int line) {
  reading.q.push_back(single(q, line));
  reading.r.push_back(single(r, line));
  reading.dr.push_back(single(dr, line));
}

void addPoint(Reading& reading, const text::PointRow& row) {
  addPoint(reading, row.q, row.r, row.dr, row.line);
}

std::string tooManyPoints() {
  return "the file holds more than " + std::to_string(kMaxConvPoints) +
         " points, the most the converter takes";
}

// Exactly `count` point lines; a file that ends first is refused as short.
void readAnnouncedPoints(text::TextItemReader& reader, Reading& reading, long count) {
  std::vector<double> row;
  for (long i = 0; i < count; ++i) {
    if (reader.atEnd())
      throw Refusal{"the file ends after " + std::to_string(i) + " of its " +
                    std::to_string(count) + " announced points"};
    addPoint(reading, text::readPointRow(reader, row));
  }
}

// Point lines until the end of the file.
void readPointsToEnd(text::TextItemReader& reader, Reading& reading) {
  std::vector<double> row;
  while (!reader.atEnd()) {
    if (reading.q.size() == static_cast<size_t>(kMaxConvPoints)) throw Refusal{tooManyPoints()};
    addPoint(reading, text::readPointRow(reader, row));
  }
  reading.count = static_cast<int>(reading.q.size());
}

long readCount(text::TextItemReader& reader) {
  const double value = reader.readNumber();
  if (value != std::floor(value) || value < 0)
    throw Refusal{"the point count " + text::shortestDouble(value) +
                  " is not a whole number of 0 or more"};
  if (value > kMaxConvPoints)
    throw Refusal{"the file announces " + text::shortestDouble(value) +
                  " points; the converter takes at most " + std::to_string(kMaxConvPoints)};
  return static_cast<long>(value);
}

std::string readHeaderItem(text::TextItemReader& reader, const char* what) {
  if (reader.atEnd()) throw Refusal{std::string("the file ends before ") + what};
  return reader.readString();
}

// Every item of the file with the line it starts on, as the ISIS and ILL layouts need.
struct Items {
  std::vector<std::string> text;
  std::vector<int> line;
};

Items readAllItems(text::TextItemReader& reader) {
  Items items;
  while (!reader.atEnd()) {
    if (items.text.size() == static_cast<size_t>(kMaxItems))
      throw Refusal{"the file holds more than " + std::to_string(kMaxItems) +
                    " items (lines, or comma-separated pieces of lines), the most the "
                    "converter takes"};
    items.line.push_back(reader.line());
    items.text.push_back(reader.readString());
  }
  return items;
}

// The numbers of data item `i` (a data line of an ISIS or ILL file).
const std::vector<double>& itemNumbers(const Items& items, size_t i, std::vector<double>& row) {
  const int line = items.line[i];
  if (items.text[i].find_first_not_of(" \t") == std::string::npos)
    throw text::ReadError(line, "a blank line stands among the data lines");
  try {
    text::TextItemReader reader(items.text[i]);
    reader.readNumberRow(row);
  } catch (const text::ReadError& e) {
    throw text::ReadError(line, detailOf(e));
  }
  return row;
}

Reading readISIS(text::TextItemReader& reader) {
  const Items items = readAllItems(reader);
  constexpr size_t kHeaderItems = 9;
  if (items.text.size() <= kHeaderItems)
    throw Refusal{"an ISIS file holds nine header lines and then one line per bin boundary; "
                  "this one holds only " + std::to_string(items.text.size()) +
                  (items.text.size() == 1 ? " item" : " items")};
  Reading reading;
  reading.count = static_cast<int>(items.text.size()) - 10;
  reading.title = items.text[0];
  // Items 10..K hold the N + 1 boundaries of N bins with the counts and errors.
  std::vector<double> row;
  for (size_t i = kHeaderItems; i < items.text.size(); ++i)
    addPoint(reading, text::pointRowOf(itemNumbers(items, i, row), items.line[i]));
  for (size_t i = 0; i < static_cast<size_t>(reading.count); ++i)
    reading.q[i] = (reading.q[i + 1] + reading.q[i]) / 2;
  for (float q : reading.q)
    if (!std::isfinite(q)) throw Refusal{"a bin centre is too large for single precision"};
  return reading;
}

Reading readILL(text::TextItemReader& reader) {
  const Items items = readAllItems(reader);
  if (items.text.size() < 2)
    throw Refusal{"an ILL file starts with a title line and a second header line"};
  Reading reading;
  reading.count = static_cast<int>(items.text.size()) - 2;
  reading.title = items.text[0];
  // Nine numbers a point: Q in column 2, reflectivity in 7, its error in 8.
  std::vector<double> row;
  for (size_t i = 2; i < items.text.size(); ++i) {
    const std::vector<double>& column = itemNumbers(items, i, row);
    if (column.size() != 9)
      throw text::ReadError(items.line[i], "an ILL data line holds nine numbers; this one holds " +
                                               std::to_string(column.size()));
    addPoint(reading, column[1], column[6], column[7], items.line[i]);
  }
  return reading;
}

Reading readDRYDOC(text::TextItemReader& reader) {
  Reading reading;
  reading.count = static_cast<int>(readCount(reader));
  readAnnouncedPoints(reader, reading, reading.count);
  // A file that lost its title line still gives its points, with an empty title.
  reading.title = reader.atEnd() ? std::string() : reader.readString();
  return reading;
}

Reading readLUMO(text::TextItemReader& reader) {
  Reading reading;
  readHeaderItem(reader, "its format word");
  reading.title = readHeaderItem(reader, "its title");
  readHeaderItem(reader, "its scattering length density");
  reading.count = static_cast<int>(readCount(reader));
  readAnnouncedPoints(reader, reading, reading.count);
  return reading;
}

// The calculated curve of a model file: Q and R of each curve line there is (a model
// saved on a trimmed point range holds fewer lines than its count), with a tiny error,
// as a calculated curve carries none.
Reading readFit(std::string_view text) {
  ModelFileResult result = parseModelFile(text, "");
  if (const auto* error = std::get_if<ModelFileError>(&result)) throw Refusal{error->detail};
  const ModelCurve& curve = std::get<ModelFileContents>(result).curve;
  if (!curve.problem.empty()) throw Refusal{curve.problem};
  if (curve.points.size() > static_cast<size_t>(kMaxConvPoints)) throw Refusal{tooManyPoints()};
  Reading reading;
  for (const ModelCurvePoint& p : curve.points) {
    reading.q.push_back(single(p.q, p.line));
    reading.r.push_back(single(p.r, p.line));
    reading.dr.push_back(1e-8f);
  }
  reading.count = static_cast<int>(curve.points.size());
  reading.title = std::string();
  return reading;
}

Reading readGO(text::TextItemReader& reader) {
  for (int i = 0; i < 4; ++i) readHeaderItem(reader, "its four header lines");
  Reading reading;
  readPointsToEnd(reader, reading);
  reading.title = std::string("Title?");
  return reading;
}

Reading readORSO(std::string_view text) {
  auto input = readOrsoInput(text);
  if (auto* reason = std::get_if<std::string>(&input)) throw Refusal{*reason};
  OrsoReading& orso = std::get<OrsoReading>(input);
  Reading reading;
  reading.count = static_cast<int>(orso.q.size());
  reading.q = std::move(orso.q);
  reading.r = std::move(orso.r);
  reading.dr = std::move(orso.dr);
  reading.dq = std::move(orso.dq);
  if (!orso.title.empty()) reading.title = orso.title;
  return reading;
}

Reading readFormat(std::string_view text, InputFormat format) {
  text::TextItemReader reader(text);
  switch (format) {
    case InputFormat::ISISData: return readISIS(reader);
    case InputFormat::NISTData: {
      Reading reading;
      readPointsToEnd(reader, reading);
      return reading;
    }
    case InputFormat::ILLData: return readILL(reader);
    case InputFormat::DRYDOCData: return readDRYDOC(reader);
    case InputFormat::LUMOData: return readLUMO(reader);
    case InputFormat::LumoFit: return readFit(text);
    case InputFormat::GoData: return readGO(reader);
    case InputFormat::ORSOData: return readORSO(text);
    case InputFormat::UserDefinedData: break;
  }
  return {};
}

void commit(const Reading& reading, bool keepTitle, ConvData& data) {
  for (size_t i = 0; i < reading.q.size(); ++i) {
    data.ConvQ[i + 1] = reading.q[i];
    data.ConvR[i + 1] = reading.r[i];
    data.ConvdR[i + 1] = reading.dr[i];
  }
  data.ConvNumPoints = reading.count;
  data.ConvHasdQ = !reading.dq.empty();
  for (size_t i = 0; i < reading.dq.size(); ++i) data.ConvdQ[i + 1] = reading.dq[i];
  if (reading.title && !keepTitle) data.ConvTitle = *reading.title;
}

}  // namespace

std::optional<std::string> parseConverterInput(std::string_view text, const OpenOptions& options,
                                               ConvData& data) {
  if (options.format == InputFormat::UserDefinedData) return std::nullopt;
  try {
    commit(readFormat(text, options.format), options.keepTitle, data);
  } catch (const Refusal& refusal) {
    return refusal.reason;
  } catch (const text::ReadError& e) {
    return std::string(e.what());
  }
  return std::nullopt;
}

std::optional<std::string> OpenData(const std::string& path, const OpenOptions& options,
                                    ConvData& data) {
  if (options.format == InputFormat::UserDefinedData) return std::nullopt;
  const text::FileContents file = text::readTextFile(path);
  if (file.status == text::ReadStatus::CannotOpen)
    return std::string("the file does not exist or cannot be read");
  if (file.status == text::ReadStatus::TooLarge)
    return std::string("the file is far too large for a reflectivity file");
  auto refusal = parseConverterInput(file.text, options, data);
  if (!refusal) data.sourcePath = path;
  return refusal;
}

}  // namespace lumo::converter
