// The session's plot interaction: the mouse on the plots (read-outs, the Q range chosen
// with the left button and restored with the right one, the background picked in
// background mode), removing a data set, and the Y-range dialog.
#include "editor/TypedEntry.h"
#include "files/DisplayScale.h"
#include "files/JoinText.h"
#include "files/NumberText.h"
#include "fitting/ResidualText.h"
#include "plot/PlotPointer.h"
#include "plot/RangeSelection.h"
#include "ui/MainSession.h"

namespace lumo::ui {

int MainSession::dataSetOf(int p) const { return p == 0 ? currentPlot_ : p; }

PointerView MainSession::pointerView(int p) const {
  return {mapping_[static_cast<size_t>(dataSetOf(p))], storeHoldsLogX(), tools_.down(Tool::SSRLogY),
          p == 0};
}

RangeGrid MainSession::rangeGrid(int d) const {
  const DataSet& set = store_[d];
  // With data loaded the range is a range of measured points, also while the curves are
  // calculated on a grid; the start-up curves have only their grid.
  return {dataLoaded() ? &set.DataQ : &set.GridQ, set.NumPoints};
}

bool MainSession::dataSetReady(int d) const { return d >= 1 && d <= store_.NumDataSets; }

void MainSession::picPlot_MouseMove(int p, LogicalPoint at, bool leftHeld) {
  if (p < 0 || p >= kPlotSurfaces || !picPlot_[static_cast<size_t>(p)].visible() ||
      !dataSetReady(dataSetOf(p)))
    return;
  const bool dialogOpen = dataPanels_.background.visible || dataPanels_.scale.visible;
  interaction_.mouseMove(p, pointerView(p), at, leftHeld, tools_.down(Tool::SSRBackGroundSub),
                         dialogOpen);
}

void MainSession::picPlot_MouseLeave(int p) {
  if (p >= 0 && p < kPlotSurfaces) interaction_.mouseLeave(p);
}

void MainSession::picPlot_MouseDown(int p, MouseButton button, LogicalPoint at) {
  if (fitRunning() || p < 0 || p >= kPlotSurfaces || !picPlot_[static_cast<size_t>(p)].visible())
    return;
  const int d = dataSetOf(p);
  if (!dataSetReady(d)) return;
  const PointerView view = pointerView(p);
  if (tools_.down(Tool::SSRBackGroundSub)) {
    // The level under the pointer, as a linear reflectivity, goes to the dialog.
    if (!dataLoaded() || !insideData(view.mapping, at)) return;
    const double r = storedRAt(view.mapping, at.y);
    dataPanels_.background = {true, d, text::formatSci2(view.logY ? pow10Of(r) : r)};
    return;
  }
  if (button == MouseButton::Left) interaction_.startRange(p, d, view, at, store_[d], rangeGrid(d));
}

void MainSession::picPlot_MouseUp(int p, MouseButton button, LogicalPoint at) {
  // A release left over from a double click in a file dialog never changes a range.
  if (busy_ || fitRunning() || tools_.down(Tool::SSRBackGroundSub) || p < 0 || p >= kPlotSurfaces)
    return;
  const int d = dataSetOf(p);
  if (!dataSetReady(d) || !picPlot_[static_cast<size_t>(p)].visible()) return;
  DataSet& set = store_[d];
  if (button == MouseButton::Right) {
    interaction_.hideRangeLine(p);
    set.DataFirst = 1;
    set.DataLast = set.NumPoints;
    restoreSavedRanges(set, storeHoldsLogX(), tools_.down(Tool::SSRLogY));
    applyRange(p, d, false);
    return;
  }
  if (button != MouseButton::Left) return;
  const auto last = interaction_.endRange(p, pointerView(p), at, rangeGrid(d));
  if (!last) return;
  selectPoints(set, interaction_.RangeStart(d), *last);
  applyRange(p, d, true);
}

// The chosen range governs the calculation of data set d at once; with `fitRanges` the
// plot ranges become those of the chosen points (measured, or the start-up curve as now
// calculated); the surface that received the event is drawn anew.
void MainSession::applyRange(int p, int d, bool fitRanges) {
  DataSet& set = store_[d];
  // Curves on a grid keep their grid over loaded data; the start-up curves are
  // calculated on the chosen part of theirs.
  if (marker_ == "0" || !dataLoaded()) {
    set.CalcFirst = set.DataFirst;
    set.CalcLast = set.DataLast;
  }
  const int first = store_.FirstCalcSet, last = store_.LastCalcSet;
  store_.FirstCalcSet = store_.LastCalcSet = d;
  calculate();
  store_.FirstCalcSet = first;
  store_.LastCalcSet = last;
  // The cumulative residual stays the sum over every calculated set.
  cumulativeResidual_ = fitting::cumulativeResidualText(store_);
  const bool logY = tools_.down(Tool::SSRLogY);
  if (fitRanges && dataLoaded())
    fitRangesToPoints(set, set.DataQ, set.DataR, !storeHoldsLogX(), logY);
  else if (fitRanges)
    fitRangesToPoints(set, set.GridQ, set.CalcR, true, logY);
  redrawSurface(picPlot_[0].visible() ? 0 : p);
}

void MainSession::picDeletePlot_Click(int p) {
  const int n = store_.NumDataSets;
  if (fitRunning() || !dataLoaded() || n < 2 || p < 1 || p > n || picPlot_[0].visible()) return;
  if (dialogs_.showMessage({"Are You Sure ?", "Remove Plot", MessageIcon::Exclamation,
                            MessageButtons::OkCancel}) != MessageAnswer::Ok)
    return;
  hideDataDialogs();
  const bool saved = calcPaused_;
  calcPaused_ = true;
  for (int k = p; k < n; ++k) {
    store_[k] = store_[k + 1];
    mapping_[static_cast<size_t>(k)] = mapping_[static_cast<size_t>(k + 1)];
    interaction_.moveDataSet(k + 1, k);
    // The data set keeps the solvent it is calculated with.
    setScrollValue({ScrollFamily::SLDRun, k}, editor_.value({ScrollFamily::SLDRun, k + 1}));
  }
  calcPaused_ = saved;
  picPlot_[static_cast<size_t>(n)].setVisible(false);
  store_.NumDataSets = n - 1;
  store_.FirstCalcSet = 1;
  store_.LastCalcSet = n - 1;
  // Every per-point value of the calculation is made again from the sets as they now lie.
  recalculate();
  for (int k = 1; k < n; ++k) redrawSurface(k);
}

void MainSession::picEnlargePicture_Click(int p) {
  if (fitRunning()) return;
  if (p == 0 && tools_.down(Tool::SSRMultiPlot)) {
    toolClicked(Tool::SSRMultiPlot, false);
    return;
  }
  picEnlarge_Click(p);
}

void MainSession::PicYFix_Click(int p) {
  if (fitRunning()) return;
  const int d = picPlot_[0].visible() ? currentPlot_ : p;
  if (!dataSetReady(d)) return;
  dataPanels_.yRange = {true, d, tools_.down(Tool::SSRLogY), text::formatSci2(store_[d].YMin),
                        text::formatSci2(store_[d].YMax)};
}

void MainSession::setYFixTexts(const std::string& min, const std::string& max) {
  dataPanels_.yRange.minText = min;
  dataPanels_.yRange.maxText = max;
}

void MainSession::cmdOKYFix_Click() {
  YRangeDialog& dialog = dataPanels_.yRange;
  double min = 0, max = 0;
  const bool minRead = parseTypedNumber(dialog.minText, min);
  const bool maxRead = parseTypedNumber(dialog.maxText, max);
  // Whatever was typed, both boxes are emptied; an unusable pair keeps the dialog open.
  dialog.minText.clear();
  dialog.maxText.clear();
  const std::string prefix = dialog.logY ? "Log Y " : "Y ";
  if (!minRead || !maxRead) {
    showError(text::join("\"", prefix, minRead ? "Max" : "Min", "\" is not a number."));
    return;
  }
  if (!(max > min)) {
    showError(text::join("\"", prefix, "Max\" must be above \"", prefix, "Min\"."));
    return;
  }
  dialog.visible = false;
  if (!dataSetReady(dialog.dataSet)) return;
  store_[dialog.dataSet].YMax = static_cast<float>(max);
  store_[dialog.dataSet].YMin = static_cast<float>(min);
  redrawSequence();
}

void MainSession::cmdDefaultYFix_Click() {
  YRangeDialog& dialog = dataPanels_.yRange;
  dialog.visible = false;
  if (!dataSetReady(dialog.dataSet)) return;
  restoreSavedYRange(store_[dialog.dataSet], tools_.down(Tool::SSRLogY));
  redrawSequence();
}

void MainSession::cmdCancelYFix_Click() { dataPanels_.yRange.visible = false; }

}  // namespace lumo::ui
