// The session's layer editor handlers: scroll-bar changes, typed entry, geometry
// options, the layer count and the paging of layer panels.
#include "editor/TypedEntry.h"
#include "plot/StandardColour.h"
#include "ui/MainSession.h"

namespace lumo::ui {

void MainSession::setScrollValue(ScrollId id, int value) {
  ScrollBar& bar = editor_.bar(id);
  const int v = bar.clamp(value);
  if (v == bar.Value) return;
  bar.Value = v;
  dispatchScrollChange(id);
}

void MainSession::dispatchScrollChange(ScrollId id) {
  switch (id.family) {
    case ScrollFamily::Thickness:
    case ScrollFamily::SLD:
    case ScrollFamily::Solvent:
    case ScrollFamily::Roughness: layerParameterChanged(id); break;
    case ScrollFamily::SolidSLD: hsbSolidSLD_Change(); break;
    case ScrollFamily::SLDRun: hsbSLDRun_Change(id.index); break;
    case ScrollFamily::NumLayers: hsbNumLayers_Change(); break;
    case ScrollFamily::WhichLayers: hsbWhichLayers_Change(); break;
  }
}

void MainSession::layerParameterChanged(ScrollId id) {
  ParameterControl& c = editor_.control(id);
  c.text = LayerEditorState::textForm(id.family, c.bar.Value);
  storeParameter(id);
  if (calcPaused_ || !fittingOn() || store_.NumDataSets < 1) return;
  // A layer beyond the count is not part of the model; its value changes nothing.
  if (id.index > model_.NumLayers) return;
  switch (id.family) {
    case ScrollFamily::Thickness: engine_.Prof_Calc_1_ThicknessChange(model_, store_, id.index); break;
    case ScrollFamily::SLD: engine_.Prof_Calc_1_SLDChange(model_, store_, id.index); break;
    case ScrollFamily::Solvent: engine_.Prof_Calc_1_SolventChange(model_, store_, id.index); break;
    default: engine_.Prof_Calc_1_RoughnessChange(id.index); break;
  }
  calculate();
  curveRefresh();
}

void MainSession::hsbSolidSLD_Change() {
  const ScrollId id{ScrollFamily::SolidSLD};
  editor_.control(id).text = LayerEditorState::textForm(id.family, editor_.value(id));
  storeParameter(id);
  if (calcPaused_ || !fittingOn()) return;
  recalculate();
  curveRefresh();
}

void MainSession::hsbSLDRun_Change(int k) {
  const ScrollId id{ScrollFamily::SLDRun, k};
  editor_.control(id).text = LayerEditorState::textForm(id.family, editor_.value(id));
  if (calcPaused_ || !fittingOn()) return;
  recalculate();
  curveRefresh();
}

void MainSession::txtParameter_GotFocus(ScrollId id) {
  double v = 0;
  if (parseTypedNumber(editor_.control(id).text, v)) editor_.FocusValue = static_cast<float>(v);
}

void MainSession::txtParameter_LostFocus(ScrollId id, const std::string& typed) {
  if (!LayerEditorState::acceptsTypedEntry(id.family)) return;
  ParameterControl& c = editor_.control(id);
  const TypedEntry entry = applyTypedEntry(typed, c.bar, LayerEditorState::typedScale(id.family),
                                           editor_.FocusValue);
  setScrollValue(id, entry.scrollValue);
  // The box always ends showing its scroll bar's value, also when the typed value
  // rounds to the value the bar already held (which runs no change handler).
  c.text = LayerEditorState::textForm(id.family, c.bar.Value);
}

void MainSession::optAirLiquid_Click() {
  editor_.optSolidLiquid = false;
  setScrollValue({ScrollFamily::SolidSLD}, 0);
}

void MainSession::optSolidLiquid_Click() {
  editor_.optSolidLiquid = true;
  setScrollValue({ScrollFamily::SolidSLD}, 207);
}

void MainSession::resetLayerControls(int layer) {
  for (ScrollFamily family : kLayerFamilies) {
    const ScrollId id{family, layer};
    setScrollValue(id, 0);
    // A range without 0 keeps its nearest end; the box shows what the bar holds.
    editor_.control(id).text = LayerEditorState::textForm(family, editor_.value(id));
  }
}

void MainSession::colourLayerLabels(int layer, int colour) {
  for (ScrollFamily family : kLayerFamilies) editor_.control({family, layer}).labelColour = colour;
}

void MainSession::hsbNumLayers_Change() {
  const ScrollId id{ScrollFamily::NumLayers};
  editor_.control(id).text = LayerEditorState::textForm(id.family, editor_.value(id));
  model_.NumLayers = editor_.value(id);
  const bool saved = calcPaused_;
  calcPaused_ = true;
  const int n = model_.NumLayers, previous = editor_.PrevNumLayers;
  const bool autoFit = tools_.down(Tool::SSRAutoFit);
  for (int i = previous + 1; i <= n; ++i) {
    editor_.setLayerEnabled(i, true);
    resetLayerControls(i);
    if (autoFit) colourLayerLabels(i, colour::DarkBlue);
  }
  for (int i = n + 1; i <= previous; ++i) {
    editor_.setLayerEnabled(i, false);
    resetLayerControls(i);
    if (autoFit) colourLayerLabels(i, colour::Black);
  }
  editor_.PrevNumLayers = n;
  calcPaused_ = saved;
  if (calcPaused_ || !fittingOn()) return;
  recalculate();
  curveRefresh();
}

// The visible page follows the scroll value; the view places the six panels.
void MainSession::hsbWhichLayers_Change() {}

}  // namespace lumo::ui
