#pragma once
// One parameter of a refinement: a layer parameter and the scroll-bar range it varies
// over. The refinement moves it only on the bar's grid, Min + k × SmallChange up to Max,
// so that the model it ends with is one the scroll bars can hold.
#include <string>

#include "fitting/LayerParameter.h"
#include "fitting/ScrollRange.h"

namespace lumo::fitting {

struct RefineParameter {
  ParameterFamily family = ParameterFamily::Thickness;
  int index = 1;  // layer 1..NumLayers; roughness also 0
  ScrollRange range;
  bool operator==(const RefineParameter&) const = default;
};

// The label of the parameter as the editor captions it: "Thickness Layer 1", "SLD Layer 2",
// "% Solvent Layer 2", "Roughness Layer 0".
std::string parameterName(ParameterFamily family, int index);
// The parameter's own unit and the size of one scroll unit in it: Å (1), 10^-6 Å^-2
// (0.01), % (1).
const char* parameterUnit(ParameterFamily family);
double unitsPerScrollValue(ParameterFamily family);

// The grid of a range: its number of points (as a scan counts its trials), the scroll
// value of point g (0-based) and the grid point nearest a scroll value.
int gridSize(const ScrollRange& range);
int gridValue(const ScrollRange& range, int g);
int nearestGridPoint(const ScrollRange& range, int scrollValue);

}  // namespace lumo::fitting
