// lumo-cli model: the model file that the window's Save Fit writes for one data set.
#include <cmath>
#include <filesystem>
#include <optional>
#include <ostream>
#include <variant>

#include "app/Cli.h"
#include "app/CliArgs.h"
#include "app/CliInputs.h"
#include "files/DataLoading.h"
#include "files/DisplayScale.h"
#include "files/FileText.h"
#include "files/ModelFileWriter.h"
#include "files/ModelScrollValues.h"
#include "model/FitCurve.h"

namespace lumo::cli {

const char* const kModelHelp =
    R"(  model MODEL.FIT --incident-sld X --solvent-sld Y
        (--data FILE [--with-data] | --q-start A --q-finish B --points P) [--exact-q]
        -o OUT.FIT
      Writes the model file that the window's Save Fit writes for one data set: the
      layers of MODEL.FIT as the layer editor holds them (whole numbers, SLDs to 0.01),
      then the calculated curve, linear, "0.0000E+00" values, CR LF line ends.
        --incident-sld X  SLD of the incident medium (solid or air), 10^-6 Å^-2
        --solvent-sld Y   SLD of the solvent, 10^-6 Å^-2 (both rounded to 0.01, as the
                          window's scroll bars hold them)
        --data FILE       the curve on the Q points of a data file ("Use Original
                          Points"); its first data set, as Open Data Files reads it
        --with-data       the measured R and its error beside the curve ("Save Data As
                          Well"); only with --data
        --q-start A, --q-finish B, --points P
                          the curve on an evenly spaced grid from A to B with P points,
                          both ends included (0 < P <= 512, 0 <= A < B <= 0.5)
        --exact-q         standard kinematics (see reflect)
        -o OUT.FIT        the file written; it is replaced only when the new one is
                          complete, and never when it is MODEL.FIT or FILE
)";

namespace {

const OptionTable kOptions = {
    {"--incident-sld", "--solvent-sld", "--q-start", "--q-finish", "--points", "--data", "-o"},
    {},
    {"--exact-q", "--with-data"}};

FitCurveRequest requestOf(const CliArgs& args) {
  if (gridGiven(args) == args.has("--data"))
    throw UsageError{"give either --data, or --q-start, --q-finish and --points"};
  const std::optional<GridOption> grid = gridOption(args);
  if (grid && args.has("--with-data")) throw UsageError{"--with-data needs --data"};
  FitCurveRequest request;
  request.originalPoints = !grid;
  request.withData = args.has("--with-data");
  if (grid) {
    request.gridPoints = grid->points;
    request.q1 = grid->q1;
    request.q2 = grid->q2;
  }
  return request;
}

// Slot 1 as the window holds it after Open Data Files; false with the reason on `err`.
bool loadData(const std::string& path, DataStore& store, std::ostream& err) {
  const auto loaded = loadSlots(store, 1, path, PointCount::UntilEnd);
  if (const auto* error = std::get_if<DataFileError>(&loaded)) {
    err << "lumo-cli: " << error->path << ": " << error->headline() << " "
        << error->detail << "\n";
    return false;
  }
  convertForDisplay(store[1], false, false);
  return true;
}

}  // namespace

int model(const std::vector<std::string>& args, std::ostream& /*out*/, std::ostream& err) {
  try {
    const CliArgs parsed(args, kOptions);
    const std::string& modelFile = modelPath(parsed);
    const std::string& output = parsed.text("-o");
    const FitCurveRequest request = requestOf(parsed);
    LayerModel layers;
    layers.IncidentSLD = static_cast<float>(sldScrollValue("--incident-sld", parsed.number("--incident-sld")) * 1e-8);
    layers.SolventSLD[1] = static_cast<float>(sldScrollValue("--solvent-sld", parsed.number("--solvent-sld")) * 1e-8);
    for (const std::string& input : {modelFile, parsed.optionalText("--data").value_or("")})
      if (!input.empty() && sameFile(output, input))
        throw UsageError{"the output " + output + " would replace the input " + input};

    auto store = std::make_unique<DataStore>();
    if (request.originalPoints && !loadData(parsed.text("--data"), *store, err)) return kExitBadFile;
    const ModelScrollResult read = readModelScrollValues(modelFile);
    if (const auto* error = std::get_if<ModelFileError>(&read)) {
      err << "lumo-cli: " << error->path << ": " << error->detail << "\n";
      return kExitBadFile;
    }
    const ModelScrollValues& values = std::get<ModelScrollValues>(read);
    applyScrollValues(values, layers);

    CalcOptions options;
    options.logY = false;
    options.exactQ = parsed.has("--exact-q");
    const FitCurve curve = calculateFitCurve(layers, (*store)[1], 1, request, options);
    if (const auto error = text::writeTextFileAtomically(output, modelFileText(values, curve))) {
      err << "lumo-cli: " << *error << "\n";
      return kExitBadFile;
    }
    return kExitOk;
  } catch (const UsageError& e) {
    err << "lumo-cli model: " << e.what << " (try lumo-cli model --help)\n";
    return kExitUsage;
  }
}

}  // namespace lumo::cli
