// lumo-cli data: a data file corrected as the window's data operations correct it, and
// written as "Save Data" writes it.
#include <filesystem>
#include <ostream>
#include <variant>

#include "app/Cli.h"
#include "app/CliArgs.h"
#include "dataops/Background.h"
#include "dataops/NegativeValues.h"
#include "dataops/ScaleFactor.h"
#include "files/DataFile.h"
#include "files/DataFileWriter.h"
#include "files/DataLoading.h"
#include "files/DisplayScale.h"
#include "files/FileText.h"

namespace lumo::cli {

const char* const kDataHelp =
    R"(  data FILE [--background B] [--scale F] [--negatives remove|VALUE] [--data-set N]
       -o OUT.VLB
      Reads FILE as "Open Data Files" does, applies the corrections in this order
      exactly as the window's dialogs do, and writes OUT.VLB as "Save Data" writes it;
      prints the path written.
        --background B    subtracts the background B from R, in linear reflectivity;
                          points that fall to zero or below are held as R <= 0
        --scale F         multiplies R and its error bar by F (F > 0)
        --negatives remove|VALUE
                          removes the points with R <= 0, or gives them R = VALUE (> 0)
        --data-set N      the data set of a file that holds several (ORSO), default 1
        -o OUT.VLB        the file written (never FILE itself)
      Points with R <= 0 are no measurements and are not written; their number is
      printed. The title gains " bgd = B" after a background. OUT.VLB is replaced only
      when the new file is complete.
)";

namespace {

const OptionTable kOptions = {{"--background", "--scale", "--negatives", "--data-set", "-o"}, {}, {}};

// The display the window starts with (linear Q, log10 R), so that the file written is
// the one the window saves from the same operations.
constexpr bool kLogX = false, kLogY = true;

struct DataArgs {
  std::string input, output;
  std::optional<double> background, scale;
  std::optional<std::string> negatives;
  int dataSet = 1;
};

DataArgs parseArgs(const CommandArgs& args) {
  const CliArgs cli(args, kOptions);
  DataArgs d;
  if (cli.positional().empty()) throw UsageError{"no data file given"};
  if (cli.positional().size() > 1) throw UsageError{"unexpected argument '" + cli.positional()[1] + "'"};
  d.input = cli.positional().front();
  d.output = cli.text("-o");
  d.background = cli.optionalNumber("--background");
  d.scale = cli.optionalNumber("--scale");
  if (d.scale && !(static_cast<float>(*d.scale) > 0)) throw UsageError{"option --scale needs a factor above zero"};
  d.negatives = cli.optionalText("--negatives");
  if (d.negatives && *d.negatives != "remove" &&
      !(static_cast<float>(numberOption("--negatives", *d.negatives)) > 0))
    throw UsageError{"option --negatives needs 'remove' or a value above zero"};
  if (const auto n = cli.optionalNumber("--data-set")) {
    if (*n < 1 || *n != static_cast<int>(*n)) throw UsageError{"option --data-set needs a whole number from 1"};
    d.dataSet = static_cast<int>(*n);
  }
  std::error_code ec;
  if (d.output == d.input || std::filesystem::equivalent(d.input, d.output, ec))
    throw UsageError{"the output would replace the input file " + d.input};
  return d;
}

void correct(DataSet& set, const DataArgs& d) {
  if (d.background) dataops::subtractBackground(set, *d.background, kLogY);
  if (d.scale) dataops::scaleTo(set, static_cast<float>(*d.scale), kLogY);
  if (d.negatives && *d.negatives == "remove") dataops::removePlaceholders(set, kLogY);
  else if (d.negatives) dataops::setPlaceholdersTo(set, static_cast<float>(numberOption("--negatives", *d.negatives)), kLogY);
}

}  // namespace

int data(const CommandArgs& args, std::ostream& out, std::ostream& err) {
  DataArgs d;
  try {
    d = parseArgs(args);
  } catch (const UsageError& e) {
    err << "lumo-cli data: " << e.what << " (try lumo-cli data --help)\n";
    return kExitUsage;
  }
  DataFileSetsResult read = readDataFileSets(d.input, PointCount::UntilEnd);
  if (const auto* error = std::get_if<DataFileError>(&read)) {
    err << "lumo-cli: " << error->path << ": " << error->headline() << " " << error->detail << "\n";
    return kExitBadFile;
  }
  const auto& sets = std::get<std::vector<DataFileContents>>(read);
  if (d.dataSet > static_cast<int>(sets.size())) {
    err << "lumo-cli: " << d.input << ": the file holds " << sets.size() << " data set(s), not "
        << d.dataSet << "\n";
    return kExitBadFile;
  }
  DataSet set;
  fillSlot(set, sets[static_cast<size_t>(d.dataSet - 1)], d.input);
  convertForDisplay(set, kLogX, kLogY);
  correct(set, d);
  markBackgroundInTitle(set);
  const DataFileText file = savedDataFileText(set, kLogX, kLogY);
  if (file.written == 0) {
    err << "lumo-cli: " << d.output << ": Error Saving File! no point with R above zero\n";
    return kExitBadFile;
  }
  if (const auto error = text::writeTextFileAtomically(d.output, file.text)) {
    err << "lumo-cli: " << d.output << ": Error Saving File! " << *error << "\n";
    return kExitBadFile;
  }
  out << d.output << "\n";
  if (file.leftOut > 0) out << file.leftOut << (file.leftOut == 1 ? " point" : " points") << " with R <= 0 left out\n";
  if (sets.size() > 1)
    err << "lumo-cli: " << d.input << " holds " << sets.size() << " data sets; data set " << d.dataSet
        << " written (choose with --data-set N)\n";
  return kExitOk;
}

}  // namespace lumo::cli
