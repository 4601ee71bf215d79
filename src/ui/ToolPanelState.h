#pragma once
// The tool panel: push buttons (SSC...) and two-state buttons (SSR...) with their
// enabled, down and visible states, and the hover-text panel.
#include <array>
#include <cstddef>
#include <string>

namespace lumo::ui {

enum class Tool {
  SSCOpen, SSCSave, SSCReload, SSCPrint, SSCSetProperties, SSCAbout, SSCPause, SSCRefine,
  SSROpenData, SSRCloseData, SSRSaveData, SSRAutoFit, SSRBackGroundSub, SSRScaleFactor,
  SSRRemoveNegatives, SSRResidual, SSRFitting, SSRIncreasePoints, SSRLine, SSRPoints,
  SSRErrorBars, SSRLogX, SSRLogY, SSRMultiPlot, SSRToolTips,
  Count
};

inline constexpr int kToolCount = static_cast<int>(Tool::Count);

struct ToolButtonState {
  bool enabled = true;
  bool down = false;  // two-state buttons only
  bool visible = true;
};

// The program's name of a tool (its control name), for diagnostics and tests.
const char* toolName(Tool tool);
// True for the two-state buttons.
bool isTwoState(Tool tool);
// The text the hover panel shows for a tool (without the leading blanks), or an empty
// text for a tool that has none.
std::string hoverText(Tool tool);

class ToolPanelState {
 public:
  // The start-up states: see the table of the window's tool panel.
  ToolPanelState();

  ToolButtonState& operator[](Tool tool) { return tools_[static_cast<std::size_t>(tool)]; }
  const ToolButtonState& operator[](Tool tool) const { return tools_[static_cast<std::size_t>(tool)]; }
  bool down(Tool tool) const { return (*this)[tool].down; }
  bool enabled(Tool tool) const { return (*this)[tool].enabled; }

  // The hover-text panel SSPToolTips.
  std::string hoverCaption;

 private:
  std::array<ToolButtonState, kToolCount> tools_{};
};

}  // namespace lumo::ui
