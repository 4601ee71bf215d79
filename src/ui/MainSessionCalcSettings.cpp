// The session's calculation settings: the instrument resolution ("Resolution…") and the
// kinematics ("Exact Wave Vector"), read from lumo-calc.ini at start, written on every
// change, and handed to every calculation through calcOptions(); and the SLD profile
// panel, which shows the model the scroll bars hold.
#include "files/PrintableText.h"
#include "plot/CombinedPlot.h"
#include "ui/MainSession.h"

namespace lumo::ui {

void MainSession::readCalcSettings() {
  const auto read = readCalcSettingsFile(homeFolder_);
  if (!read) return;  // no file: the defaults, silently
  calcSettings_ = read->settings;
  if (!read->problem.empty())
    dialogs_.showMessage({"The calculation settings in\n" +
                              text::printable(calcSettingsFilePath(homeFolder_)) +
                              "\ncannot be used (" + read->problem +
                              ").\nResolution is off and the standard angle is used.",
                          kMessageTitle, MessageIcon::Exclamation, MessageButtons::Ok});
  menus_.setChecked(Menu::mnuExactQ, calcSettings_.exactQ);
}

void MainSession::applyCalcSettings(const CalcSettings& settings) {
  if (settings == calcSettings_) return;
  calcSettings_ = settings;
  menus_.setChecked(Menu::mnuExactQ, settings.exactQ);
  if (const auto error = writeCalcSettingsFile(homeFolder_, settings))
    dialogs_.showMessage({"Error Saving File!\n" + text::printable(calcSettingsFilePath(homeFolder_)) +
                              "\n" + *error,
                          kMessageTitle, MessageIcon::Exclamation, MessageButtons::Ok});
  // Every curve, residual and the next scan or fit follow at once.
  if (fittingOn() && !calcPaused_) {
    recalculate();
    curveRefresh();
  }
}

void MainSession::mnuResolution_Click() { resolution_ = openResolutionPanel(calcSettings_); }

void MainSession::cmdResolutionOK_Click() {
  if (fitRunning() || !resolution_.visible) return;
  const auto read = readResolutionPanel(resolution_, calcSettings_);
  if (const auto* message = std::get_if<std::string>(&read)) {
    dialogs_.showMessage({*message, kMessageTitle, MessageIcon::Exclamation, MessageButtons::Ok});
    return;
  }
  resolution_.visible = false;
  applyCalcSettings(std::get<CalcSettings>(read));
}

void MainSession::mnuExactQ_Click() {
  CalcSettings s = calcSettings_;
  s.exactQ = !s.exactQ;
  applyCalcSettings(s);
}

void MainSession::SSRSldProfile_Click(bool down) {
  tools_[Tool::SSRSldProfile].down = down;
  menus_.setChecked(Menu::mnuSldProfile, down);
  profile_.visible = down;
}

std::vector<ProfileEntry> MainSession::profileEntries() const {
  std::vector<ProfileEntry> entries;
  const int contrasts = dataLoaded() ? store_.NumDataSets : kMaxContrasts;
  for (int k = 1; k <= contrasts; ++k)
    entries.push_back({dataLoaded() ? combinedLegendTitle(store_[k], k) : "Contrast " + std::to_string(k),
                       combinedDataColour(k)});
  return entries;
}

LayerModel MainSession::profileModel() const {
  LayerModel shown = model_;
  fillModelFromScrollBars(shown, editor_);
  return shown;
}

const PlotSurface& MainSession::sldProfilePlot() const { return profile_.picture(profileModel(), profileEntries()); }

}  // namespace lumo::ui
