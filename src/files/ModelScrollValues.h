#pragma once
// A model file's layers as the editor's scroll bars hold them: whole numbers, with the
// SLD in 10^-8 Å^-2 (the value shown × 100). Opening a model puts these on the scroll
// bars; saving one writes the layer lines from them.
#include <array>
#include <string>
#include <variant>

#include "files/ModelFile.h"
#include "model/LayerModel.h"

namespace lumo {

struct LayerScrollValues {
  int thickness = 0, sld = 0, solvent = 0, roughness = 0;
  bool operator==(const LayerScrollValues&) const = default;
};

struct ModelScrollValues {
  int numLayers = 1;
  int roughness0 = 0;
  std::array<LayerScrollValues, kMaxLayers + 1> layers{};  // layers 1..N
  bool operator==(const ModelScrollValues&) const = default;
};

using ModelScrollResult = std::variant<ModelScrollValues, ModelFileError>;

// Each value rounded to the nearest whole number (halves to even), the SLD after × 100.
// A value that no scroll bar can hold (beyond 16 bits) is a fault naming its line.
ModelScrollResult scrollValuesOf(const ModelFileContents& contents, const std::string& path);
// Reads a model file and checks the whole of its layer part.
ModelScrollResult readModelScrollValues(const std::string& path);

// The model the editor holds for these values: thickness and roughness as they are,
// SLD × 1e-8 Å^-2, solvent / 100, each in single precision.
void applyScrollValues(const ModelScrollValues& values, LayerModel& model);

}  // namespace lumo
