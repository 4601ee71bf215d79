// lumo-cli refine: many layer parameters refined together against measured contrasts.
#include <memory>
#include <ostream>
#include <variant>

#include "app/Cli.h"
#include "app/CliArgs.h"
#include "app/CliInputs.h"
#include "editor/LayerEditorState.h"
#include "files/DataLoading.h"
#include "files/DisplayScale.h"
#include "files/FileText.h"
#include "files/ModelFileWriter.h"
#include "files/ModelScrollValues.h"
#include "files/TextItemReader.h"
#include "fitting/RefineReport.h"
#include "fitting/Refinement.h"
#include "model/FitCurve.h"

namespace lumo::cli {

const char* const kRefineHelp =
    R"(  refine MODEL.FIT --data FILE --solvent-sld Y [--data FILE --solvent-sld Y ...]
         --incident-sld X --vary LIST [--measure chi2|ls] [--seed N] -o OUT.FIT
      Refines the layer parameters named in LIST together, as the window's Refine
      command does: a global search on the scroll-bar grids, a local polish, then the
      uncertainties from the curvature of the measure. Prints one line per parameter
      (its value and one standard deviation, or "not determined by the data") and the
      final measure, and writes the refined model file.
        --data FILE       a measured contrast in the program's own format (up to four,
                          each followed by its --solvent-sld)
        --solvent-sld Y   SLD of that contrast's solvent, 10^-6 Å^-2
        --incident-sld X  SLD of the incident medium (solid or air), 10^-6 Å^-2
        --vary LIST       the parameters, separated by commas: thickness:L, sld:L,
                          solvent:L or roughness:L for layer L (roughness also 0),
                          each over its range at a fresh start of the window, or over
                          NAME:L=MIN..MAX (thickness and roughness in Å, SLD in
                          10^-6 Å^-2, solvent in %)
        --measure M       chi2 (chi squared) or ls (least squares, the default)
        --seed N          the seed of the search (default 1); one seed, one result
        -o OUT.FIT        the refined model with the curve of the first contrast on its
                          data points; replaced only when complete, never an input
)";

namespace {

using fitting::ParameterFamily;

const OptionTable kOptions = {{"--incident-sld", "--vary", "--measure", "--seed", "-o"},
                             {"--data", "--solvent-sld"},
                             {}};

ScrollFamily scrollFamily(ParameterFamily family) {
  switch (family) {
    case ParameterFamily::SLD: return ScrollFamily::SLD;
    case ParameterFamily::Solvent: return ScrollFamily::Solvent;
    case ParameterFamily::Roughness: return ScrollFamily::Roughness;
    case ParameterFamily::Thickness: break;
  }
  return ScrollFamily::Thickness;
}

ParameterFamily familyNamed(const std::string& name) {
  if (name == "thickness") return ParameterFamily::Thickness;
  if (name == "sld") return ParameterFamily::SLD;
  if (name == "solvent") return ParameterFamily::Solvent;
  if (name == "roughness") return ParameterFamily::Roughness;
  throw UsageError{"--vary: unknown parameter '" + name + "'"};
}

int wholeNumber(const std::string& item, const std::string& text) {
  double v = 0;
  if (!text::parseDecimal(text, v) || v != static_cast<int>(v) || v < 0 || v > kMaxLayers)
    throw UsageError{"--vary: '" + item + "' needs a layer number"};
  return static_cast<int>(v);
}

// MIN..MAX in the parameter's own unit, as scroll values.
fitting::ScrollRange rangeOf(const std::string& item, const std::string& text, ParameterFamily family) {
  const auto dots = text.find("..");
  double lo = 0, hi = 0;
  if (dots == std::string::npos || !text::parseDecimal(text.substr(0, dots), lo) ||
      !text::parseDecimal(text.substr(dots + 2), hi))
    throw UsageError{"--vary: '" + item + "' needs a range MIN..MAX"};
  const double scale = LayerEditorState::typedScale(scrollFamily(family));
  const double min = std::nearbyint(lo * scale), max = std::nearbyint(hi * scale);
  if (!(min >= -32768 && max <= 32767 && min < max))
    throw UsageError{"--vary: '" + item + "' needs MIN below MAX within a scroll bar's range"};
  return {static_cast<int>(min), static_cast<int>(max), 1};
}

std::vector<fitting::RefineParameter> varyList(const std::string& list, const LayerModel& model) {
  const LayerEditorState fresh;
  std::vector<fitting::RefineParameter> out;
  size_t from = 0;
  while (from <= list.size()) {
    const size_t comma = std::min(list.find(',', from), list.size());
    const std::string item = list.substr(from, comma - from);
    from = comma + 1;
    const auto colon = item.find(':');
    if (colon == std::string::npos) throw UsageError{"--vary: '" + item + "' needs NAME:LAYER"};
    const auto equals = item.find('=', colon);
    fitting::RefineParameter p;
    p.family = familyNamed(item.substr(0, colon));
    p.index = wholeNumber(item, item.substr(colon + 1, equals == std::string::npos ? equals : equals - colon - 1));
    if (!fitting::isParameterOf(model, p.family, p.index))
      throw UsageError{"--vary: '" + item + "' names no layer of the model"};
    const ScrollBar& bar = fresh.bar({scrollFamily(p.family), p.index});
    p.range = equals == std::string::npos ? fitting::ScrollRange{bar.Min, bar.Max, bar.SmallChange}
                                          : rangeOf(item, item.substr(equals + 1), p.family);
    for (const auto& q : out)
      if (q.family == p.family && q.index == p.index)
        throw UsageError{"--vary: '" + item + "' is named twice"};
    out.push_back(p);
  }
  return out;
}

ResidualMeasure measureOf(const CliArgs& args) {
  const std::string m = args.optionalText("--measure").value_or("ls");
  if (m == "ls") return ResidualMeasure::LeastSquares;
  if (m == "chi2") return ResidualMeasure::ChiSquared;
  throw UsageError{"--measure needs chi2 or ls, not '" + m + "'"};
}

std::uint64_t seedOf(const CliArgs& args) {
  const double seed = args.optionalNumber("--seed").value_or(fitting::kDefaultRefineSeed);
  if (!(seed >= 0 && seed <= 9007199254740992.0) || seed != static_cast<double>(static_cast<std::uint64_t>(seed)))
    throw UsageError{"--seed needs a whole number from 0"};
  return static_cast<std::uint64_t>(seed);
}

// The contrasts in slots 1..n as the window holds them with "Log Y" on; false with the
// reason on `err`.
bool loadContrasts(const std::vector<std::string>& files, DataStore& store, std::ostream& err) {
  for (size_t k = 0; k < files.size(); ++k) {
    const int slot = static_cast<int>(k) + 1;
    const auto loaded = loadSlots(store, slot, files[k], PointCount::UntilEnd);
    if (const auto* error = std::get_if<DataFileError>(&loaded)) {
      err << "lumo-cli: " << error->path << ": " << error->headline() << " " << error->detail << "\n";
      return false;
    }
    convertForDisplay(store[slot], false, true);
  }
  store.NumDataSets = store.LastCalcSet = static_cast<int>(files.size());
  store.FirstCalcSet = 1;
  return true;
}

void storeRefined(const fitting::RefineResult& r, ModelScrollValues& values) {
  for (const fitting::RefinedParameter& p : r.parameters) {
    LayerScrollValues& layer = values.layers[static_cast<size_t>(p.parameter.index)];
    switch (p.parameter.family) {
      case ParameterFamily::Thickness: layer.thickness = p.value; break;
      case ParameterFamily::SLD: layer.sld = p.value; break;
      case ParameterFamily::Solvent: layer.solvent = p.value; break;
      case ParameterFamily::Roughness:
        if (p.parameter.index == 0) values.roughness0 = p.value;
        else layer.roughness = p.value;
        break;
    }
  }
}

}  // namespace

