#pragma once
// "Resolution…" of the Options menu as state: the dQ/Q typed in per cent and the choice
// of each data set's own resolution; and the line the window shows of the calculation's
// settings, so that nobody takes a smeared or standard-kinematics curve for the plain one.
#include <string>
#include <variant>

#include "files/CalcSettingsFile.h"

namespace lumo::ui {

inline constexpr const char* kResolutionExplanation =
    "Gaussian smearing of the calculated reflectivity, FWHM = dQ/Q \u00D7 Q. 0 = off.";
inline constexpr const char* kResolutionFromDataCaption =
    "Use each data set's own resolution (ORSO sQz, a standard deviation)";

struct ResolutionPanel {
  bool visible = false;
  std::string percentText;  // dQ/Q in per cent, as typed
  bool fromData = false;
};

// The panel opened on `settings`.
ResolutionPanel openResolutionPanel(const CalcSettings& settings);

// The settings the panel holds (kinematics from `current`), or the message saying why
// the typed value cannot be used.
std::variant<CalcSettings, std::string> readResolutionPanel(const ResolutionPanel& panel,
                                                            const CalcSettings& current);

// "Resolution: 5 % dQ/Q (FWHM)", "Resolution: off", with "sQz of the data" and
// "Exact Q" where they are on.
std::string calcSettingsCaption(const CalcSettings& settings);

// The percentage as typed back: "5", "2.5", "0.25".
std::string percentText(double percent);

}  // namespace lumo::ui
