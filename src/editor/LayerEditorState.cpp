#include "editor/LayerEditorState.h"

#include <stdexcept>
#include <utility>

#include "files/NumberText.h"

namespace lumo {
namespace {

ParameterControl laidOut(int min, int max, int largeChange, int value, ScrollFamily family) {
  ParameterControl c;
  c.bar = ScrollBar{min, max, 1, largeChange, value};
  c.text = LayerEditorState::textForm(family, value);
  return c;
}

// Shortest text of a value with a zero before a leading decimal point ("-0.56").
std::string withLeadingZero(std::string text) {
  if (text.rfind(".", 0) == 0) return "0" + text;
  if (text.rfind("-.", 0) == 0) return "-0" + text.substr(1);
  return text;
}

}  // namespace

LayerEditorState::LayerEditorState() {
  for (int i = 0; i <= kMaxLayers; ++i) {
    const auto k = static_cast<size_t>(i);
    thickness_[k] = laidOut(0, 50, 5, 0, ScrollFamily::Thickness);
    sld_[k] = laidOut(-100, 800, 10, 0, ScrollFamily::SLD);
    solvent_[k] = laidOut(0, 100, 5, 0, ScrollFamily::Solvent);
    roughness_[k] = laidOut(0, i == 0 ? 100 : 50, 5, 1, ScrollFamily::Roughness);
  }
  for (auto& run : sldRun_) run = laidOut(-1000, 1000, 50, 0, ScrollFamily::SLDRun);
  solidSLD_ = laidOut(-1000, 1000, 50, 0, ScrollFamily::SolidSLD);
  numLayers_ = laidOut(1, kMaxLayers, 1, 2, ScrollFamily::NumLayers);
  whichLayers_ = laidOut(1, kMaxLayers - kVisibleLayerPanels + 1, 6, 1, ScrollFamily::WhichLayers);
}

ParameterControl& LayerEditorState::control(ScrollId id) {
  return const_cast<ParameterControl&>(std::as_const(*this).control(id));
}

const ParameterControl& LayerEditorState::control(ScrollId id) const {
  const auto k = static_cast<size_t>(id.index);
  auto pick = [&](const auto& family) -> const ParameterControl& {
    if (k >= family.size()) throw std::out_of_range("editor control index");
    return family[k];
  };
  switch (id.family) {
    case ScrollFamily::Thickness: return pick(thickness_);
    case ScrollFamily::SLD: return pick(sld_);
    case ScrollFamily::Solvent: return pick(solvent_);
    case ScrollFamily::Roughness: return pick(roughness_);
    case ScrollFamily::SLDRun: return pick(sldRun_);
    case ScrollFamily::SolidSLD: return solidSLD_;
    case ScrollFamily::NumLayers: return numLayers_;
    case ScrollFamily::WhichLayers: return whichLayers_;
  }
  throw std::out_of_range("editor control family");
}

std::string LayerEditorState::textForm(ScrollFamily family, int value) {
  if (typedScale(family) == 1) return std::to_string(value);
  return withLeadingZero(text::shortestDouble(value / 100.0));
}

double LayerEditorState::typedScale(ScrollFamily family) {
  return family == ScrollFamily::SLD || family == ScrollFamily::SolidSLD ||
                 family == ScrollFamily::SLDRun
             ? 100.0
             : 1.0;
}

bool LayerEditorState::acceptsTypedEntry(ScrollFamily family) {
  return family == ScrollFamily::Thickness || family == ScrollFamily::SLD ||
         family == ScrollFamily::Solvent || family == ScrollFamily::Roughness;
}

bool LayerEditorState::layerVisible(int layer) const {
  const int first = firstVisibleLayer();
  return layer >= first && layer < first + kVisibleLayerPanels;
}

}  // namespace lumo
