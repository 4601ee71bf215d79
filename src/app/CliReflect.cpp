// lumo-cli reflect: the reflectivity of a model file.
#include <cstdio>
#include <optional>
#include <ostream>
#include <variant>

#include "app/Cli.h"
#include "app/CliArgs.h"
#include "app/CliInputs.h"
#include "files/DataFile.h"
#include "files/DataLoading.h"
#include "files/DisplayScale.h"
#include "files/TextItemReader.h"
#include "model/CalcGrid.h"
#include "model/ReflectivityEngine.h"

namespace lumo::cli {

const char* const kReflectHelp =
    R"(  reflect MODEL.FIT --incident-sld X --solvent-sld Y
          (--q-start A --q-finish B --points P | --data FILE) [--exact-q]
          [--resolution PCT | --resolution data]
      Prints the reflectivity of the layer model in MODEL.FIT, one line per point:
      Q (1/Å) and the linear reflectivity R, separated by one blank, each with 17
      significant digits.
        --incident-sld X  SLD of the incident medium (solid or air), 10^-6 Å^-2
        --solvent-sld Y   SLD of the solvent backing the stack, 10^-6 Å^-2
        --q-start A, --q-finish B, --points P
                          an evenly spaced grid from A to B with P points, both ends
                          included (0 < P <= 512, 0 <= A < B <= 0.5)
        --data FILE       every Q point of a data file in the program's own format
                          or of the first data set of an ORSO file (.ort)
        --exact-q         standard kinematics, sin(theta) = Q lambda / (4 pi), instead of
                          the program's sine conversion of Q
        --resolution PCT  smears R with a Gaussian in Q of FWHM PCT % of Q
                          (0 <= PCT <= 20; 0, the default, leaves R unsmeared)
        --resolution data smears each point with the resolution its data file gives
                          (an ORSO file's sQz, a standard deviation); with --data only
      The layer lines of the model file are used with their values as they stand.
)";

namespace {

const OptionTable kOptions = {
    {"--incident-sld", "--solvent-sld", "--q-start", "--q-finish", "--points", "--data",
     "--resolution"},
    {},
    {"--exact-q"}};

Resolution resolutionOf(const CliArgs& args) {
  Resolution resolution;
  const auto text = args.optionalText("--resolution");
  if (!text) return resolution;
  if (*text == "data") {
    if (!args.has("--data")) throw UsageError{"--resolution data needs --data"};
    resolution.fromData = true;
    return resolution;
  }
  resolution.percent = numberOption("--resolution", *text);
  if (!(resolution.percent >= 0 && resolution.percent <= kMaxResolutionPercent))
    throw UsageError{"option --resolution needs a percentage from 0 to 20, or data"};
  return resolution;
}

// Fills slot 1 with the Q points to calculate; returns the options that select them.
CalcOptions chooseQPoints(const CliArgs& args, DataStore& store, std::ostream& err,
                          bool& badFile) {
  CalcOptions options;
  options.logY = false;
  options.exactQ = args.has("--exact-q");
  options.resolution = resolutionOf(args);
  if (gridGiven(args) == args.has("--data"))
    throw UsageError{"give either --q-start, --q-finish and --points, or --data"};
  const std::optional<GridOption> grid = gridOption(args);
  DataSet& set = store[1];
  if (grid) {
    options.gridMode = true;
    options.gridPoints = grid->points;
    buildGrid(set, grid->points, grid->q1, grid->q2);
    return options;
  }
  DataFileSetsResult result = readDataFileSets(args.text("--data"), PointCount::UntilEnd);
  if (auto* error = std::get_if<DataFileError>(&result)) {
    err << "lumo-cli: " << error->path << ": " << error->headline() << " " << error->detail << "\n";
    badFile = true;
    return options;
  }
  // The points as the window holds them, Q <= 0 moved to the smallest positive Q.
  fillSlot(set, std::get<std::vector<DataFileContents>>(result).front(), args.text("--data"));
  convertForDisplay(set, false, false);
  return options;
}

}  // namespace

int reflect(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    const CliArgs parsed(args, kOptions);
    modelPath(parsed);
    parsed.number("--incident-sld");
    parsed.number("--solvent-sld");

    DataStore store;
    store.NumDataSets = store.FirstCalcSet = store.LastCalcSet = 1;
    bool badFile = false;
    const CalcOptions options = chooseQPoints(parsed, store, err, badFile);
    if (badFile) return kExitBadFile;

    const auto model = readModelLayers(parsed, err);
    if (!model) return kExitBadFile;

    ReflectivityEngine engine;
    engine.Prof_Calc_1(*model, store, options);
    engine.Prof_Calc_2(*model, store, options);
    const DataSet& set = store[1];
    char line[96];
    for (int pt = set.CalcFirst; pt <= set.CalcLast; ++pt) {
      const double q = options.gridMode ? set.GridQ[pt] : set.DataQ[pt];
      std::snprintf(line, sizeof line, "%.16e %.16e\n", q, set.CalcR[pt]);
      out << line;
    }
    return kExitOk;
  } catch (const UsageError& e) {
    err << "lumo-cli reflect: " << e.what << " (try lumo-cli reflect --help)\n";
    return kExitUsage;
  }
}

}  // namespace lumo::cli
