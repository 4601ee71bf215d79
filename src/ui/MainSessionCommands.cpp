// The session's shell: start-up with the settings file, the recent-file history, exit,
// hover texts, and the routing of tool-panel buttons and menu items to their handlers.
#include <filesystem>
#include <system_error>

#include "files/PrintableText.h"
#include "files/SettingsFile.h"
#include "ui/CommandAvailability.h"
#include "ui/MainSession.h"

namespace lumo::ui {

void MainSession::Form_Load() {
  setScrollValue({ScrollFamily::NumLayers}, 1);
  setScrollValue({ScrollFamily::SolidSLD}, 207);
  setScrollValue({ScrollFamily::SLDRun, 1}, 635);
  setScrollValue({ScrollFamily::Thickness, 1}, 14);
  setScrollValue({ScrollFamily::SLD, 1}, 340);
  setScrollValue({ScrollFamily::Solvent, 1}, 25);
  setScrollValue({ScrollFamily::Roughness, 0}, 0);
  setScrollValue({ScrollFamily::Roughness, 1}, 0);
  editor_.PrevNumLayers = model_.NumLayers;
  calcPaused_ = false;
  busy_ = false;
  store_.NumDataSets = 0;
  syncModelFromScrollBars();

  const std::string startFolder = folder_.current();
  homeFolder_ = startFolder;
  if (const auto read = readSettingsFile(startFolder)) {
    // A home folder that is gone (or a first line that names none) would make every
    // save fail: the settings stay in the start-up folder, and the exit says so.
    const std::string& named = read->settings.homeFolder;
    std::error_code ec;
    if (!named.empty() && std::filesystem::is_directory(named, ec))
      homeFolder_ = named;
    else if (!named.empty())
      missingHome_ = named;
    lastFolder_ = read->settings.lastFolder;
    history_.assign(read->settings.history);
  }
  showHistoryItems(!history_.empty());
  // A last working folder that is gone leaves the program where it started.
  if (!lastFolder_.empty()) folder_.change(lastFolder_);
}

void MainSession::showHistoryItems(bool visible) {
  for (Menu m : {Menu::mnuClearHistory, Menu::mnuClearHistorySeparator, Menu::mnuFileArraySeparator})
    menus_[m].visible = visible;
}

void MainSession::UpdateMenu(int m) {
  showHistoryItems(true);
  history_.add(store_[m].DataFileName);
}

void MainSession::mnuClearHistory_Click() {
  history_.clear();
  showHistoryItems(false);
}

void MainSession::saveSettings() {
  lastFolder_ = folder_.current();
  const Settings settings{homeFolder_, lastFolder_, history_.paths()};
  if (const auto error = writeSettingsFile(homeFolder_, settings)) {
    dialogs_.showMessage({"Error Saving File!\n" + text::printable(settingsFilePath(homeFolder_)) +
                              "\n" + *error,
                          kMessageTitle, MessageIcon::Exclamation, MessageButtons::Ok});
  } else if (!missingHome_.empty()) {
    dialogs_.showMessage({"The home folder named in " + std::string(kSettingsFileName) +
                              " does not exist:\n" + text::printable(missingHome_) +
                              "\nThe settings were saved in:\n" + text::printable(homeFolder_),
                          kMessageTitle, MessageIcon::Information, MessageButtons::Ok});
    missingHome_.clear();
  }
}

void MainSession::mnuExit_Click() {
  saveSettings();
  exitRequested_ = true;
}

void MainSession::Form_Unload() {
  if (exitRequested_) return;
  saveSettings();
  exitRequested_ = true;
}

void MainSession::toolMouseMove(Tool tool) {
  if (tool == Tool::SSRToolTips) {
    tools_.hoverCaption = "   Tool Tips";
    return;
  }
  const std::string text = hoverText(tool);
  if (tools_.down(Tool::SSRToolTips) && !text.empty()) tools_.hoverCaption = "   " + text;
}

void MainSession::Form_MouseMove() { tools_.hoverCaption.clear(); }

bool MainSession::toolUsable(Tool tool) const {
  return tools_.enabled(tool) && tools_[tool].visible && hasAction(tool);
}

bool MainSession::menuUsable(Menu item) const {
  if (inDataMenu(item) && !menus_.enabled(Menu::mnuData)) return false;
  return isCommand(item) && menuEnabled(item) && menus_[item].visible && hasAction(item);
}

bool MainSession::menuEnabled(Menu item) const {
  // Export needs something to draw and somewhere to draw it.
  if (item == Menu::mnuExportPlot && (!figureWriter_ || shownPlots().empty())) return false;
  return menus_.enabled(item);
}

void MainSession::toolClicked(Tool tool, bool down) {
  // A button that cannot be pressed does nothing; while a fit runs, only the hover texts
  // may change.
  if (!toolUsable(tool) || (fitRunning() && tool != Tool::SSRToolTips)) return;
  if (!isTwoState(tool)) {
    runPushButton(tool);
    return;
  }
  runToolHandler(tool, down);
}

void MainSession::runPushButton(Tool tool) {
  switch (tool) {
    case Tool::SSCReload: reloadDataAction(); break;
    case Tool::SSCOpen: SSCOpen_Click(); break;
    case Tool::SSCSave: SSCSave_Click(); break;
    case Tool::SSCSetProperties: SSCSetProperties_Click(); break;
    case Tool::SSCPrint: SSCPrint_Click(); break;
    case Tool::SSCRefine: SSCRefine_Click(); break;
    // The about box is the view's; the commands without an action are disabled (see
    // CommandAvailability).
    default: break;
  }
}

void MainSession::runToolHandler(Tool tool, bool down) {
  // A two-state button holds its new value when its handler runs.
  auto press = [&] { tools_[tool].down = down; };
  switch (tool) {
    case Tool::SSROpenData: openDataAction(); break;
    case Tool::SSRCloseData: closeDataAction(); break;
    case Tool::SSRFitting: press(); SSRFitting_Click(down); break;
    case Tool::SSRIncreasePoints: SSRIncreasePoints_Click(); break;
    case Tool::SSRLine: press(); SSRLine_Click(down); break;
    case Tool::SSRPoints: press(); SSRPoints_Click(down); break;
    case Tool::SSRErrorBars: press(); SSRErrorBars_Click(down); break;
    case Tool::SSRLogX: press(); SSRLogX_Click(down); break;
    case Tool::SSRLogY: press(); SSRLogY_Click(down); break;
    case Tool::SSRMultiPlot: press(); SSRMultiPlot_Click(down); break;
    case Tool::SSRToolTips: press(); break;
    case Tool::SSRResidual: press(); SSRResidual_Click(down); break;
    case Tool::SSRAutoFit: press(); SSRAutoFit_Click(down); break;
    case Tool::SSRBackGroundSub: press(); SSRBackGroundSub_Click(down); break;
    case Tool::SSRScaleFactor: SSRScaleFactor_Click(); break;
    case Tool::SSRRemoveNegatives: press(); SSRRemoveNegatives_Click(down); break;
    case Tool::SSRSaveData: SSRSaveData_Click(); break;
    // The commands without an action are disabled (see CommandAvailability).
    default: break;
  }
}

void MainSession::flipFromMenu(Tool tool) { runToolHandler(tool, !tools_.down(tool)); }

void MainSession::menuClicked(Menu item) {
  // An item that cannot be chosen does nothing; while a fit runs, only leaving the
  // program is taken.
  if (!menuUsable(item) || (fitRunning() && item != Menu::mnuExit)) return;
  switch (item) {
    case Menu::mnuOpenFiles: openDataAction(); break;
    case Menu::mnuCloseFiles: closeDataAction(); break;
    case Menu::mnuStartDataConv: mnuStartDataConv_Click(); break;
    case Menu::mnuExit: mnuExit_Click(); break;
    case Menu::mnuClearHistory: mnuClearHistory_Click(); break;
    case Menu::mnuOn: runToolHandler(Tool::SSRFitting, true); break;
    case Menu::mnuOff: runToolHandler(Tool::SSRFitting, false); break;
    case Menu::mnuPointsInCalculation: SSRIncreasePoints_Click(); break;
    case Menu::mnuAutoFit: mnuAutoFit_Click(); break;
    case Menu::mnuRefine: runPushButton(Tool::SSCRefine); break;
    case Menu::mnuMultiPlot: flipFromMenu(Tool::SSRMultiPlot); break;
    case Menu::mnuLine: flipFromMenu(Tool::SSRLine); break;
    case Menu::mnuPoints: flipFromMenu(Tool::SSRPoints); break;
    case Menu::mnuErrorBars: flipFromMenu(Tool::SSRErrorBars); break;
    case Menu::mnuLogX: flipFromMenu(Tool::SSRLogX); break;
    case Menu::mnuLogY: flipFromMenu(Tool::SSRLogY); break;
    case Menu::mnuReLoad: reloadDataAction(); break;
    case Menu::mnuSubBgd: flipFromMenu(Tool::SSRBackGroundSub); break;
    case Menu::mnuScaleData: SSRScaleFactor_Click(); break;
    // "Remove &Negative Points" opens the dialog of its button.
    case Menu::mnuRemoveNegativePoints: runToolHandler(Tool::SSRRemoveNegatives, true); break;
    case Menu::mnuSaveData: SSRSaveData_Click(); break;
    case Menu::mnuPrint: runPushButton(Tool::SSCPrint); break;
    case Menu::mnuExportPlot: mnuExportPlot_Click(); break;
    case Menu::mnuOpenFit: runPushButton(Tool::SSCOpen); break;
    case Menu::mnuSaveFit: runPushButton(Tool::SSCSave); break;
    case Menu::mnuSetScrollBarProperties: runPushButton(Tool::SSCSetProperties); break;
    // The converter and the about box are the view's; the commands without an action
    // are disabled (see CommandAvailability).
    default: break;
  }
}

}  // namespace lumo::ui
