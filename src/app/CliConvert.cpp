// lumo-cli convert: the data converter's batch run, writing what the converter window
// writes for the same choices.
#include <ostream>
#include <sstream>

#include "app/Cli.h"
#include "app/CliArgs.h"
#include "converter/ConversionRun.h"

namespace lumo::cli {

const char* const kConvertHelp =
    R"(  convert --from FORMAT --to LIST [--title TEXT] [--sld X] [--keep-title] FILE...
      Converts each FILE as the converter window does and writes the outputs beside it,
      under its name with the extension replaced; prints the path of each file written.
        --from FORMAT     isis, nist, ill, drydoc, lumo, fit, go or orso (the first data
                          set of an ORSO .ort file)
        --to LIST         comma-separated outputs: lumo (.VLD), drydoc (.DAT), excel (.CSV),
                          go (.DAT; it replaces a drydoc file of the same name), orso (.ORT,
                          an ORSO 1.0 reflectivity file)
        --title TEXT      title of the outputs (default "Title")
        --sld X           SLD written to lumo outputs, 10^-6 Å^-2 (default 6.35)
        --keep-title      keep TEXT even where the input file carries a title
      Values are rounded to five significant digits, except in orso outputs, which keep
      every digit read. A file that cannot be read or is
      malformed gets no output and is reported on stderr, as is an output that cannot be
      written or would replace its own input; the other files are still converted.
)";

namespace {

using namespace lumo::converter;

struct ConvertArgs {
  ConversionSettings settings;
  std::vector<std::string> files;
};

OutputSelection parseOutputs(const std::string& list) {
  OutputSelection outputs;
  std::stringstream names(list);
  std::string name;
  while (std::getline(names, name, ',')) {
    const auto format = outputFormatFromCliName(name);
    if (!format) throw UsageError{"unknown output format '" + name + "' (lumo, drydoc, excel, go, orso)"};
    outputs.set(*format, true);
  }
  if (!outputs.any()) throw UsageError{"option --to needs at least one output format"};
  return outputs;
}

const OptionTable kOptions = {{"--from", "--to", "--title", "--sld"}, {}, {"--keep-title"}};

ConvertArgs parseArgs(const std::vector<std::string>& args) {
  const CliArgs cli(args, kOptions);
  ConvertArgs parsed;
  const std::string& from = cli.text("--from");
  const auto format = inputFormatFromCliName(from);
  if (!format) throw UsageError{"unknown input format '" + from + "' (isis, nist, ill, drydoc, lumo, fit, go, orso)"};
  parsed.settings.input.format = *format;
  parsed.settings.outputs = parseOutputs(cli.text("--to"));
  if (const auto title = cli.optionalText("--title")) parsed.settings.titleText = *title;
  if (const auto text = cli.optionalText("--sld")) {
    const auto sld = parseSLDText(*text);
    if (!sld) throw UsageError{"option --sld needs a number, not '" + *text + "'"};
    parsed.settings.sld = *sld;
  }
  parsed.settings.input.keepTitle = cli.has("--keep-title");
  parsed.files = cli.positional();
  if (parsed.files.empty()) throw UsageError{"no files given"};
  return parsed;
}

}  // namespace

int convert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  ConvertArgs parsed;
  try {
    parsed = parseArgs(args);
  } catch (const UsageError& e) {
    err << "lumo-cli convert: " << e.what << " (try lumo-cli convert --help)\n";
    return kExitUsage;
  }
  ConvData data;
  const ConversionReport report = runConversion(parsed.files, parsed.settings, data);
  for (const OutputWritten& w : report.written) out << w.path << '\n';
  for (const InputFailure& f : report.failedInputs)
    err << "lumo-cli convert: " << f.path << ": not converted: " << f.reason << '\n';
  for (const OutputProblem& p : report.failedOutputs)
    err << "lumo-cli convert: " << p.path << " (from " << p.inputPath << "): " << p.reason << '\n';
  return report.complete() ? kExitOk : kExitBadFile;
}

}  // namespace lumo::cli
