#pragma once
// The refinement panel as state: which layer parameters are ticked, the seed box, and
// the results table of the last finished refinement. The window shows it; the session's
// handlers change it.
#include <array>
#include <string>
#include <vector>

#include "editor/LayerEditorState.h"
#include "fitting/LayerParameter.h"
#include "model/CalcOptions.h"
#include "model/LayerModel.h"

namespace lumo::ui {

// One tick box of the panel: a layer parameter of the layers in use.
struct RefineChoice {
  ScrollId id;
  std::string name;  // "Thickness Layer 1", "Roughness Layer 0"
  bool ticked = false;
};

// One row of the results table: the parameter and "12 ± 0.35 Å" or
// "4 (not determined by the data)".
struct RefineResultRow {
  std::string name;
  std::string value;
};

struct RefinePanel {
  bool visible = false;
  std::string seedText = "1";
  // The table of the last finished refinement; empty before one and after a change of
  // the ticks, the measure or the layers would make it describe another run.
  std::vector<RefineResultRow> results;
  std::string summary;  // "Chi Squared 4.8312E+02 over 483 points, 2 parameters refined"

  // Ticks by family (kLayerFamilies order) and layer 0..kMaxLayers; only roughness has a
  // layer 0. A tick of a layer beyond the count is kept for when the layer comes back.
  std::array<std::array<bool, kMaxLayers + 1>, 4> ticks{};

  bool ticked(ScrollId id) const;
  void setTicked(ScrollId id, bool on);
  // The tick boxes of a model of `numLayers` layers: "Roughness Layer 0", then per layer
  // thickness, SLD, % solvent and roughness.
  std::vector<RefineChoice> choices(int numLayers) const;
};

// The fitting family of a layer scroll bar (thickness, SLD, solvent or roughness).
fitting::ParameterFamily parameterFamily(ScrollFamily family);

// The caption of the measure the refinement uses: "Measure: Chi Squared".
std::string refineMeasureCaption(ResidualMeasure measure);

}  // namespace lumo::ui
