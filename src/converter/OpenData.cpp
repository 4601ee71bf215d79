#include "converter/OpenData.h"

#include <cfloat>
#include <algorithm>
#include <cmath>
#include <vector>

#include "files/FileText.h"
#include "files/NumberText.h"
#include "files/TextItemReader.h"
#include "model/LayerModel.h"

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
  std::optional<std::string> title;
};

// The reason without the reader's "line N: " prefix.
std::string detailOf(const text::ReadError& e) {
  const std::string what = e.what();
  const size_t colon = what.find(": ");
  return colon == std::string::npos ? what : what.substr(colon + 2);
}

float single(double value) {
  if (std::fabs(value) > FLT_MAX)
    throw Refusal{"the number " + text::shortestDouble(value) +
                  " is too large for single precision"};
  return static_cast<float>(value);
}

void readTriple(text::TextItemReader& reader, Reading& reading) {
  const double q = reader.readNumber();
  const double r = reader.readNumber();
  const double dr = reader.readNumber();
  reading.q.push_back(single(q));
  reading.r.push_back(single(r));
  reading.dr.push_back(single(dr));
}

std::string tooManyPoints() {
  return "the file holds more than " + std::to_string(kMaxConvPoints) +
         " points, the most the converter takes";
}

// Exactly `count` triples; a file that ends first is refused as short.
void readAnnouncedTriples(text::TextItemReader& reader, Reading& reading, long count) {
  for (long i = 0; i < count; ++i) {
    try {
      readTriple(reader, reading);
    } catch (const text::ReadError&) {
      if (!reader.atEnd()) throw;
      throw Refusal{"the file ends after " + std::to_string(i) + " of its " +
                    std::to_string(count) + " announced points"};
    }
  }
}

