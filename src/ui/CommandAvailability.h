#pragma once
// Which commands of the main window can be used at all. A command that has no action of
// its own stays disabled whatever the session's state says, so that no enabled button or
// menu item does nothing.
#include "ui/MenuState.h"
#include "ui/ToolPanelState.h"

namespace lumo::ui {

// False for the commands that do nothing; true for every other command and for the
// items that are not commands (separators, the Data menu itself).
bool hasAction(Tool tool);
bool hasAction(Menu item);
// False for the items of the menu tree that are no commands: separators and the Data
// menu itself.
bool isCommand(Menu item);
// The items of the Data menu, which can be chosen only while that menu is enabled.
bool inDataMenu(Menu item);

}  // namespace lumo::ui
