#include "ui/ScrollPropertiesForm.h"

#include <cmath>
#include <limits>

#include "editor/TypedEntry.h"

namespace lumo::ui {
namespace {

size_t familyIndex(ScrollFamily family) {
  for (size_t f = 0; f < 4; ++f)
    if (kLayerFamilies[f] == family) return f;
  return 0;
}

int& property(ScrollBar& bar, ScrollProperty p) {
  switch (p) {
    case ScrollProperty::Min: return bar.Min;
    case ScrollProperty::Max: return bar.Max;
    case ScrollProperty::LargeChange: return bar.LargeChange;
    case ScrollProperty::SmallChange: break;
  }
  return bar.SmallChange;
}

std::string boxName(ScrollFamily family, ScrollProperty p) {
  return std::string("The \"") + propertyCaption(p) + "\" box of \"" + familyCaption(family) + "\"";
}

// One box as a scroll-bar property, or a fault naming the box.
std::string readBox(const std::string& text, ScrollFamily family, ScrollProperty p, int& out) {
  const double scale = LayerEditorState::typedScale(family);
  double typed = 0;
  if (!parseTypedNumber(text, typed)) return boxName(family, p) + " holds \"" + text + "\", which is not a number.";
  const double v = std::nearbyint(typed * scale);
  if (!(v >= std::numeric_limits<short>::min() && v <= std::numeric_limits<short>::max()))
    return boxName(family, p) + " holds " + text + ", beyond what a scroll bar can hold (" +
           LayerEditorState::textForm(family, std::numeric_limits<short>::min()) + " to " +
           LayerEditorState::textForm(family, std::numeric_limits<short>::max()) + ").";
  out = static_cast<int>(v);
  const bool step = p == ScrollProperty::LargeChange || p == ScrollProperty::SmallChange;
  if (step && out < 1)
    return boxName(family, p) + " holds " + text + "; a step must be at least " +
           LayerEditorState::textForm(family, 1) + ".";
  return {};
}

}  // namespace

const char* familyCaption(ScrollFamily family) {
  switch (family) {
    case ScrollFamily::Thickness: return "Thickness";
    case ScrollFamily::SLD: return "sld";
    case ScrollFamily::Solvent: return "% Solvent";
    default: return "Roughness";
  }
}

const char* propertyCaption(ScrollProperty property) {
  switch (property) {
    case ScrollProperty::Min: return "Min";
    case ScrollProperty::Max: return "Max";
    case ScrollProperty::LargeChange: return "Large Change";
    case ScrollProperty::SmallChange: break;
  }
  return "Small Change";
}

std::string& ScrollPropertiesForm::box(ScrollFamily family, ScrollProperty p) {
  return boxes_[familyIndex(family)][static_cast<size_t>(p)];
}

const std::string& ScrollPropertiesForm::box(ScrollFamily family, ScrollProperty p) const {
  return boxes_[familyIndex(family)][static_cast<size_t>(p)];
}

void ScrollPropertiesForm::fill(const LayerBars& bars) {
  for (size_t f = 0; f < 4; ++f) {
    ScrollBar bar = bars[f];
    for (ScrollProperty p : kScrollProperties)
      box(kLayerFamilies[f], p) = LayerEditorState::textForm(kLayerFamilies[f], property(bar, p));
  }
}

void ScrollPropertiesForm::fillDefaults() {
  fill({ScrollBar{0, 100, 1, 10, 0}, ScrollBar{-1000, 1000, 1, 50, 0}, ScrollBar{0, 100, 1, 5, 0},
        ScrollBar{0, 100, 1, 10, 0}});
}

PropertiesInput ScrollPropertiesForm::read() const {
  PropertiesInput in;
  for (size_t f = 0; f < 4; ++f) {
    const ScrollFamily family = kLayerFamilies[f];
    for (ScrollProperty p : kScrollProperties) {
      in.fault = readBox(box(family, p), family, p, property(in.bars[f], p));
      if (!in.fault.empty()) return in;
    }
    if (in.bars[f].Min >= in.bars[f].Max) {
      in.fault = std::string("The Min of \"") + familyCaption(family) + "\" (" + box(family, ScrollProperty::Min) +
                 ") must be below its Max (" + box(family, ScrollProperty::Max) + ").";
      return in;
    }
  }
  return in;
}

}  // namespace lumo::ui
