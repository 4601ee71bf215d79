// The session's fitting commands: the residual display with its option panel, the
// automatic-fitting mode with its panel and caption labels, and the constrained-fit and
// limit panels.
#include "fitting/ConstrainedFitPlan.h"
#include "plot/StandardColour.h"
#include "ui/MainSession.h"

namespace lumo::ui {
namespace {

constexpr ScrollId thicknessOf(int layer) { return {ScrollFamily::Thickness, layer}; }

std::array<fitting::ScrollRange, kMaxLayers + 1> thicknessRanges(const LayerEditorState& editor) {
  std::array<fitting::ScrollRange, kMaxLayers + 1> ranges{};
  for (int k = 1; k <= kMaxLayers; ++k) {
    const ScrollBar& bar = editor.bar(thicknessOf(k));
    ranges[static_cast<size_t>(k)] = {bar.Min, bar.Max, bar.SmallChange};
  }
  return ranges;
}

}  // namespace

// ---- Residual display

void MainSession::showResidualLabels(bool visible) {
  for (int k = 1; k <= kMaxDataSets; ++k) {
    ResidualLabel& label = panels_.lblResidual[static_cast<size_t>(k)];
    label.visible = visible;
    if (visible) label.caption.clear();
  }
}

void MainSession::SSRResidual_Click(bool down) {
  if (down) {
    panels_.residualPanelVisible = true;
    showResidualLabels(true);
    panels_.cumulativeFrameVisible = true;
    cumulativeResidual_ = "---";
  } else {
    residualOffSteps();
  }
  fullRecalculation();
}

void MainSession::residualOffSteps() {
  showResidualLabels(false);
  // The option panel and the menu's check mark confirm a display that is on; they go
  // with it. The residuals and the cumulative frame keep their last values.
  panels_.residualPanelVisible = false;
  menus_.setChecked(Menu::mnuResidual, false);
}

void MainSession::optChiSquared_Click() {
  if (!fitRunning()) panels_.measure = ResidualMeasure::ChiSquared;
}

void MainSession::optLeastSquares_Click() {
  if (!fitRunning()) panels_.measure = ResidualMeasure::LeastSquares;
}

void MainSession::cmdResidualOK_Click() {
  if (fitRunning()) return;
  showResidualLabels(true);
  menus_.setChecked(Menu::mnuResidual, true);
  panels_.residualPanelVisible = false;
  fullRecalculation();
}

void MainSession::cmdResidualCancel_Click() {
  if (fitRunning()) return;
  showResidualLabels(false);
  tools_[Tool::SSRResidual].down = false;
  SSRResidual_Click(false);
}

// ---- Automatic-fitting mode

// "Roughness Layer 0" and the four captions of every layer of the model.
void MainSession::colourFittingLabels(int colour) {
  editor_.control({ScrollFamily::Roughness, 0}).labelColour = colour;
  for (int k = 1; k <= editor_.value({ScrollFamily::NumLayers}); ++k) colourLayerLabels(k, colour);
}

void MainSession::updateFittingMenus() {
  const bool loaded = dataLoaded();
  menus_.setEnabled(Menu::mnuAutoFit, loaded && tools_.enabled(Tool::SSRAutoFit));
  menus_.setEnabled(Menu::mnuPointsInCalculation, loaded && !tools_.down(Tool::SSRAutoFit));
}

void MainSession::autoFitOffSteps() {
  tools_[Tool::SSRIncreasePoints].enabled = dataLoaded() && !tools_.down(Tool::SSRMultiPlot);
  colourFittingLabels(colour::Black);
  // The panels of the mode go with it, and so does the selection of layers.
  panels_.autoFitPanelVisible = false;
  panels_.constrainPanelVisible = false;
  panels_.limitPanelVisible = false;
  updateFittingMenus();
}

void MainSession::SSRAutoFit_Click(bool down) {
  if (down) {
    tools_[Tool::SSRIncreasePoints].enabled = false;
    colourFittingLabels(colour::DarkBlue);
    panels_.autoFitPanelVisible = true;
    updateFittingMenus();
  } else {
    autoFitOffSteps();
  }
  fullRecalculation();
}

void MainSession::mnuAutoFit_Click() {
  if (fitRunning() || !tools_.enabled(Tool::SSRAutoFit)) return;
  tools_[Tool::SSRAutoFit].down = true;
  SSRAutoFit_Click(true);
}

void MainSession::optFitStandard_Click() {
  if (!fitRunning()) panels_.autoFitMode = AutoFitMode::Standard;
}

void MainSession::optFitConstrainThickness_Click() {
  if (!fitRunning()) panels_.autoFitMode = AutoFitMode::ConstrainThickness;
}

void MainSession::cmdAutoFitOK_Click() {
  if (fitRunning()) return;
  if (panels_.autoFitMode == AutoFitMode::ConstrainThickness) {
    resetConstraintBoxes();
    panels_.constrainPanelVisible = true;
  }
  panels_.autoFitPanelVisible = false;
  fullRecalculation();
}

void MainSession::cmdAutoFitCancel_Click() {
  if (fitRunning()) return;
  panels_.autoFitPanelVisible = false;
  tools_[Tool::SSRAutoFit].down = false;
  SSRAutoFit_Click(false);
}

// ---- Caption labels

void MainSession::lblThickness_Click(int i) {
  if (fitRunning() || !tools_.down(Tool::SSRAutoFit)) return;
  if (panels_.autoFitMode == AutoFitMode::Standard) {
    scanLabelClicked(thicknessOf(i));
    return;
  }
  // Selection of the layers of the constrained fit: red is selected.
  if (i < 1 || i > editor_.value({ScrollFamily::NumLayers})) return;
  int& colour = editor_.control(thicknessOf(i)).labelColour;
  colour = colour == colour::Red ? colour::DarkBlue : colour::Red;
}

void MainSession::lblSLD_Click(int i) { scanLabelClicked({ScrollFamily::SLD, i}); }
void MainSession::lblSolvent_Click(int i) { scanLabelClicked({ScrollFamily::Solvent, i}); }
void MainSession::lblRoughness_Click(int i) { scanLabelClicked({ScrollFamily::Roughness, i}); }

// ---- Constrained fit

void MainSession::resetConstraintBoxes() {
  const fitting::ConstraintDefaults d =
      fitting::constraintDefaults(thicknessRanges(editor_), editor_.value({ScrollFamily::NumLayers}));
  panels_.txtConstrainStart = std::to_string(d.start);
  panels_.txtConstrainFinish = std::to_string(d.finish);
}

void MainSession::setConstrainStartText(const std::string& text) {
  if (!fitRunning()) panels_.txtConstrainStart = text;
}

void MainSession::setConstrainFinishText(const std::string& text) {
  if (!fitRunning()) panels_.txtConstrainFinish = text;
}

void MainSession::cmdConstrainGO_Click() {
  if (fitRunning()) return;
  fitting::ConstrainedFitRequest request;
  request.numLayers = editor_.value({ScrollFamily::NumLayers});
  for (int k = 1; k <= request.numLayers; ++k)
    request.selected[static_cast<size_t>(k)] =
        editor_.control(thicknessOf(k)).labelColour == colour::Red;
  request.thicknessRange = thicknessRanges(editor_);
  request.startText = panels_.txtConstrainStart;
  request.finishText = panels_.txtConstrainFinish;
  const fitting::ConstrainedFitCheck check = fitting::planConstrainedFit(request);
  if (const auto* refusal = std::get_if<fitting::ConstrainedFitRefusal>(&check)) {
    switch (refusal->problem) {
      case fitting::ConstrainedFitProblem::StartAfterFinish: resetConstraintBoxes(); break;
      case fitting::ConstrainedFitProblem::TooManyLayers: panels_.limitPanelVisible = true; break;
      default:
        dialogs_.showMessage(
            {refusal->message, kMessageTitle, MessageIcon::Exclamation, MessageButtons::Ok});
        break;
    }
    return;
  }
  startConstrainedFit(std::get<fitting::ConstrainedFitPlan>(check));
}

void MainSession::cmdConstrainCancel_Click() {
  if (fitRunning()) return;
  panels_.constrainPanelVisible = false;
  tools_[Tool::SSRAutoFit].down = false;
  SSRAutoFit_Click(false);
}

void MainSession::cmdTooManyOK_Click() { panels_.limitPanelVisible = false; }

}  // namespace lumo::ui
