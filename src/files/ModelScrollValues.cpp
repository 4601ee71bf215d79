#include "files/ModelScrollValues.h"

#include <cmath>
#include <limits>
#include <optional>

namespace lumo {
namespace {

// Nearest whole number with halves to even, if a 16-bit scroll bar can hold it.
std::optional<int> scrollValue(double v) {
  const double r = std::nearbyint(v);
  if (!(r >= std::numeric_limits<short>::min() && r <= std::numeric_limits<short>::max()))
    return std::nullopt;
  return static_cast<int>(r);
}

ModelFileError beyondScrollBar(const std::string& path, int line, const char* what) {
  return {path, "line " + std::to_string(line) + ": the " + what +
                    " lies beyond what a scroll bar can hold (-32768 to 32767)"};
}

}  // namespace

ModelScrollResult scrollValuesOf(const ModelFileContents& contents, const std::string& path) {
  ModelScrollValues values;
  values.numLayers = contents.numLayers;
  const auto r0 = scrollValue(contents.roughness0);
  if (!r0) return beyondScrollBar(path, contents.roughness0Line, "roughness of layer 0");
  values.roughness0 = *r0;
  for (int i = 1; i <= contents.numLayers; ++i) {
    const ModelLayerRow& row = contents.layers[static_cast<size_t>(i - 1)];
    LayerScrollValues& out = values.layers[static_cast<size_t>(i)];
    const struct {
      double value;
      int* to;
      const char* name;
    } fields[] = {{row.thickness, &out.thickness, "thickness"},
                  {row.sld * 100, &out.sld, "SLD (x 100)"},
                  {row.solventPercent, &out.solvent, "% solvent"},
                  {row.roughness, &out.roughness, "roughness"}};
    for (const auto& f : fields) {
      const auto v = scrollValue(f.value);
      if (!v) return beyondScrollBar(path, row.line, f.name);
      *f.to = *v;
    }
  }
  return values;
}

ModelScrollResult readModelScrollValues(const std::string& path) {
  ModelFileResult read = readModelFile(path);
  if (auto* error = std::get_if<ModelFileError>(&read)) return *error;
  return scrollValuesOf(std::get<ModelFileContents>(read), path);
}

void applyScrollValues(const ModelScrollValues& values, LayerModel& model) {
  model.NumLayers = values.numLayers;
  model.Roughness[0] = static_cast<float>(values.roughness0);
  for (int i = 1; i <= values.numLayers; ++i) {
    const auto at = static_cast<size_t>(i);
    const LayerScrollValues& v = values.layers[at];
    model.Thickness[at] = static_cast<float>(v.thickness);
    model.LayerSLD[at] = static_cast<float>(v.sld * 1e-8);
    model.SolventFraction[at] = static_cast<float>(v.solvent / 100.0);
    model.Roughness[at] = static_cast<float>(v.roughness);
  }
}

}  // namespace lumo
