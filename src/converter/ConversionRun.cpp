#include "converter/ConversionRun.h"

#include <cfloat>
#include <cmath>

#include "files/PrintableText.h"
#include "files/TextItemReader.h"

namespace lumo::converter {
namespace {

// A file named without its folder, safe to show.
std::string bareName(const std::string& path) {
  return text::printable(path.substr(path.find_last_of('/') + 1));
}

}  // namespace

std::string ConversionReport::problemSummary() const {
  if (complete()) return {};
  std::string text;
  if (!failedInputs.empty()) {
    const size_t total = static_cast<size_t>(filesRead) + failedInputs.size();
    if (total == 1)
      text += "The file was not converted:\n";
    else
      text += std::to_string(failedInputs.size()) + " of the " + std::to_string(total) +
              (failedInputs.size() == 1 ? " files was" : " files were") + " not converted:\n";
    for (const InputFailure& f : failedInputs)
      text.append("\n").append(bareName(f.path)).append(": ").append(text::printable(f.reason));
  }
  if (!failedOutputs.empty()) {
    if (!text.empty()) text += "\n\n";
    text += "Output files not written:\n";
    for (const OutputProblem& p : failedOutputs)
      text.append("\n").append(bareName(p.path)).append(" (from ").append(bareName(p.inputPath))
          .append("): ").append(text::printable(p.reason));
  }
  return text;
}

std::optional<float> parseSLDText(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::nullopt;
  const size_t last = text.find_last_not_of(" \t");
  double value = 0;
  if (!text::parseDecimal(std::string_view(text).substr(first, last - first + 1), value) ||
      std::fabs(value) > FLT_MAX)
    return std::nullopt;
  return static_cast<float>(value);
}

ConversionReport runConversion(const std::vector<std::string>& files,
                               const ConversionSettings& settings, ConvData& data) {
  data.ConvSLD = settings.sld;
  data.ConvTitle = settings.titleText.empty() ? "Title" : settings.titleText;
  ConversionReport report;
  // Every output is placed before any is written, so that no output replaces a file of
  // the run before it is read.
  for (const FilePlan& file : planOutputs(files, settings.outputs)) {
    const std::string& path = file.input;
    data.clearPoints();
    if (auto failure = OpenData(path, settings.input, data)) {
      report.failedInputs.push_back({path, *failure});
      continue;
    }
    ++report.filesRead;
    SaveResult saved = writeOutputs(file, data);
    report.written.insert(report.written.end(), saved.written.begin(), saved.written.end());
    report.failedOutputs.insert(report.failedOutputs.end(), saved.problems.begin(),
                                saved.problems.end());
  }
  return report;
}

}  // namespace lumo::converter
