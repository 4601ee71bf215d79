#pragma once
// Model files (".FIT"): the layer stack, then a calculated curve that readers skip.
//
//   line 1        N, the number of layers
//   line 2        roughness of interface 0, Å
//   lines 3..N+2  thickness (Å), SLD (10^-6 Å^-2), % solvent, roughness (Å) of layer i
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/LayerModel.h"

namespace lumo {

struct ModelLayerRow {
  double thickness = 0, sld = 0, solventPercent = 0, roughness = 0;
  int line = 0;  // the line of the file where the row starts
};

struct ModelFileContents {
  int numLayers = 0;
  double roughness0 = 0;
  int roughness0Line = 2;
  std::vector<ModelLayerRow> layers;  // layers 1..N at 0..N-1
};

struct ModelFileError {
  std::string path;
  std::string detail;
  std::string message() const;
};

using ModelFileResult = std::variant<ModelFileContents, ModelFileError>;

ModelFileResult parseModelFile(std::string_view text, const std::string& path);
ModelFileResult readModelFile(const std::string& path);

// Puts the layer rows into a model with their values as they stand (SLD × 1e-6 Å^-2,
// solvent / 100); incident and solvent SLDs are not part of a model file.
void applyLayerRows(const ModelFileContents& contents, LayerModel& model);

}  // namespace lumo
