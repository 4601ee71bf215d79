// lumo-cli reflect: the reflectivity of a model file.
#include <cstdio>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <variant>

#include "app/Cli.h"
#include "files/DataFile.h"
#include "files/DataLoading.h"
#include "files/DisplayScale.h"
#include "files/ModelFile.h"
#include "files/TextItemReader.h"
#include "model/CalcGrid.h"
#include "model/ReflectivityEngine.h"

namespace lumo::cli {
namespace {

struct UsageError {
  std::string what;
};

struct ReflectArgs {
  std::string modelPath;
  std::map<std::string, std::string> values;
  bool exactQ = false;
};

const std::set<std::string> kValueOptions = {"--incident-sld", "--solvent-sld", "--q-start",
                                             "--q-finish", "--points", "--data"};

ReflectArgs parseArgs(const std::vector<std::string>& args) {
  ReflectArgs parsed;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--exact-q") {
      parsed.exactQ = true;
    } else if (kValueOptions.count(a)) {
      if (i + 1 >= args.size()) throw UsageError{"option " + a + " needs a value"};
      if (parsed.values.count(a)) throw UsageError{"option " + a + " is given twice"};
      parsed.values[a] = args[++i];
    } else if (a.rfind("--", 0) == 0) {
      throw UsageError{"unknown option " + a};
    } else if (parsed.modelPath.empty()) {
      parsed.modelPath = a;
    } else {
      throw UsageError{"unexpected argument '" + a + "'"};
    }
  }
  if (parsed.modelPath.empty()) throw UsageError{"no model file given"};
  return parsed;
}

double number(const ReflectArgs& args, const std::string& option) {
  const auto it = args.values.find(option);
  if (it == args.values.end()) throw UsageError{"option " + option + " is required"};
  double value = 0;
  if (!text::parseDecimal(it->second, value))
    throw UsageError{"option " + option + " needs a number, not '" + it->second + "'"};
  return value;
}

// Fills slot 1 with the Q points to calculate; returns the options that select them.
CalcOptions chooseQPoints(const ReflectArgs& args, DataStore& store, std::ostream& err,
                          bool& badFile) {
  CalcOptions options;
  options.logY = false;
  options.exactQ = args.exactQ;
  const bool grid = args.values.count("--q-start") || args.values.count("--q-finish") ||
                    args.values.count("--points");
  const bool data = args.values.count("--data") > 0;
  if (grid == data)
    throw UsageError{"give either --q-start, --q-finish and --points, or --data"};
  DataSet& set = store[1];
  if (grid) {
    const double q1 = number(args, "--q-start");
    const double q2 = number(args, "--q-finish");
    const double points = number(args, "--points");
    if (!isValidGridPointCount(points) || points != static_cast<int>(points))
      throw UsageError{"option --points needs a whole number from 1 to 512"};
    if (!(q1 >= 0 && q1 <= 0.5 && q2 <= 0.5 && q2 > q1))
      throw UsageError{"the grid needs 0 <= --q-start < --q-finish <= 0.5"};
    options.gridMode = true;
    options.gridPoints = static_cast<int>(points);
    buildGrid(set, options.gridPoints, q1, q2);
    return options;
  }
  DataFileResult result = readDataFile(args.values.at("--data"), PointCount::UntilEnd);
  if (auto* error = std::get_if<DataFileError>(&result)) {
    err << "lumo-cli: " << error->path << ": " << error->headline() << " " << error->detail << "\n";
    badFile = true;
    return options;
  }
  // The points as the window holds them, Q <= 0 moved to the smallest positive Q.
  fillSlot(set, std::get<DataFileContents>(result), args.values.at("--data"));
  convertForDisplay(set, false, false);
  return options;
}

}  // namespace

int reflect(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    const ReflectArgs parsed = parseArgs(args);
    LayerModel model;
    model.IncidentSLD = static_cast<float>(number(parsed, "--incident-sld") * 1e-6);
    model.SolventSLD[1] = static_cast<float>(number(parsed, "--solvent-sld") * 1e-6);

    DataStore store;
    store.NumDataSets = store.FirstCalcSet = store.LastCalcSet = 1;
    bool badFile = false;
    const CalcOptions options = chooseQPoints(parsed, store, err, badFile);
    if (badFile) return kExitBadFile;

    ModelFileResult modelFile = readModelFile(parsed.modelPath);
    if (auto* error = std::get_if<ModelFileError>(&modelFile)) {
      err << "lumo-cli: " << error->path << ": " << error->detail << "\n";
      return kExitBadFile;
    }
    applyLayerRows(std::get<ModelFileContents>(modelFile), model);

    ReflectivityEngine engine;
    engine.Prof_Calc_1(model, store, options);
    engine.Prof_Calc_2(model, store, options);
    const DataSet& set = store[1];
    char line[96];
    for (int pt = set.CalcFirst; pt <= set.CalcLast; ++pt) {
      const double q = options.gridMode ? set.GridQ[pt] : set.DataQ[pt];
      std::snprintf(line, sizeof line, "%.16e %.16e\n", q, set.CalcR[pt]);
      out << line;
    }
    return kExitOk;
  } catch (const UsageError& e) {
    err << "lumo-cli reflect: " << e.what << " (try lumo-cli --help)\n";
    return kExitUsage;
  }
}

}  // namespace lumo::cli
