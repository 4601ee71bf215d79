#include "ui/RefinePanel.h"

#include "fitting/RefineParameter.h"
#include "fitting/RefineReport.h"

namespace lumo::ui {
namespace {

size_t familySlot(ScrollFamily family) { return static_cast<size_t>(parameterFamily(family)); }

bool isLayerParameter(ScrollId id) {
  const bool layerFamily = id.family == ScrollFamily::Thickness || id.family == ScrollFamily::SLD ||
                           id.family == ScrollFamily::Solvent || id.family == ScrollFamily::Roughness;
  const int first = id.family == ScrollFamily::Roughness ? 0 : 1;
  return layerFamily && id.index >= first && id.index <= kMaxLayers;
}

}  // namespace

fitting::ParameterFamily parameterFamily(ScrollFamily family) {
  switch (family) {
    case ScrollFamily::SLD: return fitting::ParameterFamily::SLD;
    case ScrollFamily::Solvent: return fitting::ParameterFamily::Solvent;
    case ScrollFamily::Roughness: return fitting::ParameterFamily::Roughness;
    default: return fitting::ParameterFamily::Thickness;
  }
}

bool RefinePanel::ticked(ScrollId id) const {
  return isLayerParameter(id) && ticks[familySlot(id.family)][static_cast<size_t>(id.index)];
}

void RefinePanel::setTicked(ScrollId id, bool on) {
  if (isLayerParameter(id)) ticks[familySlot(id.family)][static_cast<size_t>(id.index)] = on;
}

std::vector<RefineChoice> RefinePanel::choices(int numLayers) const {
  std::vector<RefineChoice> out;
  const auto add = [&](ScrollId id) {
    out.push_back({id, fitting::parameterName(parameterFamily(id.family), id.index), ticked(id)});
  };
  add({ScrollFamily::Roughness, 0});
  for (int layer = 1; layer <= numLayers; ++layer)
    for (ScrollFamily family : kLayerFamilies) add({family, layer});
  return out;
}

std::string refineMeasureCaption(ResidualMeasure measure) {
  return "Measure: " + fitting::measureCaption(measure);
}

}  // namespace lumo::ui
