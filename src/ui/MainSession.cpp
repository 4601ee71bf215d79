// The session's calculation and drawing: options, recalculation, the plot procedures,
// the redraw sequence, the curve refresh and the Shift pause.
#include "ui/MainSession.h"

#include "files/NumberText.h"
#include "fitting/ResidualText.h"
#include "plot/CombinedPlot.h"
#include "plot/DataPlot.h"
#include "plot/PlotFrame.h"
#include "plot/StandardColour.h"
#include "ui/FitJob.h"

namespace lumo::ui {

MainSession::MainSession(Dialogs& dialogs, WorkingFolder& folder, Clock* clock)
    : dialogs_(dialogs, folder),
      folder_(folder),
      ownClock_(clock ? nullptr : std::make_unique<SteadyClock>()),
      controller_(clock ? *clock : *ownClock_) {}

MainSession::~MainSession() = default;

CalcOptions MainSession::calcOptions() const {
  CalcOptions o;
  o.gridMode = marker_ != "0";
  o.gridPoints = gridPoints_;
  o.logX = storeHoldsLogX();
  o.logY = tools_.down(Tool::SSRLogY);
  o.residualOn = tools_.down(Tool::SSRResidual);
  o.measure = panels_.measure;
  o.exactQ = calcSettings_.exactQ;
  o.resolution = {calcSettings_.resolutionPercent, calcSettings_.resolutionFromData};
  return o;
}

namespace {

void storeScrollValue(LayerModel& model, const LayerEditorState& editor, ScrollId id) {
  const int v = editor.value(id);
  const auto i = static_cast<size_t>(id.index);
  switch (id.family) {
    case ScrollFamily::Thickness: model.Thickness[i] = static_cast<float>(v); break;
    case ScrollFamily::SLD: model.LayerSLD[i] = static_cast<float>(v * 1e-8); break;
    case ScrollFamily::Solvent: model.SolventFraction[i] = static_cast<float>(v / 100.0); break;
    case ScrollFamily::Roughness: model.Roughness[i] = static_cast<float>(v); break;
    case ScrollFamily::SolidSLD: model.IncidentSLD = static_cast<float>(v * 1e-8); break;
    case ScrollFamily::SLDRun: model.SolventSLD[i] = static_cast<float>(v * 1e-8); break;
    case ScrollFamily::NumLayers: model.NumLayers = v; break;
    case ScrollFamily::WhichLayers: break;
  }
}

}  // namespace

void fillModelFromScrollBars(LayerModel& model, const LayerEditorState& editor) {
  model.NumLayers = editor.value({ScrollFamily::NumLayers});
  model.IncidentSLD = static_cast<float>(editor.value({ScrollFamily::SolidSLD}) * 1e-8);
  for (int k = 1; k <= kMaxContrasts; ++k)
    model.SolventSLD[k] = static_cast<float>(editor.value({ScrollFamily::SLDRun, k}) * 1e-8);
  for (int i = 0; i <= kMaxLayers; ++i) {
    storeScrollValue(model, editor, {ScrollFamily::Roughness, i});
    if (i == 0) continue;
    storeScrollValue(model, editor, {ScrollFamily::Thickness, i});
    storeScrollValue(model, editor, {ScrollFamily::SLD, i});
    storeScrollValue(model, editor, {ScrollFamily::Solvent, i});
  }
}

void MainSession::syncModelFromScrollBars() { fillModelFromScrollBars(model_, editor_); }

void MainSession::storeParameter(ScrollId id) { storeScrollValue(model_, editor_, id); }

void MainSession::calculate() {
  // With no data set there is nothing to calculate, and the calculated range may still
  // name slots of data that were closed.
  if (store_.NumDataSets < 1) return;
  engine_.Prof_Calc_2(model_, store_, calcOptions());
  // The sum of every set's last residual, recomputed or not, and the points that the
  // chi-squared sums had to leave out.
  cumulativeResidual_ = fitting::cumulativeResidualText(store_);
  ++calculations_;
}

void MainSession::recalculate() {
  if (store_.NumDataSets < 1) return;
  syncModelFromScrollBars();
  engine_.Prof_Calc_1(model_, store_, calcOptions());
  calculate();
}

bool MainSession::combinedPlotOn(int p) const { return p == 0 && tools_.down(Tool::SSRMultiPlot); }

void MainSession::PlotIt_Data(int PlotNum) {
  const int p = PlotNum;
  plotDataOn(picPlot_[static_cast<size_t>(p)], p, storeHoldsLogX());
}

void MainSession::plotDataOn(PlotSurface& surface, int p, bool logXAxis) {
  const int d = p == 0 ? currentPlot_ : p;
  surface.clear();
  DataSet& set = store_[d];
  // Without data the passes draw nothing (with the start-up curves, say).
  DataPasses passes{tools_.down(Tool::SSRPoints), tools_.down(Tool::SSRLine),
                    tools_.down(Tool::SSRErrorBars)};
  if (!dataLoaded()) passes = {false, false, false};
  FrameGeometry frame;
  if (combinedPlotOn(p)) {
    // One mapping for every set, spanning them all, so that all line up with the axes.
    const CombinedContent content{fittingOn(), curveSource(), tools_.down(Tool::SSRLogY)};
    frame = drawCombinedData(surface, store_, store_.NumDataSets, passes, logXAxis, content);
  } else {
    frame = computeFrame(set);
    surface.setLogicalSize(frame.width, frame.height);
    drawDataPasses(surface, set, frame.mapping, passes);
    drawFrame(surface, set, frame, logXAxis);
  }
  mapping_[static_cast<size_t>(d)] = frame.mapping;
  xTicksPerUnit_ = frame.xTicks.perUnit;
  yTicksPerUnit_ = frame.yTicks.perUnit;
}

CurveSource MainSession::curveSource() const { return {marker_ != "0", storeHoldsLogX()}; }

void MainSession::PlotIt_Fit(int PlotNum) {
  const int p = PlotNum;
  const int d = p == 0 ? currentPlot_ : p;
  PlotSurface& surface = picPlot_[static_cast<size_t>(p)];
  const PlotMapping& m = mapping_[static_cast<size_t>(d)];
  if (combinedPlotOn(p)) {
    drawCombinedCurves(surface, store_, store_.NumDataSets, m, curveSource());
    return;
  }
  drawCurve(surface, store_[d], m, curveSource());
  if (!tools_.down(Tool::SSRResidual)) return;
  ResidualLabel& label = panels_.lblResidual[static_cast<size_t>(p)];
  label.caption = fitting::setResidualText(store_[d]);
  // The label sits under the background label; the enlarged plot's is never shown.
  if (p != 0 && label.visible)
    surface.addText({cornerLabelAnchor(m), label.caption, HAlign::Right, VAlign::Top,
                     TextRole::Residual, colour::Black, 1});
}

void MainSession::redrawSurface(int p) {
  PlotSurface& surface = picPlot_[static_cast<size_t>(p)];
  surface.setPersistentDrawing(true);
  surface.clear();
  PlotIt_Data(p);
  surface.setPersistentDrawing(false);
  if (fittingOn()) PlotIt_Fit(p);
}

void MainSession::redrawSequence() {
  if (picPlot_[0].visible()) {
    redrawSurface(0);
    return;
  }
  for (int k = 1; k <= store_.NumDataSets; ++k) redrawSurface(k);
}

void MainSession::curveRefresh() {
  auto refresh = [this](int p) {
    PlotSurface& surface = picPlot_[static_cast<size_t>(p)];
    surface.setPersistentDrawing(false);
    surface.clear();
    PlotIt_Fit(p);
  };
  if (picPlot_[0].visible()) {
    refresh(0);
    return;
  }
  for (int k = 1; k <= store_.NumDataSets; ++k) refresh(k);
}

void MainSession::Form_KeyDown(int keyCode, int /*shift*/) {
  if (keyCode == kEscapeKey) {
    cancelFit();
    return;
  }
  if (fitRunning() || !fittingOn() || keyCode != kShiftKey) return;
  calcPaused_ = true;
  tools_[Tool::SSCPause].visible = true;
  tools_[Tool::SSRFitting].visible = false;
}

void MainSession::Form_KeyUp(int keyCode, int /*shift*/) {
  if (!fittingOn() || keyCode != kShiftKey) return;
  calcPaused_ = false;
  tools_[Tool::SSCPause].visible = false;
  tools_[Tool::SSRFitting].visible = true;
  recalculate();
  curveRefresh();
}

void MainSession::fullRecalculation() {
  Form_KeyDown(kShiftKey, 0);
  Form_KeyUp(kShiftKey, 0);
}

}  // namespace lumo::ui
