#pragma once
// The scroll-bar properties dialog (frameSetScrollBars) as state: the sixteen boxes of
// Min, Max, LargeChange and SmallChange for the four parameter families of one layer,
// and the layer selector.
//
// The boxes show thickness, solvent and roughness properties as the integers the bars
// hold, SLD ones divided by 100 (10^-6 Å^-2).
#include <array>
#include <string>

#include "editor/LayerEditorState.h"

namespace lumo::ui {

enum class ScrollProperty { Min, Max, LargeChange, SmallChange };
inline constexpr ScrollProperty kScrollProperties[] = {ScrollProperty::Min, ScrollProperty::Max,
                                                       ScrollProperty::LargeChange,
                                                       ScrollProperty::SmallChange};

// The captions of the grid: "Thickness", "sld", "% Solvent", "Roughness" and "Min",
// "Max", "Large Change", "Small Change".
const char* familyCaption(ScrollFamily family);
const char* propertyCaption(ScrollProperty property);

// The four bars of one layer, in the order of kLayerFamilies.
using LayerBars = std::array<ScrollBar, 4>;

// The properties read from the boxes, or the first fault found (naming its box).
struct PropertiesInput {
  LayerBars bars{};
  std::string fault;
};

class ScrollPropertiesForm {
 public:
  bool visible = false;
  int whichLayer = 1;  // hsbWhichLayerProperties, shown in txtWhichLayerProperties

  std::string& box(ScrollFamily family, ScrollProperty property);
  const std::string& box(ScrollFamily family, ScrollProperty property) const;

  // The boxes show the properties of these bars.
  void fill(const LayerBars& bars);
  // The boxes show the default table (Default button).
  void fillDefaults();
  // Reads all sixteen boxes; any text that is not a number, a value no 16-bit bar holds,
  // a Min not below its Max or a step below 1 is a fault, and none of the bars is given.
  PropertiesInput read() const;

 private:
  std::array<std::array<std::string, 4>, 4> boxes_{};
};

}  // namespace lumo::ui
