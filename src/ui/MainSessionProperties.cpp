// The session's scroll-bar properties dialog: the boxes of one layer's four bars, the
// layer selector, "&Set", "&Default" and "&OK".
#include <algorithm>

#include "ui/MainSession.h"

namespace lumo::ui {
namespace {

ScrollId layerBar(size_t family, int layer) { return {kLayerFamilies[family], layer}; }

}  // namespace

void MainSession::fillPropertyBoxes(int layer) {
  LayerBars bars{};
  for (size_t f = 0; f < bars.size(); ++f) bars[f] = editor_.bar(layerBar(f, layer));
  properties_.fill(bars);
}

void MainSession::SSCSetProperties_Click() {
  if (fitRunning()) return;
  properties_.whichLayer = 1;
  fillPropertyBoxes(1);
  properties_.visible = true;
}

void MainSession::hsbWhichLayerProperties_Change(int layer) {
  properties_.whichLayer = std::clamp(layer, 1, kMaxLayers);
  fillPropertyBoxes(properties_.whichLayer);
}

void MainSession::setPropertyText(ScrollFamily family, ScrollProperty property, const std::string& text) {
  properties_.box(family, property) = text;
}

bool MainSession::readPropertyBoxes(LayerBars& bars) {
  const PropertiesInput in = properties_.read();
  if (!in.fault.empty()) {
    dialogs_.showMessage({in.fault + "\nNo scroll bar was changed.", kMessageTitle,
                          MessageIcon::Exclamation, MessageButtons::Ok});
    return false;
  }
  bars = in.bars;
  return true;
}

void MainSession::applyBarProperties(const std::vector<ScrollId>& ids, const LayerBars& bars) {
  // A value outside its new range moves to the range's nearest end through its change
  // handler, so the model always equals the bars; the calculation runs once at the end.
  const bool saved = calcPaused_;
  calcPaused_ = true;
  bool moved = false;
  for (const ScrollId& id : ids) {
    const size_t f = static_cast<size_t>(std::find(std::begin(kLayerFamilies), std::end(kLayerFamilies), id.family) -
                                         std::begin(kLayerFamilies));
    const int before = editor_.value(id);
    setScrollProperties(id, bars[f]);
    moved = moved || editor_.value(id) != before;
  }
  calcPaused_ = saved;
  if (!moved || calcPaused_ || !fittingOn()) return;
  recalculate();
  curveRefresh();
}

void MainSession::cmdSetProperties_Click() {
  if (fitRunning()) return;
  LayerBars bars{};
  if (!readPropertyBoxes(bars)) return;
  std::vector<ScrollId> ids;
  for (size_t f = 0; f < bars.size(); ++f) ids.push_back(layerBar(f, properties_.whichLayer));
  applyBarProperties(ids, bars);
}

void MainSession::cmdDefault_Click() {
  if (fitRunning()) return;
  properties_.fillDefaults();
  LayerBars bars{};
  if (!readPropertyBoxes(bars)) return;
  std::vector<ScrollId> ids;
  for (int k = 1; k <= kMaxLayers; ++k)
    for (size_t f = 0; f < bars.size(); ++f) ids.push_back(layerBar(f, k));
  // "Roughness Layer 0" takes the roughness row too.
  ids.push_back({ScrollFamily::Roughness, 0});
  applyBarProperties(ids, bars);
}

void MainSession::CmdOK2_Click() {
  properties_.visible = false;
  redrawSequence();
}

}  // namespace lumo::ui
