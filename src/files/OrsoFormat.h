#pragma once
// The community's ORSO reflectivity text format (".ort"): a YAML header, every line of it
// behind "# ", then blank-separated columns of numbers described by the header's
// "columns" list (Qz, R, the uncertainty of R and, optionally, the resolution of Qz).
#include <string_view>

namespace lumo::orso {

// The first line that marks a file as ORSO; the version field between the bars varies.
inline constexpr std::string_view kMarker = "# # ORSO reflectivity data file";
// The whole first line of the files this program writes.
inline constexpr std::string_view kFirstLine =
    "# # ORSO reflectivity data file | 1.0 standard | YAML encoding | https://www.reflectometry.org/";

// Units of Qz that the reader takes, with the factor to Å^-1.
inline constexpr std::string_view kPerAngstrom = "1/angstrom";
inline constexpr std::string_view kPerNanometre = "1/nm";

// A full width at half maximum of a Gaussian in standard deviations: 2 sqrt(2 ln 2).
inline constexpr double kFwhmPerSigma = 2.3548200450309493;

// True when the text starts with the ORSO marker (after a UTF-8 byte-order mark, if any).
inline bool looksLikeOrso(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  return text.substr(0, kMarker.size()) == kMarker;
}

}  // namespace lumo::orso
