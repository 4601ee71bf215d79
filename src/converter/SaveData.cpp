#include "converter/SaveData.h"

#include <algorithm>
#include <charconv>

#include "converter/OrsoConversion.h"
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

std::string formatOutput(OutputFormat format, const ConvData& data) {
  switch (format) {
    case OutputFormat::Lumo: return ownFormat(data);
    case OutputFormat::DRYDOC: return drydocFormat(data);
    case OutputFormat::Excel: return excelFormat(data);
    case OutputFormat::GO: return goFormat(data);
    case OutputFormat::ORSO: return orsoOutput(data, {});
  }
  return {};
}

SaveResult writeOutputs(const FilePlan& file, ConvData& data, const OrsoSource& orso) {
  // The ORSO output keeps every digit that was read, so it is made before the rounding.
  OrsoSource source = orso;
  source.path = file.input;
  const bool orsoPlanned = std::any_of(file.outputs.begin(), file.outputs.end(),
                                       [](const PlannedOutput& o) { return o.format == OutputFormat::ORSO; });
  const std::string orsoText = orsoPlanned ? orsoOutput(data, source) : std::string();
  roundToFiveDigits(data);
  SaveResult result;
  for (const PlannedOutput& output : file.outputs) {
    const bool orsoOut = output.format == OutputFormat::ORSO;
    if (!output.refusal.empty())
      result.problems.push_back({output.format, file.input, output.path, output.refusal});
    else if (orsoOut && data.ConvNumPoints == 0)
      result.problems.push_back({output.format, file.input, output.path, "not written, as the file holds no points"});
    else if (auto error = text::writeTextFileAtomically(output.path, orsoOut ? orsoText : formatOutput(output.format, data)))
      result.problems.push_back({output.format, file.input, output.path, *error});
    else
      result.written.push_back({output.format, output.path});
  }
  return result;
}

SaveResult SaveData(const std::string& rawDataName, const OutputSelection& outputs, ConvData& data,
                    const OrsoSource& orso) {
  return writeOutputs(planOutputs({rawDataName}, outputs).front(), data, orso);
}

}  // namespace lumo::converter
