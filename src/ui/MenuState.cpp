#include "ui/MenuState.h"

namespace lumo::ui {
namespace {

struct MenuInfo {
  const char* name;
  const char* caption;
};

constexpr MenuInfo kInfo[kMenuCount] = {
    {"mnuOpenFiles", "&Open Files"},
    {"mnuCloseFiles", "&Close Files"},
    {"mnuOpenFit", "O&pen Fit"},
    {"mnuSaveFit", "&Save Fit"},
    {"mnuPrint", "&Print"},
    {"mnuExportPlot", "&Export Plot…"},
    {"mnuStartDataConv", "&Data Conversion"},
    {"mnuExit", "E&xit Lumo"},
    {"mnuClearHistory", "Clear History"},
    {"mnuClearHistorySeparator", "-"},
    {"mnuFileArraySeparator", "-"},
    {"mnuOn", "&On"},
    {"mnuOff", "O&ff"},
    {"mnuResidual", "Calculate &Residual"},
    {"mnuPointsInCalculation", "&Points in Calculation"},
    {"mnuAutoFit", "Enable &Automatic Fitting"},
    {"mnuRefine", "&Refine…"},
    {"mnuMultiPlot", "&MultiPlot"},
    {"mnuLine", "&Line"},
    {"mnuPoints", "&Points"},
    {"mnuErrorBars", "&Error Bars"},
    {"mnuLogX", "Log &X"},
    {"mnuLogY", "Log &Y"},
    {"mnuData", "&Data"},
    {"mnuSubBgd", "Subtract &Background"},
    {"mnuScaleData", "&Scale Data"},
    {"mnuRemoveNegativePoints", "Remove &Negative Points"},
    {"mnuReLoad", "&Reload Data"},
    {"mnuSaveData", "&Save Data"},
    {"mnuSetScrollBarProperties", "Set &Scroll Bar Properties"},
    {"mnuReleaseNotes", "&Release Notes"},
    {"mnuWebsite", "Orme Group &Website"},
    {"mnuAbout", "&About"},
};

}  // namespace

const char* menuCaption(Menu item) { return kInfo[static_cast<int>(item)].caption; }
const char* menuName(Menu item) { return kInfo[static_cast<int>(item)].name; }

MenuState::MenuState() {
  // The Data menu, as closing the data leaves it: none of its commands has data to act on.
  for (Menu m : {Menu::mnuCloseFiles, Menu::mnuResidual, Menu::mnuPointsInCalculation,
                 Menu::mnuAutoFit, Menu::mnuData, Menu::mnuRefine})
    setEnabled(m, false);
  for (Menu m : {Menu::mnuOff, Menu::mnuPoints, Menu::mnuErrorBars, Menu::mnuLogY})
    setChecked(m, true);
  // The history part of the File menu shows only while there is a history.
  for (Menu m : {Menu::mnuClearHistory, Menu::mnuClearHistorySeparator,
                 Menu::mnuFileArraySeparator})
    (*this)[m].visible = false;
}

}  // namespace lumo::ui
