#include "ui/ToolPanelState.h"

namespace lumo::ui {
namespace {

struct ToolInfo {
  const char* name;
  const char* hover;
};

constexpr ToolInfo kInfo[kToolCount] = {
    {"SSCOpen", "Open Fit"},
    {"SSCSave", "Save Fit"},
    {"SSCReload", "Reload Data"},
    {"SSCPrint", "Print"},
    {"SSCSetProperties", "Set Scroll Bar Properties"},
    {"SSCAbout", ""},
    {"SSCPause", ""},
    {"SSCRefine", "Refine Parameters"},
    {"SSROpenData", "Open Data Files"},
    {"SSRCloseData", "Close Data Files"},
    {"SSRSaveData", "Save Data Files"},
    {"SSRAutoFit", "Automatic Fitting"},
    {"SSRBackGroundSub", "Subtract Background"},
    {"SSRScaleFactor", "Scale Data"},
    {"SSRRemoveNegatives", "Remove Negative Values"},
    {"SSRResidual", "Show Residual"},
    {"SSRFitting", "Calculate Fit"},
    {"SSRIncreasePoints", "Number of Points"},
    {"SSRLine", "Plot Line"},
    {"SSRPoints", "Plot Points"},
    {"SSRErrorBars", "Plot Error Bars"},
    {"SSRLogX", "Log X Axis"},
    {"SSRLogY", "Log Y Axis"},
    {"SSRMultiPlot", ""},
    {"SSRToolTips", "Tool Tips"},
};

}  // namespace

const char* toolName(Tool tool) { return kInfo[static_cast<int>(tool)].name; }

bool isTwoState(Tool tool) { return tool >= Tool::SSROpenData; }

std::string hoverText(Tool tool) { return kInfo[static_cast<int>(tool)].hover; }

ToolPanelState::ToolPanelState() {
  for (Tool t : {Tool::SSRCloseData, Tool::SSRSaveData, Tool::SSRBackGroundSub,
                 Tool::SSRScaleFactor, Tool::SSRRemoveNegatives, Tool::SSRIncreasePoints,
                 Tool::SSRResidual, Tool::SSCReload, Tool::SSCRefine})
    (*this)[t].enabled = false;
  for (Tool t : {Tool::SSRPoints, Tool::SSRErrorBars, Tool::SSRLogY}) (*this)[t].down = true;
  (*this)[Tool::SSCPause].visible = false;
}

}  // namespace lumo::ui
