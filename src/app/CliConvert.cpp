// lumo-cli convert: the data converter's batch run, writing what the converter window
// writes for the same choices.
#include <ostream>
#include <sstream>

#include "app/Cli.h"
#include "converter/ConversionRun.h"

namespace lumo::cli {
namespace {

using namespace lumo::converter;

struct UsageError {
  std::string what;
};

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
    if (!format) throw UsageError{"unknown output format '" + name + "' (lumo, drydoc, excel, go)"};
    outputs.set(*format, true);
  }
  if (!outputs.any()) throw UsageError{"option --to needs at least one output format"};
  return outputs;
}

class ArgReader {
 public:
  explicit ArgReader(const std::vector<std::string>& args) : args_(args) {}
  bool more() const { return i_ < args_.size(); }
  const std::string& next() { return args_[i_++]; }
  const std::string& valueOf(const std::string& option) {
    if (!more()) throw UsageError{"option " + option + " needs a value"};
    return next();
  }

 private:
  const std::vector<std::string>& args_;
  size_t i_ = 0;
};

ConvertArgs parseArgs(const std::vector<std::string>& args) {
  ConvertArgs parsed;
  bool haveFrom = false, haveTo = false, optionsEnded = false;
  ArgReader reader(args);
  while (reader.more()) {
    const std::string& a = reader.next();
    if (optionsEnded || a.rfind("--", 0) != 0) {
      parsed.files.push_back(a);
    } else if (a == "--") {
      optionsEnded = true;
    } else if (a == "--from") {
      const std::string& name = reader.valueOf(a);
      const auto format = inputFormatFromCliName(name);
      if (!format) throw UsageError{"unknown input format '" + name + "' (isis, nist, ill, drydoc, lumo, fit, go)"};
      parsed.settings.input.format = *format;
      haveFrom = true;
    } else if (a == "--to") {
      parsed.settings.outputs = parseOutputs(reader.valueOf(a));
      haveTo = true;
    } else if (a == "--title") {
      parsed.settings.titleText = reader.valueOf(a);
    } else if (a == "--sld") {
      const std::string& text = reader.valueOf(a);
      const auto sld = parseSLDText(text);
      if (!sld) throw UsageError{"option --sld needs a number, not '" + text + "'"};
      parsed.settings.sld = *sld;
    } else if (a == "--keep-title") {
      parsed.settings.input.keepTitle = true;
    } else {
      throw UsageError{"unknown option " + a};
    }
  }
  if (!haveFrom) throw UsageError{"option --from is required"};
  if (!haveTo) throw UsageError{"option --to is required"};
  if (parsed.files.empty()) throw UsageError{"no files given"};
  return parsed;
}

}  // namespace

int convert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  ConvertArgs parsed;
  try {
    parsed = parseArgs(args);
  } catch (const UsageError& e) {
    err << "lumo-cli convert: " << e.what << " (try lumo-cli --help)\n";
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
