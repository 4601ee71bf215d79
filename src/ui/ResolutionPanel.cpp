#include "ui/ResolutionPanel.h"

#include <charconv>
#include <cmath>

#include "model/CalcOptions.h"

namespace lumo::ui {

ResolutionPanel openResolutionPanel(const CalcSettings& settings) {
  return {true, percentText(settings.resolutionPercent), settings.resolutionFromData};
}

std::variant<CalcSettings, std::string> readResolutionPanel(const ResolutionPanel& panel,
                                                            const CalcSettings& current) {
  std::string_view text = panel.percentText;
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.back() == '%') text.remove_suffix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  double percent = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), percent);
  if (text.empty() || ec != std::errc{} || end != text.data() + text.size() ||
      !(percent >= 0 && percent <= kMaxResolutionPercent))
    return std::string("dQ/Q must be a percentage from 0 to 20 (0 = off).");
  CalcSettings s = current;
  s.resolutionPercent = percent;
  s.resolutionFromData = panel.fromData;
  return s;
}

std::string percentText(double percent) {
  char buffer[32];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, percent);
  return ec == std::errc{} ? std::string(buffer, end) : std::string("0");
}

std::string calcSettingsCaption(const CalcSettings& s) {
  std::string text = "Resolution: ";
  const std::string percent =
      s.resolutionPercent > 0 ? percentText(s.resolutionPercent) + " % dQ/Q (FWHM)" : "off";
  if (s.resolutionFromData)
    text += "sQz of the data, else " + percent;
  else
    text += percent;
  if (s.exactQ) text += "  |  Exact Q";
  return text;
}

}  // namespace lumo::ui
