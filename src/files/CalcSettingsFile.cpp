#include "files/CalcSettingsFile.h"

#include <charconv>
#include <filesystem>
#include <set>

#include "files/FileText.h"
#include "model/CalcOptions.h"

namespace lumo {
namespace {

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.back() == '\r' || s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  return s;
}

std::optional<double> numberOf(std::string_view v) {
  double d = 0;
  const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), d);
  if (ec != std::errc{} || end != v.data() + v.size()) return std::nullopt;
  return d;
}

std::optional<bool> switchOf(std::string_view v) {
  if (v == "0") return false;
  if (v == "1") return true;
  return std::nullopt;
}

// Applies one "Name=value" line; the problem with it, or nothing.
std::optional<std::string> apply(std::string_view name, std::string_view value, CalcSettings& s) {
  if (name == "Resolution") {
    const auto d = numberOf(value);
    if (!d || !(*d >= 0 && *d <= kMaxResolutionPercent))
      return "Resolution needs a percentage from 0 to 20";
    s.resolutionPercent = *d;
  } else if (name == "ResolutionFromData" || name == "ExactWaveVector") {
    const auto b = switchOf(value);
    if (!b) return std::string(name) + " needs 0 or 1";
    (name == "ExactWaveVector" ? s.exactQ : s.resolutionFromData) = *b;
  } else {
    return "unknown setting '" + std::string(name) + "'";
  }
  return std::nullopt;
}

}  // namespace

CalcSettingsRead parseCalcSettings(std::string_view text) {
  CalcSettingsRead read;
  std::set<std::string, std::less<>> seen;
  int number = 0;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++number;
    if (line.empty()) continue;
    const size_t eq = line.find('=');
    std::optional<std::string> problem;
    if (eq == std::string_view::npos) {
      problem = "it is not Name=value";
    } else {
      const std::string_view name = trimmed(line.substr(0, eq));
      if (!seen.insert(std::string(name)).second)
        problem = std::string(name) + " is given twice";
      else
        problem = apply(name, trimmed(line.substr(eq + 1)), read.settings);
    }
    if (problem) return {CalcSettings{}, "line " + std::to_string(number) + ": " + *problem};
  }
  return read;
}

std::string calcSettingsText(const CalcSettings& s) {
  char percent[32];
  const auto [end, ec] = std::to_chars(percent, percent + sizeof percent, s.resolutionPercent);
  return "Resolution=" + std::string(percent, ec == std::errc{} ? end : percent) + "\r\n" +
         "ResolutionFromData=" + (s.resolutionFromData ? "1" : "0") + "\r\n" +
         "ExactWaveVector=" + (s.exactQ ? "1" : "0") + "\r\n";
}

std::string calcSettingsFilePath(const std::string& folder) {
  return (std::filesystem::path(folder) / kCalcSettingsFileName).string();
}

std::optional<CalcSettingsRead> readCalcSettingsFile(const std::string& folder) {
  const text::FileContents file = text::readTextFile(calcSettingsFilePath(folder));
  if (file.status == text::ReadStatus::CannotOpen) return std::nullopt;
  if (file.status == text::ReadStatus::TooLarge)
    return CalcSettingsRead{CalcSettings{}, "the file is far too large"};
  return parseCalcSettings(file.text);
}

std::optional<std::string> writeCalcSettingsFile(const std::string& folder,
                                                 const CalcSettings& settings) {
  return text::writeTextFileAtomically(calcSettingsFilePath(folder), calcSettingsText(settings));
}

}  // namespace lumo
