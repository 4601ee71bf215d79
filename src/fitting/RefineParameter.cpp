#include "fitting/RefineParameter.h"

#include <algorithm>
#include <cmath>

#include "fitting/ParameterScan.h"

namespace lumo::fitting {

std::string parameterName(ParameterFamily family, int index) {
  const char* name = "Thickness";
  switch (family) {
    case ParameterFamily::SLD: name = "SLD"; break;
    case ParameterFamily::Solvent: name = "% Solvent"; break;
    case ParameterFamily::Roughness: name = "Roughness"; break;
    case ParameterFamily::Thickness: break;
  }
  return std::string(name) + " Layer " + std::to_string(index);
}

const char* parameterUnit(ParameterFamily family) {
  switch (family) {
    case ParameterFamily::SLD: return "10^-6 Å^-2";
    case ParameterFamily::Solvent: return "%";
    case ParameterFamily::Thickness:
    case ParameterFamily::Roughness: break;
  }
  return "Å";
}

double unitsPerScrollValue(ParameterFamily family) {
  return family == ParameterFamily::SLD ? 0.01 : 1.0;
}

int gridSize(const ScrollRange& range) {
  return static_cast<int>(std::min<std::int64_t>(scanTrialCount(range), 1 << 30));
}

int gridValue(const ScrollRange& range, int g) {
  return range.Min + g * std::max(range.SmallChange, 1);
}

int nearestGridPoint(const ScrollRange& range, int scrollValue) {
  const int n = gridSize(range);
  if (n <= 0) return 0;
  const double g = std::nearbyint(static_cast<double>(scrollValue - range.Min) /
                                  std::max(range.SmallChange, 1));
  return static_cast<int>(std::clamp(g, 0.0, static_cast<double>(n - 1)));
}

}  // namespace lumo::fitting
