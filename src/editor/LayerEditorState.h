#pragma once
// The layer editor's controls as state: every scroll bar with the text box and caption
// label colour paired with it, the layer panels' enabled states, the geometry option,
// the page of layers shown, FocusValue and PrevNumLayers.
//
// The scroll values are the master copy of the layer model; the window's widgets show
// this state and report the user's changes to the session.
#include <array>
#include <string>

#include "editor/ScrollBar.h"
#include "model/LayerModel.h"

namespace lumo {

// The families of scroll bars. Layer families are indexed by layer 1..20 (roughness
// also 0, "Roughness Layer 0"); SLDRun by contrast 1..4; the others have no index.
enum class ScrollFamily { Thickness, SLD, Solvent, Roughness, SolidSLD, SLDRun, NumLayers, WhichLayers };

struct ScrollId {
  ScrollFamily family = ScrollFamily::Thickness;
  int index = 0;
  bool operator==(const ScrollId&) const = default;
};

// The four parameters of a layer panel.
inline constexpr ScrollFamily kLayerFamilies[] = {ScrollFamily::Thickness, ScrollFamily::SLD,
                                                  ScrollFamily::Solvent, ScrollFamily::Roughness};

struct ParameterControl {
  ScrollBar bar;
  std::string text;     // the text box
  int labelColour = 0;  // standard colour number of the caption label
};

inline constexpr int kVisibleLayerPanels = 6;

class LayerEditorState {
 public:
  // The controls as laid out, before the window's start-up sets the default model.
  LayerEditorState();

  ParameterControl& control(ScrollId id);
  const ParameterControl& control(ScrollId id) const;
  ScrollBar& bar(ScrollId id) { return control(id).bar; }
  const ScrollBar& bar(ScrollId id) const { return control(id).bar; }
  int value(ScrollId id) const { return bar(id).Value; }

  // The text a family's box shows for a scroll value: SLDs as value / 100 in the
  // shortest form ("2.07", "-0.56", "2"), the others as the integer.
  static std::string textForm(ScrollFamily family, int value);
  // The factor from a typed value to the scroll value (100 for SLDs, else 1).
  static double typedScale(ScrollFamily family);
  // Families whose boxes take typed values (the SLD-run and solid boxes do not).
  static bool acceptsTypedEntry(ScrollFamily family);

  // Layer panels 1..20.
  bool layerEnabled(int layer) const { return layerEnabled_[static_cast<size_t>(layer)]; }
  void setLayerEnabled(int layer, bool on) { layerEnabled_[static_cast<size_t>(layer)] = on; }
  int firstVisibleLayer() const { return value({ScrollFamily::WhichLayers}); }
  bool layerVisible(int layer) const;

  bool optSolidLiquid = true;  // the geometry option; false means "Air / Liquid"
  float FocusValue = 0;
  int PrevNumLayers = 0;

 private:
  std::array<ParameterControl, kMaxLayers + 1> thickness_, sld_, solvent_, roughness_;
  std::array<ParameterControl, kMaxContrasts + 1> sldRun_;
  ParameterControl solidSLD_, numLayers_, whichLayers_;
  std::array<bool, kMaxLayers + 1> layerEnabled_{};
};

}  // namespace lumo
