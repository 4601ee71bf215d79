// The session's display commands: the Calculate-Fit switch with the start-up curves,
// the calculation grid, the log axes, the data display switches and the combined plot.
#include "editor/TypedEntry.h"
#include "files/DisplayScale.h"
#include "model/CalcGrid.h"
#include "ui/MainSession.h"

namespace lumo::ui {

void MainSession::setMarker(const std::string& marker) {
  marker_ = marker;
  // The button shows whether the curves are calculated on a grid.
  tools_[Tool::SSRIncreasePoints].down = marker_ != "0";
}

void MainSession::SetUpDummyData() {
  setUpDummyData(store_, tools_.down(Tool::SSRLogY));
  // The start-up plots carry no title or background of data closed earlier.
  for (int ds = 1; ds <= kMaxDataSets; ++ds) {
    store_[ds].DataTitle.clear();
    store_[ds].Background = 0.0f;
  }
  gridPoints_ = kStartUpGridPoints;
  pointsText_ = std::to_string(kStartUpGridPoints);
  for (int ds = 1; ds <= kMaxDataSets; ++ds) picPlot_[static_cast<size_t>(ds)].setVisible(true);
  const bool saved = calcPaused_;
  calcPaused_ = true;
  for (int k = 1; k <= kMaxContrasts; ++k)
    setScrollValue({ScrollFamily::SLDRun, k}, kStartUpSolventSLD[k]);
  calcPaused_ = saved;
}

void MainSession::SSRFitting_Click(bool down) {
  // The menu's check marks follow the switch, with or without data.
  menus_.setChecked(Menu::mnuOn, down);
  menus_.setChecked(Menu::mnuOff, !down);
  const bool loaded = dataLoaded();
  if (down && !loaded) {
    setMarker("1");
    SetUpDummyData();
    recalculate();
    for (int ds = 1; ds <= kMaxDataSets; ++ds) redrawSurface(ds);
  } else if (down) {
    recalculate();
    redrawSequence();
  } else if (!loaded) {
    for (PlotSurface& s : picPlot_) {
      s.setPersistentDrawing(true);
      s.clear();
      s.setPersistentDrawing(false);
      s.setVisible(false);
    }
  } else {
    redrawSequence();
  }
}

void MainSession::SSRIncreasePoints_Click() {
  pointsText_ = "50";
  pointsPanelVisible_ = true;
  setMarker(marker_);
}

void MainSession::cmdIncreasePointsOK_Click() {
  if (fitRunning()) return;
  double typed = 0;
  const int points = parseTypedNumber(pointsText_, typed) ? roundHalfEven(typed) : 0;
  if (!isValidGridPointCount(points)) {
    pointsText_ = "50";
    return;
  }
  // Raised, with their switching-off steps (the recalculation follows below).
  if (tools_.down(Tool::SSRResidual)) residualOffSteps();
  if (tools_.down(Tool::SSRAutoFit)) {
    tools_[Tool::SSRAutoFit].down = false;
    autoFitOffSteps();
  }
  for (Tool t : {Tool::SSRResidual, Tool::SSRAutoFit}) {
    tools_[t].enabled = false;
    tools_[t].down = false;
  }
  updateFittingMenus();
  setMarker("1");
  gridPoints_ = points;
  buildDataRangeGrids(store_, points, storeHoldsLogX());
  pointsPanelVisible_ = false;
  recalculate();
  redrawSequence();
}

void MainSession::cmdIncreasePointsCancel_Click() {
  if (fitRunning()) return;
  tools_[Tool::SSRResidual].enabled = true;
  tools_[Tool::SSRResidual].down = false;
  tools_[Tool::SSRAutoFit].enabled = true;
  updateFittingMenus();
  setMarker("0");
  pointsPanelVisible_ = false;
  recalculate();
  redrawSequence();
}

void MainSession::SSRLogX_Click(bool down) {
  if (store_.NumDataSets < 1) return;
  menus_.setChecked(Menu::mnuLogX, down);
  if (!dataLoaded()) return;
  for (int i = 1; i <= store_.NumDataSets; ++i) down ? toLogX(store_[i]) : fromLogX(store_[i]);
  redrawSequence();
}

void MainSession::SSRLogY_Click(bool down) {
  if (store_.NumDataSets < 1) return;
  menus_.setChecked(Menu::mnuLogY, down);
  const bool loaded = dataLoaded();
  for (int i = 1; i <= store_.NumDataSets; ++i)
    down ? toLogY(store_[i], loaded) : fromLogY(store_[i], loaded);
  // The curves are held in the representation they were calculated in.
  if (loaded) {
    recalculate();
    redrawSequence();
    return;
  }
  bool recalculated = false;
  for (int p = 0; p < kPlotSurfaces; ++p) {
    if (!picPlot_[static_cast<size_t>(p)].visible()) continue;
    if (!recalculated) recalculate();
    recalculated = true;
    redrawSurface(p);
  }
}

void MainSession::displaySwitched(Menu item, bool down) {
  menus_.setChecked(item, down);
  if (dataLoaded()) redrawSequence();
}

void MainSession::SSRMultiPlot_Click(bool down) {
  menus_.setChecked(Menu::mnuMultiPlot, down);
  picEnlarge_Click(down ? 1 : 0);
  // Back on the small plots, a command comes back only where it applies: the data
  // commands with data loaded, the residual and automatic fitting on the data's own
  // points, the grid while automatic fitting is off.
  const bool loaded = dataLoaded(), onPoints = marker_ == "0";
  const bool autoFit = tools_.down(Tool::SSRAutoFit);
  tools_[Tool::SSRAutoFit].enabled = !down && onPoints;
  tools_[Tool::SSRResidual].enabled = !down && loaded && onPoints;
  for (Tool t : {Tool::SSRBackGroundSub, Tool::SSRScaleFactor, Tool::SSRRemoveNegatives,
                 Tool::SSCReload})
    tools_[t].enabled = !down && loaded;
  tools_[Tool::SSRIncreasePoints].enabled = !down && loaded && !autoFit;
  updateFittingMenus();
}

void MainSession::picEnlarge_Click(int p) {
  // The calculated sets belong to a running fit's copy; the view waits for it.
  if (fitRunning()) return;
  if (p >= 1) {
    // Only a data set that is there can be enlarged.
    if (p > store_.NumDataSets) return;
    currentPlot_ = p;
    // The combined plot shows every set's curve; an enlarged set its own.
    const bool combined = tools_.down(Tool::SSRMultiPlot);
    store_.FirstCalcSet = combined ? 1 : p;
    store_.LastCalcSet = combined ? store_.NumDataSets : p;
    yFixVisible_[0] = yFixVisible_[static_cast<size_t>(p)];
    for (int k = 1; k <= kMaxDataSets; ++k) picPlot_[static_cast<size_t>(k)].setVisible(false);
    picPlot_[0].setVisible(true);
    redrawSurface(0);
    return;
  }
  if (!picPlot_[0].visible()) return;
  store_.FirstCalcSet = 1;
  store_.LastCalcSet = store_.NumDataSets;
  recalculate();
  picPlot_[0].setVisible(false);
  for (int k = 1; k <= store_.NumDataSets; ++k) {
    picPlot_[static_cast<size_t>(k)].setVisible(true);
    redrawSurface(k);
  }
}

}  // namespace lumo::ui
