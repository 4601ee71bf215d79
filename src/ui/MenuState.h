#pragma once
// The menu bar's items with their check marks, enabled and visible states. The recent
// file entries of the File menu live in RecentFiles.
#include <array>
#include <cstddef>

namespace lumo::ui {

enum class Menu {
  // File
  mnuOpenFiles, mnuCloseFiles, mnuOpenFit, mnuSaveFit, mnuPrint, mnuExportPlot, mnuStartDataConv, mnuExit,
  mnuClearHistory, mnuClearHistorySeparator, mnuFileArraySeparator,
  // Fitting
  mnuOn, mnuOff, mnuResidual, mnuPointsInCalculation, mnuAutoFit, mnuRefine,
  // Plot
  mnuMultiPlot, mnuLine, mnuPoints, mnuErrorBars, mnuLogX, mnuLogY,
  // Data (mnuData is the menu itself)
  mnuData, mnuSubBgd, mnuScaleData, mnuRemoveNegativePoints, mnuReLoad, mnuSaveData,
  // Options, Help
  mnuSetScrollBarProperties, mnuReleaseNotes, mnuWebsite, mnuAbout,
  Count
};

inline constexpr int kMenuCount = static_cast<int>(Menu::Count);

struct MenuItemState {
  bool checked = false;
  bool enabled = true;
  bool visible = true;
};

// The item's caption as the menu shows it ("&Open Files"); "-" for separators.
const char* menuCaption(Menu item);
const char* menuName(Menu item);

class MenuState {
 public:
  // The start-up states of the menu tree. The check marks of the plot switches start in
  // agreement with their tool-panel buttons.
  MenuState();

  MenuItemState& operator[](Menu item) { return items_[static_cast<std::size_t>(item)]; }
  const MenuItemState& operator[](Menu item) const { return items_[static_cast<std::size_t>(item)]; }
  bool checked(Menu item) const { return (*this)[item].checked; }
  bool enabled(Menu item) const { return (*this)[item].enabled; }
  void setChecked(Menu item, bool on) { (*this)[item].checked = on; }
  void setEnabled(Menu item, bool on) { (*this)[item].enabled = on; }

 private:
  std::array<MenuItemState, kMenuCount> items_{};
};

}  // namespace lumo::ui
