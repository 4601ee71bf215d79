#pragma once
// What the model commands of lumo-cli share: the one model file they read and the media
// given on the command line.
#include <iosfwd>
#include <optional>
#include <string>

#include "app/CliArgs.h"
#include "model/LayerModel.h"

namespace lumo::cli {

// The one positional argument; throws UsageError when there is none or more than one.
const std::string& modelPath(const CliArgs& args);

// The layer lines of the model file with --incident-sld and --solvent-sld (10^-6 Å^-2, the
// solvent as contrast 1); on a bad file, says so on `err` naming it and returns nothing.
std::optional<LayerModel> readCliModel(const CliArgs& args, std::ostream& err);

}  // namespace lumo::cli
