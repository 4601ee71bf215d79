#include "converter/SaveData.h"

#include <charconv>
#include <filesystem>
#include <system_error>

#include "files/FileText.h"
#include "files/NumberText.h"
#include "files/TextWriter.h"

namespace lumo::converter {
namespace {

void quotedLine(text::TextWriter& w, const std::string& value) { w.writeString(value).endLine(); }

// Q, R and dR of point i as a column line with the given tab stops (0: none).
void pointLine(text::TextWriter& w, const ConvData& d, int i, int tabQ, int tabR, int tabdR) {
  if (tabQ > 0) w.tab(tabQ);
  w.printNumber(d.ConvQ[i]).tab(tabR).printNumber(d.ConvR[i]).tab(tabdR).printNumber(d.ConvdR[i]);
  w.endLine();
}

std::string ownFormat(const ConvData& d) {
  text::TextWriter w;
  quotedLine(w, "LUMO");
  quotedLine(w, d.ConvTitle);
  w.writeNumber(d.ConvSLD).endLine();
  w.writeInteger(d.ConvNumPoints).endLine();
  for (int i = 1; i <= d.ConvNumPoints; ++i) pointLine(w, d, i, 0, 20, 40);
  return w.text();
}

std::string drydocFormat(const ConvData& d) {
  text::TextWriter w;
  w.writeInteger(d.ConvNumPoints).endLine();
  for (int i = 1; i <= d.ConvNumPoints; ++i) pointLine(w, d, i, 0, 20, 40);
  quotedLine(w, d.ConvTitle);
  return w.text();
}

std::string excelFormat(const ConvData& d) {
  text::TextWriter w;
  quotedLine(w, d.ConvTitle);
  w.printString("Q").printString(",").printString("Reflectivity").printString(",");
  w.printString("Error").endLine();
  for (int i = 1; i <= d.ConvNumPoints; ++i) {
    w.printNumber(d.ConvQ[i]).printString(",").printNumber(d.ConvR[i]).printString(",");
    w.printNumber(d.ConvdR[i]).endLine();
  }
  return w.text();
}

std::string goFormat(const ConvData& d) {
  text::TextWriter w;
  for (int i = 0; i < 4; ++i) quotedLine(w, "");
  for (int i = 1; i <= d.ConvNumPoints; ++i) pointLine(w, d, i, 2, 15, 30);
  return w.text();
}

}  // namespace

bool isSameFile(const std::string& input, const std::string& output) {
  if (input == output) return true;
  std::error_code ec;
  return std::filesystem::exists(output, ec) && std::filesystem::equivalent(input, output, ec);
}

std::string formatSavedCurve(const ConvData& d) {
  text::TextWriter w;
  for (int i = 0; i < 3; ++i) quotedLine(w, "");
  w.writeInteger(d.ConvNumPoints).endLine();
  for (int i = 1; i <= d.ConvNumPoints; ++i) pointLine(w, d, i, 0, 20, 40);
  return w.text();
}

float roundedToFiveDigits(float value) {
  const std::string text = text::formatSci4(value);
  float rounded = value;
  std::from_chars(text.data(), text.data() + text.size(), rounded);
  return rounded;
}

void roundToFiveDigits(ConvData& data) {
  for (int i = 1; i <= data.ConvNumPoints; ++i) {
    data.ConvQ[i] = roundedToFiveDigits(data.ConvQ[i]);
    data.ConvR[i] = roundedToFiveDigits(data.ConvR[i]);
    data.ConvdR[i] = roundedToFiveDigits(data.ConvdR[i]);
  }
}

std::string outputPath(const std::string& rawDataName, OutputFormat format) {
  // The extension is what follows the last dot of the file's own name; a name without
  // one keeps its whole name, so an output never lands outside the input's folder.
  const size_t nameStart = rawDataName.find_last_of('/') + 1;
  const size_t dot = rawDataName.find_last_of('.');
  const bool hasExtension = dot != std::string::npos && dot > nameStart;
  return (hasExtension ? rawDataName.substr(0, dot) : rawDataName) + info(format).extension;
}

std::string formatOutput(OutputFormat format, const ConvData& data) {
  switch (format) {
    case OutputFormat::Lumo: return ownFormat(data);
    case OutputFormat::DRYDOC: return drydocFormat(data);
    case OutputFormat::Excel: return excelFormat(data);
    case OutputFormat::GO: return goFormat(data);
  }
  return {};
}

SaveResult SaveData(const std::string& rawDataName, const OutputSelection& outputs, ConvData& data) {
  roundToFiveDigits(data);
  SaveResult result;
  for (OutputFormat format : kOutputFormats) {
    if (!outputs[format]) continue;
    // DRYDOC and GO files share ".DAT": with both ticked the GO file replaces the DRYDOC
    // file at once, so the DRYDOC file is not written at all (the folder ends the same).
    if (format == OutputFormat::DRYDOC && outputs[OutputFormat::GO]) continue;
    const std::string path = outputPath(rawDataName, format);
    if (isSameFile(rawDataName, path)) {
      result.problems.push_back({format, rawDataName, path,
                                 "not written, as it would replace the file being converted"});
      continue;
    }
    if (auto error = text::writeTextFileAtomically(path, formatOutput(format, data)))
      result.problems.push_back({format, rawDataName, path, *error});
    else
      result.written.push_back({format, path});
  }
  return result;
}

}  // namespace lumo::converter
