#include "files/OrsoReader.h"

#include <cmath>
#include <filesystem>
#include <vector>

#include "files/OrsoFormat.h"
#include "files/OrsoHeader.h"
#include "files/TextItemReader.h"

namespace lumo {
namespace {

using orso::Refusal;

struct Row {
  int line;
  std::string_view text;
};

// The lines of one data set: its header without the leading "# ", and its data lines.
struct RawSet {
  std::string header;
  std::vector<int> headerLines;  // the file's line number of each header line
  std::vector<Row> rows;
};

std::string lineText(int line) { return "line " + std::to_string(line) + ": "; }

// Calls `take(line, text)` for every line; lines end in LF, CR LF or CR.
template <typename Take>
void forEachLine(std::string_view text, Take take) {
  int line = 1;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    take(line++, text.substr(pos, end - pos));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    pos = end + 1;
  }
}

// A header line that opens a YAML key, rather than a comment or an empty line.
bool opensKey(std::string_view content) {
  const size_t first = content.find_first_not_of(" \t");
  return first != std::string_view::npos && content[first] != '#';
}

// The YAML library reads about a megabyte a second: headers are held to a size far above
// any reflectivity file's (a few kilobytes) and far below one that freezes the program.
constexpr size_t kMaxHeaderBytes = 256 * 1024;

// Splits the file into data sets: a header line after data lines starts the next one.
std::vector<RawSet> splitSets(std::string_view text, int maxPoints) {
  std::vector<RawSet> sets(1);
  size_t headerBytes = 0;
  forEachLine(text, [&](int line, std::string_view s) {
    if (!s.empty() && s[0] == '#') {
      std::string_view content = s.substr(1);
      if (!content.empty() && content[0] == ' ') content.remove_prefix(1);
      if (!sets.back().rows.empty()) {
        if (!opensKey(content)) return;  // a comment among the data
        sets.emplace_back();
      }
      headerBytes += content.size() + 1;
      if (headerBytes > kMaxHeaderBytes)
        throw Refusal{lineText(line) + "the header runs past " + std::to_string(kMaxHeaderBytes / 1024) +
                      " KB, far more than a reflectivity file needs"};
      sets.back().header.append(content).append("\n");
      sets.back().headerLines.push_back(line);
    } else if (s.find_first_not_of(" \t") != std::string_view::npos) {
      if (static_cast<int>(sets.back().rows.size()) == maxPoints)
        throw Refusal{"data set " + std::to_string(sets.size()) + " holds more than " +
                      std::to_string(maxPoints) + " points"};
      sets.back().rows.push_back({line, s});
    }
  });
  return sets;
}

YAML::Node loadHeader(const RawSet& set) {
  try {
    return YAML::Load(set.header);
  } catch (const YAML::Exception& e) {
    const bool located = !e.mark.is_null() && e.mark.line >= 0 &&
                         static_cast<size_t>(e.mark.line) < set.headerLines.size();
    throw Refusal{(located ? lineText(set.headerLines[static_cast<size_t>(e.mark.line)]) : "") +
                  "the header is not valid YAML (" + e.msg + ")"};
  }
}

// The numbers of one data line, exactly as many as the header has columns.
void readRow(const Row& row, int columns, std::vector<double>& values) {
  values.clear();
  text::TextItemReader reader(row.text);
  try {
    while (!reader.atEnd()) {
      if (static_cast<int>(values.size()) == columns) break;
      values.push_back(reader.readNumber());
    }
  } catch (const text::ReadError& e) {
    const std::string what = e.what();
    throw Refusal{lineText(row.line) + what.substr(lineText(e.line()).size())};
  }
  if (static_cast<int>(values.size()) != columns || !reader.atEnd())
    throw Refusal{lineText(row.line) + "the line does not hold " + std::to_string(columns) +
                  " numbers, one for each column of the header"};
}

// Blanks for line ends and other control characters: a title stays one line.
std::string oneLine(std::string text) {
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == '\x7f') c = ' ';
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string titleOf(const orso::Layout& layout, size_t index, size_t sets, const std::string& path) {
  std::string title = oneLine(layout.sampleName);
  if (title.empty()) title = std::filesystem::path(path).stem().string();
  if (sets > 1) {
    const std::string name = oneLine(layout.setName);
    title += " (" + (name.empty() ? std::to_string(index + 1) : name) + ")";
  }
  return title;
}

// A value in the reader's units. A result too small for a normal double becomes 0, as
// the number reader makes of numbers too small to hold, so that it reads back the same.
double scaled(double value, double factor) {
  const double v = value * factor;
  return std::fpclassify(v) == FP_SUBNORMAL ? 0.0 : v;
}

DataFileContents contentsOf(const RawSet& set, const orso::Layout& layout) {
  DataFileContents contents;
  contents.solventKnown = false;
  std::vector<double> v;
  for (const Row& row : set.rows) {
    readRow(row, layout.columns, v);
    const auto at = [&v](int column) { return v[static_cast<size_t>(column)]; };
    contents.points.push_back({scaled(at(layout.q), layout.qScale), at(layout.r), scaled(at(layout.dr), layout.drScale)});
    if (layout.dq >= 0) contents.resolution.push_back(scaled(at(layout.dq), layout.dqScale));
  }
  contents.announcedCount = static_cast<long>(contents.points.size());
  return contents;
}

std::vector<DataFileContents> readSets(std::string_view text, const std::string& path, int maxPoints) {
  const std::vector<RawSet> raw = splitSets(text, maxPoints);
  if (raw.front().rows.empty()) throw Refusal{"the file holds no data lines"};
  std::vector<YAML::Node> headers;
  for (const RawSet& set : raw) headers.push_back(loadHeader(set));
  std::vector<DataFileContents> sets;
  for (size_t k = 0; k < raw.size(); ++k) {
    orso::Layout layout;
    try {
      layout = orso::layoutOf(headers[k], headers.front());
    } catch (const Refusal& refusal) {
      throw Refusal{(k > 0 ? "data set " + std::to_string(k + 1) + ": " : std::string()) + refusal.reason};
    }
    if (raw[k].rows.empty()) throw Refusal{"data set " + std::to_string(k + 1) + " holds no data lines"};
    sets.push_back(contentsOf(raw[k], layout));
    sets.back().title = titleOf(layout, k, raw.size(), path);
    sets.back().entry = static_cast<int>(k);
  }
  return sets;
}

}  // namespace

DataFileSetsResult parseOrsoFile(std::string_view text, const std::string& path, int maxPoints) {
  if (!orso::looksLikeOrso(text))
    return DataFileError{DataFileError::Kind::WrongFormat, path,
                         "it does not start with the line \"" + std::string(orso::kMarker) + " ...\""};
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  try {
    return readSets(text, path, maxPoints);
  } catch (const Refusal& refusal) {
    return DataFileError{DataFileError::Kind::WrongFormat, path, refusal.reason};
  } catch (const YAML::Exception& e) {
    return DataFileError{DataFileError::Kind::WrongFormat, path, "the header cannot be read (" + e.msg + ")"};
  }
}

}  // namespace lumo