int refine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    const CliArgs parsed(args, kOptions);
    const std::string& modelFile = modelPath(parsed);
    const std::string& output = parsed.text("-o");
    const std::vector<std::string> files = parsed.all("--data");
    const std::vector<std::string> solvents = parsed.all("--solvent-sld");
    if (files.empty() || files.size() > kMaxDataSets || files.size() != solvents.size())
      throw UsageError{"give one to four --data files, each with its --solvent-sld"};
    LayerModel model;
    model.IncidentSLD = static_cast<float>(sldScrollValue("--incident-sld", parsed.number("--incident-sld")) * 1e-8);
    for (size_t k = 0; k < solvents.size(); ++k)
      model.SolventSLD[k + 1] = static_cast<float>(
          sldScrollValue("--solvent-sld", numberOption("--solvent-sld", solvents[k])) * 1e-8);
    const ResidualMeasure measure = measureOf(parsed);
    const std::uint64_t seed = seedOf(parsed);
    const std::string& vary = parsed.text("--vary");
    for (const std::string& input : files)
      if (sameFile(output, input)) throw UsageError{"the output " + output + " would replace the input " + input};
    if (sameFile(output, modelFile))
      throw UsageError{"the output " + output + " would replace the input " + modelFile};

    const ModelScrollResult read = readModelScrollValues(modelFile);
    if (const auto* error = std::get_if<ModelFileError>(&read)) {
      err << "lumo-cli: " << error->path << ": " << error->detail << "\n";
      return kExitBadFile;
    }
    ModelScrollValues values = std::get<ModelScrollValues>(read);
    applyScrollValues(values, model);
    fitting::RefineRequest request;
    request.parameters = varyList(vary, model);
    request.seed = seed;
    auto store = std::make_unique<DataStore>();
    if (!loadContrasts(files, *store, err)) return kExitBadFile;

    CalcOptions options;  // as at a fresh start: "Log Y" on, the data's own points
    fitting::FitWorkers workers;
    fitting::Refinement run(workers, {model, *store, options, measure}, request);
    fitting::runToEnd(run);
    const fitting::RefineResult result = run.result();
    for (const std::string& line : fitting::reportLines(result)) out << line << "\n";

    storeRefined(result, values);
    applyScrollValues(values, model);
    const FitCurve curve = calculateFitCurve(model, (*store)[1], 1, FitCurveRequest{}, options);
    if (const auto error = text::writeTextFileAtomically(output, modelFileText(values, curve))) {
      err << "lumo-cli: " << *error << "\n";
      return kExitBadFile;
    }
    return kExitOk;
  } catch (const UsageError& e) {
    err << "lumo-cli refine: " << e.what << " (try lumo-cli refine --help)\n";
    return kExitUsage;
  }
}

}  // namespace lumo::cli