// Triples until the end of the file.
void readTriplesToEnd(text::TextItemReader& reader, Reading& reading) {
  while (!reader.atEnd()) {
    if (reading.q.size() == static_cast<size_t>(kMaxConvPoints)) throw Refusal{tooManyPoints()};
    readTriple(reader, reading);
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

// Every item of the file, as the ISIS and ILL layouts need them.
std::vector<std::string> readAllItems(text::TextItemReader& reader) {
  std::vector<std::string> items;
  while (!reader.atEnd()) {
    if (items.size() == static_cast<size_t>(kMaxItems))
      throw Refusal{"the file holds more than " + std::to_string(kMaxItems) +
                    " items (lines, or comma-separated pieces of lines), the most the "
                    "converter takes"};
    items.push_back(reader.readString());
  }
  return items;
}

// Items first..last (0-based), one per line, exactly as read: the text that the numbers
// of ISIS and ILL files are read from.
std::string itemLines(const std::vector<std::string>& items, size_t first, size_t last) {
  std::string text;
  for (size_t i = first; i <= last && i < items.size(); ++i) text.append(items[i]).append("\r\n");
  return text;
}

// Reads `count` records from the item lines, refusing with the number of the item at fault.
template <typename ReadRecord>
void readItemRecords(const std::string& lines, size_t firstItem, long count, ReadRecord readRecord) {
  text::TextItemReader reader(lines);
  try {
    for (long i = 0; i < count; ++i) readRecord(reader);
  } catch (const text::ReadError& e) {
    if (reader.atEnd())
      throw Refusal{"the data lines hold fewer numbers than " + std::to_string(count) +
                    " records need"};
    throw Refusal{"item " + std::to_string(static_cast<size_t>(e.line()) + firstItem) + ": " +
                  detailOf(e)};
  }
}

Reading readISIS(text::TextItemReader& reader) {
  const std::vector<std::string> items = readAllItems(reader);
  constexpr size_t kHeaderItems = 9;
  if (items.size() <= kHeaderItems)
    throw Refusal{"an ISIS file holds nine header lines and then one line per bin boundary; "
                  "this one holds only " + std::to_string(items.size()) +
                  (items.size() == 1 ? " item" : " items")};
  Reading reading;
  reading.count = static_cast<int>(items.size()) - 10;
  reading.title = items[0];
  // Items 10..K hold the N + 1 boundaries of N bins with the counts and errors.
  readItemRecords(itemLines(items, kHeaderItems, items.size() - 1), kHeaderItems,
                  reading.count + 1, [&](text::TextItemReader& r) { readTriple(r, reading); });
  for (size_t i = 0; i < static_cast<size_t>(reading.count); ++i)
    reading.q[i] = (reading.q[i + 1] + reading.q[i]) / 2;
  for (float q : reading.q)
    if (!std::isfinite(q)) throw Refusal{"a bin centre is too large for single precision"};
  return reading;
}

Reading readILL(text::TextItemReader& reader) {
  const std::vector<std::string> items = readAllItems(reader);
  if (items.size() < 2)
    throw Refusal{"an ILL file starts with a title line and a second header line"};
  Reading reading;
  reading.count = static_cast<int>(items.size()) - 2;
  reading.title = items[0];
  // Nine numbers a point: Q in column 2, reflectivity in 7, its error in 8.
  readItemRecords(itemLines(items, 2, items.size() - 1), 2, reading.count,
                  [&](text::TextItemReader& r) {
                    double column[10];
                    for (int c = 1; c <= 9; ++c) column[c] = r.readNumber();
                    reading.q.push_back(single(column[2]));
                    reading.r.push_back(single(column[7]));
                    reading.dr.push_back(single(column[8]));
                  });
  return reading;
}

Reading readDRYDOC(text::TextItemReader& reader) {
  Reading reading;
  reading.count = static_cast<int>(readCount(reader));
  readAnnouncedTriples(reader, reading, reading.count);
  reading.title = readHeaderItem(reader, "its title line");
  return reading;
}

Reading readLUMO(text::TextItemReader& reader) {
  Reading reading;
  readHeaderItem(reader, "its format word");
  reading.title = readHeaderItem(reader, "its title");
  readHeaderItem(reader, "its scattering length density");
  reading.count = static_cast<int>(readCount(reader));
  readAnnouncedTriples(reader, reading, reading.count);
  return reading;
}

// The numbers of one curve line, blank-separated.
std::vector<double> rowNumbers(const std::string& row, const text::TextItemReader& reader) {
  std::vector<double> numbers;
  size_t pos = 0;
  while (pos < row.size()) {
    const size_t start = row.find_first_not_of(" \t", pos);
    if (start == std::string::npos) break;
    pos = std::min(row.find_first_of(" \t", start), row.size());
    double value = 0;
    if (!text::parseDecimal(std::string_view(row).substr(start, pos - start), value))
      throw Refusal{"line " + std::to_string(std::max(1, reader.line() - 1)) +
                    ": expected a number, found \"" + row.substr(start, pos - start) + "\""};
    numbers.push_back(value);
  }
  return numbers;
}

// The curve of a model file, one point a line: Q and the calculated R, optionally
// followed by the measured R and its error, which are not taken. Reading the lines
// (rather than the numbers two at a time) keeps the points whole when the measured
// data were saved as well.
void readFitCurve(text::TextItemReader& reader, Reading& reading) {
  while (reading.q.size() < static_cast<size_t>(reading.count)) {
    if (reader.atEnd())
      throw Refusal{"the file ends after " + std::to_string(reading.q.size()) + " of its " +
                    std::to_string(reading.count) + " announced points"};
    const std::vector<double> numbers = rowNumbers(reader.readString(), reader);
    if (numbers.empty()) continue;
    if (numbers.size() != 2 && numbers.size() != 4)
      throw Refusal{"line " + std::to_string(std::max(1, reader.line() - 1)) +
                    ": a curve line holds Q and R, or Q, R, the measured R and its error; "
                    "this one holds " + std::to_string(numbers.size()) + " numbers"};
    reading.q.push_back(single(numbers[0]));
    reading.r.push_back(single(numbers[1]));
    reading.dr.push_back(1e-8f);  // a calculated curve carries no error
  }
}

Reading readFit(text::TextItemReader& reader) {
  const long layers = reader.readInteger(1, kMaxLayers);
  readHeaderItem(reader, "the roughness of the top interface");
  for (long i = 0; i < 4 * layers; ++i) reader.readNumber();
  Reading reading;
  reading.count = static_cast<int>(readCount(reader));
  readFitCurve(reader, reading);
  reading.title = std::string();
  return reading;
}

Reading readGO(text::TextItemReader& reader) {
  for (int i = 0; i < 4; ++i) readHeaderItem(reader, "its four header lines");
  Reading reading;
  readTriplesToEnd(reader, reading);
  reading.title = std::string("Title?");
  return reading;
}

Reading readFormat(std::string_view text, InputFormat format) {
  text::TextItemReader reader(text);
  switch (format) {
    case InputFormat::ISISData: return readISIS(reader);
    case InputFormat::NISTData: {
      Reading reading;
      readTriplesToEnd(reader, reading);
      return reading;
    }
    case InputFormat::ILLData: return readILL(reader);
    case InputFormat::DRYDOCData: return readDRYDOC(reader);
    case InputFormat::LUMOData: return readLUMO(reader);
    case InputFormat::LumoFit: return readFit(reader);
    case InputFormat::GoData: return readGO(reader);
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
