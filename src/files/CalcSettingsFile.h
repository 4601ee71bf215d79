#pragma once
// The calculation's own settings file, "lumo-calc.ini", beside "lumo.ini" (whose layout
// stays as it is): the instrument resolution and the kinematics, one "Name=value" per line.
//
//   Resolution=5
//   ResolutionFromData=0
//   ExactWaveVector=0
#include <optional>
#include <string>
#include <string_view>

namespace lumo {

inline constexpr const char* kCalcSettingsFileName = "lumo-calc.ini";

struct CalcSettings {
  double resolutionPercent = 0;  // dQ/Q FWHM in per cent, 0..kMaxResolutionPercent
  bool resolutionFromData = false;
  bool exactQ = false;

  bool operator==(const CalcSettings&) const = default;
};

// The settings read, or the defaults with `problem` saying why the text was not usable
// (an unknown or repeated name, a value out of range, a line that is not "Name=value").
struct CalcSettingsRead {
  CalcSettings settings;
  std::string problem;
};

CalcSettingsRead parseCalcSettings(std::string_view text);
// The file's text with CR LF line ends.
std::string calcSettingsText(const CalcSettings& settings);

std::string calcSettingsFilePath(const std::string& folder);
// Nothing when the file is missing or cannot be read.
std::optional<CalcSettingsRead> readCalcSettingsFile(const std::string& folder);
// Replaces the file only when complete; the reason of a failure, or nothing.
std::optional<std::string> writeCalcSettingsFile(const std::string& folder,
                                                 const CalcSettings& settings);

}  // namespace lumo
