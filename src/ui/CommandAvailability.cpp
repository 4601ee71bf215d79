#include "ui/CommandAvailability.h"

#include <algorithm>
#include <iterator>

namespace lumo::ui {
namespace {

// Without an action of their own: the pause button only shows that the calculation is
// paused, and these menu items were never given one.
constexpr Tool kInertTools[] = {Tool::SSCPause};
constexpr Menu kInertMenus[] = {Menu::mnuResidual, Menu::mnuReleaseNotes, Menu::mnuWebsite};

template <class T, std::size_t N>
bool listed(const T (&list)[N], T item) {
  return std::find(std::begin(list), std::end(list), item) != std::end(list);
}

}  // namespace

bool hasAction(Tool tool) { return !listed(kInertTools, tool); }

bool hasAction(Menu item) { return !listed(kInertMenus, item); }

bool inDataMenu(Menu item) {
  return item == Menu::mnuSubBgd || item == Menu::mnuScaleData ||
         item == Menu::mnuRemoveNegativePoints || item == Menu::mnuReLoad ||
         item == Menu::mnuSaveData;
}

bool isCommand(Menu item) {
  return item != Menu::mnuData && item != Menu::mnuClearHistorySeparator &&
         item != Menu::mnuFileArraySeparator;
}

}  // namespace lumo::ui
