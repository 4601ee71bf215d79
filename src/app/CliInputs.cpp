#include "app/CliInputs.h"

#include <cmath>
#include <filesystem>
#include <ostream>
#include <variant>

#include "files/ModelFile.h"
#include "model/CalcGrid.h"

namespace lumo::cli {

const std::string& modelPath(const CliArgs& args) {
  if (args.positional().empty()) throw UsageError{"no model file given"};
  if (args.positional().size() > 1)
    throw UsageError{"unexpected argument '" + args.positional()[1] + "'"};
  return args.positional().front();
}

std::optional<LayerModel> readModelLayers(const CliArgs& args, std::ostream& err) {
  LayerModel model;
  model.IncidentSLD = static_cast<float>(args.number("--incident-sld") * 1e-6);
  model.SolventSLD[1] = static_cast<float>(args.number("--solvent-sld") * 1e-6);
  ModelFileResult file = readModelFile(modelPath(args));
  if (auto* error = std::get_if<ModelFileError>(&file)) {
    err << "lumo-cli: " << error->path << ": " << error->detail << "\n";
    return std::nullopt;
  }
  applyLayerRows(std::get<ModelFileContents>(file), model);
  return model;
}

bool gridGiven(const CliArgs& args) {
  return args.has("--q-start") || args.has("--q-finish") || args.has("--points");
}

std::optional<GridOption> gridOption(const CliArgs& args) {
  if (!gridGiven(args)) return std::nullopt;
  const double q1 = args.number("--q-start");
  const double q2 = args.number("--q-finish");
  const double points = args.number("--points");
  if (!isValidGridPointCount(points) || points != static_cast<int>(points))
    throw UsageError{"option --points needs a whole number from 1 to 512"};
  if (!(q1 >= 0 && q1 <= 0.5 && q2 <= 0.5 && q2 > q1))
    throw UsageError{"the grid needs 0 <= --q-start < --q-finish <= 0.5"};
  return GridOption{static_cast<int>(points), q1, q2};
}

int sldScrollValue(const std::string& option, double value) {
  const double v = std::nearbyint(value * 100);
  if (!(v >= -32768 && v <= 32767))
    throw UsageError{"option " + option + " needs a value from -327.68 to 327.67"};
  return static_cast<int>(v);
}

bool sameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error);
}

}  // namespace lumo::cli
