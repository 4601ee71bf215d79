#pragma once
// Inputs shared by the commands that calculate a model: the one model file named, and
// the Q grid given by --q-start, --q-finish and --points.
#include <iosfwd>
#include <optional>
#include <string>

#include "app/CliArgs.h"
#include "model/LayerModel.h"

namespace lumo::cli {

// The single positional argument, the model file; a usage error without one or with more.
const std::string& modelPath(const CliArgs& args);

// The layer lines of the model file with --incident-sld and --solvent-sld (10^-6 Å^-2, the
// solvent as contrast 1), the values as they stand; on a bad file, says so on `err`
// naming it and returns nothing.
std::optional<LayerModel> readModelLayers(const CliArgs& args, std::ostream& err);

struct GridOption {
  int points = 0;
  double q1 = 0, q2 = 0;
};

// Any of the grid's options is given.
bool gridGiven(const CliArgs& args);

// The grid, checked as the window checks one (0 < P <= 512 whole, 0 <= A < B <= 0.5);
// nothing when none of its options is given, a usage error when one is missing or wrong.
std::optional<GridOption> gridOption(const CliArgs& args);

// An SLD option (10^-6 Å^-2) as a window scroll bar holds it: 10^-8 Å^-2, a whole number.
int sldScrollValue(const std::string& option, double value);

// True when both names reach the same existing file.
bool sameFile(const std::string& a, const std::string& b);

}  // namespace lumo::cli
