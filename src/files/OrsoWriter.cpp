#include "files/OrsoWriter.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string_view>

#include <yaml-cpp/yaml.h>

#include "files/OrsoFormat.h"
#include "files/TextWriter.h"

namespace lumo::orso {
namespace {

using YAML::BeginMap;
using YAML::EndMap;
using YAML::Key;
using YAML::Value;

bool isUtf8(std::string_view s) {
  size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    const int more = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
    if (more < 0 || i + static_cast<size_t>(more) >= s.size()) return false;
    unsigned code = more == 0 ? c : c & (0x3Fu >> more);
    for (int k = 1; k <= more; ++k) {
      const auto next = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3Fu);
    }
    const unsigned least[] = {0, 0x80, 0x800, 0x10000};
    if (code < least[more] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += static_cast<size_t>(more) + 1;
  }
  return true;
}

// YAML is UTF-8. A text that is not (a title typed on an older system) is taken as
// Latin-1, whose every byte is the code point of the same number.
std::string utf8(const std::string& text) {
  if (isUtf8(text)) return text;
  std::string out;
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out += ch;
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

void unknown(YAML::Emitter& e, const char* key) { e << Key << key << Value << YAML::Null; }

void dataSource(YAML::Emitter& e, const Provenance& p) {
  e << Key << "data_source" << Value << BeginMap;
  e << Key << "owner" << Value << BeginMap;
  unknown(e, "name");
  unknown(e, "affiliation");
  e << EndMap << Key << "experiment" << Value << BeginMap;
  unknown(e, "title");
  unknown(e, "instrument");
  unknown(e, "start_date");
  e << Key << "probe" << Value << "neutron" << EndMap;
  e << Key << "sample" << Value << BeginMap << Key << "name" << Value << utf8(p.title) << EndMap;
  e << Key << "measurement" << Value << BeginMap;
  e << Key << "instrument_settings" << Value << BeginMap;
  unknown(e, "incident_angle");
  unknown(e, "wavelength");
  e << EndMap << Key << "data_files" << Value << YAML::BeginSeq << BeginMap;
  e << Key << "file" << Value << utf8(p.sourceFile);
  e << Key << "comment" << Value << utf8(p.sourceFormat + " file");
  e << EndMap << YAML::EndSeq << EndMap << EndMap;
}

void reduction(YAML::Emitter& e, const Provenance& p) {
  e << Key << "reduction" << Value << BeginMap;
  e << Key << "software" << Value << YAML::Flow << BeginMap << Key << "name" << Value << kSoftwareName
    << Key << "version" << Value << YAML::SingleQuoted << programVersion() << EndMap;
  e << Key << "timestamp" << Value << p.timestamp;
  e << Key << "comment" << Value << utf8("converted from a " + p.sourceFormat + " file") << EndMap;
}

void columnList(YAML::Emitter& e, bool withResolution) {
  e << Key << "columns" << Value << YAML::BeginSeq;
  e << YAML::Flow << BeginMap << Key << "name" << Value << "Qz" << Key << "unit" << Value
    << std::string(kPerAngstrom) << Key << "physical_quantity" << Value << "normal momentum transfer"
    << EndMap;
  e << YAML::Flow << BeginMap << Key << "name" << Value << "R" << Key << "unit" << Value
    << YAML::SingleQuoted << "1" << Key << "physical_quantity" << Value << "specular reflectivity"
    << EndMap;
  e << YAML::Flow << BeginMap << Key << "error_of" << Value << "R" << Key << "error_type" << Value
    << "uncertainty" << Key << "value_is" << Value << "sigma" << EndMap;
  if (withResolution)
    e << YAML::Flow << BeginMap << Key << "error_of" << Value << "Qz" << Key << "error_type" << Value
      << "resolution" << Key << "value_is" << Value << "sigma" << EndMap;
  e << YAML::EndSeq;
}

std::string headerYaml(const Provenance& p, bool withResolution) {
  YAML::Emitter e;
  e.SetNullFormat(YAML::LowerNull);
  e.SetIndent(2);
  e << BeginMap;
  dataSource(e, p);
  reduction(e, p);
  e << Key << "data_set" << Value << 0;
  columnList(e, withResolution);
  e << EndMap;
  return e.c_str();
}

std::string number(double value, bool single) {
  char buffer[40];
  const auto end = single ? std::to_chars(buffer, buffer + sizeof buffer, static_cast<float>(value),
                                          std::chars_format::scientific)
                          : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  return std::string(buffer, end.ptr);
}

// One line of blank-separated columns, each but the last padded to a common width.
void columnsLine(text::TextWriter& w, const std::vector<std::string>& cells) {
  constexpr size_t kWidth = 24;
  std::string line;
  for (size_t i = 0; i < cells.size(); ++i) {
    line += cells[i];
    if (i + 1 < cells.size()) line.append(cells[i].size() < kWidth ? kWidth - cells[i].size() : 1, ' ');
  }
  w.printString(line).endLine();
}

}  // namespace

std::string fileText(const Provenance& provenance, const Columns& columns) {
  const bool withResolution = !columns.dq.empty() && columns.dq.size() == columns.q.size();
  text::TextWriter w;
  w.printString(kFirstLine).endLine();
  const std::string yaml = headerYaml(provenance, withResolution);
  for (size_t start = 0; start < yaml.size();) {
    const size_t end = std::min(yaml.find('\n', start), yaml.size());
    w.printString("# ").printString(std::string_view(yaml).substr(start, end - start)).endLine();
    start = end + 1;
  }
  std::vector<std::string> cells = {"# Qz (1/angstrom)", "R", "sR"};
  if (withResolution) cells.push_back("sQz (1/angstrom)");
  w.printString("# ");
  columnsLine(w, cells);
  for (size_t i = 0; i < columns.q.size(); ++i) {
    cells = {number(columns.q[i], columns.singlePrecision), number(columns.r[i], columns.singlePrecision),
             number(columns.dr[i], columns.singlePrecision)};
    if (withResolution) cells.push_back(number(columns.dq[i], columns.singlePrecision));
    columnsLine(w, cells);
  }
  return w.text();
}

std::string isoTimestamp(std::chrono::system_clock::time_point time) {
  const std::time_t t = std::chrono::system_clock::to_time_t(time);
  std::tm local{};
  ::localtime_r(&t, &local);
  char text[40];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
  // The offset is at most a day, so hours and minutes take two digits each.
  const int minutes = static_cast<int>(std::labs(local.tm_gmtoff) / 60 % (24 * 60));
  char zone[16];
  std::snprintf(zone, sizeof zone, "%c%02d:%02d", local.tm_gmtoff < 0 ? '-' : '+', minutes / 60,
                minutes % 60);
  return std::string(text) + zone;
}

const char* programVersion() { return LUMO_VERSION; }

}  // namespace lumo::orso
