#pragma once
// The tool panel's pictures, drawn by the program.
#include <QIcon>

#include "ui/ToolPanelState.h"

namespace lumo::ui {

QIcon toolIcon(Tool tool);

}  // namespace lumo::ui
