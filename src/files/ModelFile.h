#pragma once
// Model files (".FIT"): the layer stack, then the calculated curve saved with it.
//
//   line 1        N, the number of layers
//   line 2        roughness of interface 0, Å
//   lines 3..N+2  thickness (Å), SLD (10^-6 Å^-2), % solvent, roughness (Å) of layer i
//   line N+3      the count of curve points
//   then          one curve point a line: Q and the calculated R, optionally followed by
//                 the measured R and its error
//
// The layer lines make the model; the curve is read as well, for those who show or
// convert it, but a fault in it never keeps the model from being read.
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/LayerModel.h"

namespace lumo {

// The most curve points read from a model file.
inline constexpr long kMaxModelCurvePoints = 1024;

struct ModelLayerRow {
  double thickness = 0, sld = 0, solventPercent = 0, roughness = 0;
  int line = 0;  // the line of the file where the row starts
};

struct ModelCurvePoint {
  int line = 0;  // in the file
  double q = 0, r = 0;
  bool hasMeasured = false;  // the line also holds the measured R and its error
  double measuredR = 0, measuredErr = 0;
};

struct ModelCurve {
  long announcedCount = 0;
  // The curve lines there are, at most the announced count: a model saved on a trimmed
  // point range announces every point of its data set but holds the lines of the range.
  std::vector<ModelCurvePoint> points;
  // Why the curve could not be read (with its line); empty when it could.
  std::string problem;
};

struct ModelFileContents {
  int numLayers = 0;
  double roughness0 = 0;
  int roughness0Line = 2;
  std::vector<ModelLayerRow> layers;  // layers 1..N at 0..N-1
  ModelCurve curve;
};

struct ModelFileError {
  std::string path;
  std::string detail;
  std::string message() const;
};

using ModelFileResult = std::variant<ModelFileContents, ModelFileError>;

// Parses the text of a model file; `path` only names the file in errors. A file whose
// layer lines are malformed is refused; a fault in the curve is only recorded.
ModelFileResult parseModelFile(std::string_view text, const std::string& path);
ModelFileResult readModelFile(const std::string& path);

// Puts the layer rows into a model with their values as they stand (SLD × 1e-6 Å^-2,
// solvent / 100); incident and solvent SLDs are not part of a model file.
void applyLayerRows(const ModelFileContents& contents, LayerModel& model);

}  // namespace lumo
