#pragma once
// The fitting frames of the main window as state: the residual option panel with the
// residual labels, the automatic-fitting panel, the constrained-fit panel and its limit
// panel. The window shows them; the session's handlers change them.
#include <array>
#include <string>

#include "files/DataSet.h"
#include "model/CalcOptions.h"

namespace lumo::ui {

// A residual label on a small plot: lblResidual(1..4). Index 0 belongs to the enlarged
// plot and is never shown.
struct ResidualLabel {
  bool visible = false;
  std::string caption;
};

// The option group of the automatic-fitting panel ("Multi Fit" is shown disabled).
enum class AutoFitMode { Standard, ConstrainThickness };

struct FittingPanels {
  // Residual option panel: optChiSquared / optLeastSquares (least squares at start).
  bool residualPanelVisible = false;
  ResidualMeasure measure = ResidualMeasure::LeastSquares;
  std::array<ResidualLabel, kMaxDataSets + 1> lblResidual{};
  // The frame with "Cumulative Residual:" and lblCumulativeResidual.
  bool cumulativeFrameVisible = false;

  // Automatic-fitting panel: optFitStandard / optFitConstrainThickness.
  bool autoFitPanelVisible = false;
  AutoFitMode autoFitMode = AutoFitMode::Standard;

  // Constrained-fit panel and the limit panel of at most five layers.
  bool constrainPanelVisible = false;
  std::string txtConstrainStart;
  std::string txtConstrainFinish;
  bool limitPanelVisible = false;
};

}  // namespace lumo::ui
