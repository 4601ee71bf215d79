#include "fitting/LayerParameter.h"

namespace lumo::fitting {

float modelValueOf(ParameterFamily family, int scrollValue) {
  switch (family) {
    case ParameterFamily::SLD:
      return static_cast<float>(scrollValue * 1e-8);
    case ParameterFamily::Solvent:
      return static_cast<float>(scrollValue / 100.0);
    case ParameterFamily::Thickness:
    case ParameterFamily::Roughness:
      break;
  }
  return static_cast<float>(scrollValue);
}

bool isParameterOf(const LayerModel& model, ParameterFamily family, int index) {
  const int first = family == ParameterFamily::Roughness ? 0 : 1;
  return index >= first && index <= model.NumLayers && model.NumLayers <= kMaxLayers;
}

void storeScrollValue(LayerModel& model, ParameterFamily family, int index, int scrollValue) {
  const auto at = static_cast<size_t>(index);
  const float value = modelValueOf(family, scrollValue);
  switch (family) {
    case ParameterFamily::Thickness:
      model.Thickness[at] = value;
      break;
    case ParameterFamily::SLD:
      model.LayerSLD[at] = value;
      break;
    case ParameterFamily::Solvent:
      model.SolventFraction[at] = value;
      break;
    case ParameterFamily::Roughness:
      model.Roughness[at] = value;
      break;
  }
}

void prepareAfterChange(ReflectivityEngine& engine, const LayerModel& model, const DataStore& store,
                        ParameterFamily family, int index) {
  switch (family) {
    case ParameterFamily::Thickness:
      engine.Prof_Calc_1_ThicknessChange(model, store, index);
      break;
    case ParameterFamily::SLD:
    case ParameterFamily::Solvent:
      engine.Prof_Calc_1_SolventChange(model, store, index);
      break;
    case ParameterFamily::Roughness:
      engine.Prof_Calc_1_RoughnessChange(index);
      break;
  }
}

}  // namespace lumo::fitting
