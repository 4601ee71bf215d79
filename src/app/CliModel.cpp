#include "app/CliModel.h"

#include <ostream>
#include <variant>

#include "files/ModelFile.h"

namespace lumo::cli {

const std::string& modelPath(const CliArgs& args) {
  if (args.positional().empty()) throw UsageError{"no model file given"};
  if (args.positional().size() > 1)
    throw UsageError{"unexpected argument '" + args.positional()[1] + "'"};
  return args.positional().front();
}

std::optional<LayerModel> readCliModel(const CliArgs& args, std::ostream& err) {
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

}  // namespace lumo::cli
