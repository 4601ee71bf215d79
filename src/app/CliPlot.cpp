// lumo-cli plot: the figure that the window's Export Plot writes, drawn without a window.
// It opens the model and the data files in a session of the main window, as a user
// would, turns "Calculate Fit" on and has the session compose the figure; the drawing
// itself goes through the figure writer the tool was built with.
#include <cmath>
#include <filesystem>
#include <ostream>
#include <variant>

#include "app/Cli.h"
#include "app/CliArgs.h"
#include "app/CliInputs.h"
#include "files/NumberText.h"
#include "platform/ScriptedDialogs.h"
#include "platform/WorkingFolder.h"
#include "plot/FigureWriter.h"
#include "ui/MainSession.h"

namespace lumo::cli {

const char* const kPlotHelp =
    R"(  plot MODEL.FIT --incident-sld X --solvent-sld Y --data FILE [--data FILE ...]
        [--log-y | --linear-y] [--width MM] [--height MM] [--dpi N] -o FIGURE
      Draws the figure that the window's Export Plot writes: a plot of each data set
      with the curve of the model on its points, titles, tick labels and the axis
      captions, as the window shows them with Calculate Fit on.
        --incident-sld X  SLD of the incident medium (solid or air), 10^-6 Å^-2
        --solvent-sld Y   SLD of the solvent, 10^-6 Å^-2: once for every data set,
                          or once per data set in the order of the --data files
        --data FILE       a data file as Open Data Files reads it; up to four data
                          sets in all (an ORSO file may hold several)
        --log-y           a logarithmic reflectivity axis (the default)
        --linear-y        a linear reflectivity axis
        --width MM, --height MM
                          the figure's size, 30 to 1000 mm (default 160 x 110)
        --dpi N           its resolution, 50 to 2400 dots per inch (default 300): the
                          pixels of a PNG
        -o FIGURE         FIGURE.svg or FIGURE.pdf (vectors, texts as texts) or
                          FIGURE.png; it is replaced only when the new one is
                          complete, and never when it is an input
)";

namespace {

const OptionTable kOptions = {{"--incident-sld", "--width", "--height", "--dpi", "-o"},
                             {"--data", "--solvent-sld"},
                             {"--log-y", "--linear-y"}};

FigureWriter* figureWriter = nullptr;

FigureSize sizeOf(const CliArgs& args) {
  const FigureSize defaults;
  FigureSize size{args.optionalNumber("--width").value_or(defaults.widthMm),
                  args.optionalNumber("--height").value_or(defaults.heightMm), defaults.dpi};
  if (const auto dpi = args.optionalNumber("--dpi")) {
    if (*dpi != std::floor(*dpi) || *dpi < kMinFigureDpi || *dpi > kMaxFigureDpi)
      throw UsageError{"option --dpi needs a whole number from " + std::to_string(kMinFigureDpi) +
                       " to " + std::to_string(kMaxFigureDpi)};
    size.dpi = static_cast<int>(*dpi);
  }
  return size;
}

// The SLD typed for a scroll bar of the session, in its units (10^-8 Å^-2), checked
// against the bar's range.
int sldValue(const ui::MainSession& s, ScrollId id, const std::string& option, const std::string& text) {
  const ScrollBar& bar = s.editor().bar(id);
  const double v = std::nearbyint(numberOption(option, text) * 100);
  if (!(v >= bar.Min && v <= bar.Max))
    throw UsageError{"option " + option + " needs a value from " + text::shortestDouble(bar.Min / 100.0) +
                     " to " + text::shortestDouble(bar.Max / 100.0)};
  return static_cast<int>(v);
}

void setSolvents(ui::MainSession& s, const CliArgs& args) {
  const std::vector<std::string> solvents = args.all("--solvent-sld");
  const int sets = s.store().NumDataSets;
  if (solvents.size() != 1 && static_cast<int>(solvents.size()) != sets)
    throw UsageError{"give --solvent-sld once, or once per data set (" + std::to_string(sets) + ")"};
  for (int k = 1; k <= sets; ++k) {
    const ScrollId run{ScrollFamily::SLDRun, k};
    const std::string& text = solvents[solvents.size() == 1 ? 0 : static_cast<size_t>(k - 1)];
    s.setScrollValue(run, sldValue(s, run, "--solvent-sld", text));
  }
}

int draw(const CliArgs& args, const FigureFile& file, std::ostream& err) {
  ScriptedDialogs dialogs;
  FixedWorkingFolder folder(std::filesystem::current_path().string());
  ui::MainSession s(dialogs, folder);
  s.Form_Load();
  // Every file is read as the window reads it; any message it shows is an error here.
  if (s.openModelFile(modelPath(args))) s.openDataFiles(args.all("--data"));
  if (!dialogs.messages.empty() || s.store().NumDataSets == 0) {
    for (const Message& m : dialogs.messages) err << "lumo-cli: " << m.text << "\n";
    return kExitBadFile;
  }
  const ScrollId solid{ScrollFamily::SolidSLD};
  s.setScrollValue(solid, sldValue(s, solid, "--incident-sld", args.text("--incident-sld")));
  setSolvents(s, args);
  s.toolClicked(ui::Tool::SSRFitting, true);
  if (args.has("--linear-y")) s.toolClicked(ui::Tool::SSRLogY, false);
  if (const auto error = figureWriter->write(s.figurePage(file.size), file)) {
    err << "lumo-cli: " << *error << "\n";
    return kExitBadFile;
  }
  return kExitOk;
}

}  // namespace

void useFigureWriter(FigureWriter* writer) { figureWriter = writer; }

int plot(const std::vector<std::string>& args, std::ostream& /*out*/, std::ostream& err) {
  try {
    const CliArgs parsed(args, kOptions);
    std::vector<std::string> inputs{modelPath(parsed)};
    const std::vector<std::string> data = parsed.all("--data");
    if (data.empty()) throw UsageError{"give at least one --data FILE"};
    if (data.size() > kMaxDataSets) throw UsageError{"give at most four --data files"};
    if (parsed.all("--solvent-sld").empty()) throw UsageError{"option --solvent-sld is missing"};
    parsed.text("--incident-sld");
    if (parsed.has("--log-y") && parsed.has("--linear-y"))
      throw UsageError{"give either --log-y or --linear-y"};
    inputs.insert(inputs.end(), data.begin(), data.end());
    const auto plan = planFigureFile(parsed.text("-o"), sizeOf(parsed), inputs);
    if (const auto* error = std::get_if<std::string>(&plan)) throw UsageError{*error};
    if (!figureWriter) {
      err << "lumo-cli plot: this lumo-cli was built without figures\n";
      return kExitBadFile;
    }
    return draw(parsed, std::get<FigureFile>(plan), err);
  } catch (const UsageError& e) {
    err << "lumo-cli plot: " << e.what << " (try lumo-cli plot --help)\n";
    return kExitUsage;
  }
}

}  // namespace lumo::cli
