#include "FuzzTargets.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <string>
#include <variant>
#include <vector>

#include "converter/OpenData.h"
#include "converter/OrsoConversion.h"
#include "converter/SaveData.h"
#include "converter/TextView.h"
#include "files/CalcSettingsFile.h"
#include "files/DataFile.h"
#include "files/ModelFile.h"
#include "files/OrsoReader.h"
#include "files/OrsoWriter.h"
#include "files/SettingsFile.h"

namespace lumo::fuzz {
namespace {

using converter::ConvData;
using converter::InputFormat;
using converter::OutputFormat;

void check(bool condition, const char* what) {
  if (!condition) throw FuzzCheckFailure(what);
}

// The title as a quoted line keeps it: double quotes inside become single ones.
std::string quotedTitle(std::string title) {
  for (char& c : title)
    if (c == '"') c = '\'';
  return title;
}

// What a converter reader accepted stays within the limits and survives every output
// that the converter can read back, value for value.
void checkConversion(const ConvData& read) {
  check(read.ConvNumPoints >= 0 && read.ConvNumPoints <= converter::kMaxConvPoints, "point count");
  ConvData rounded = read;
  converter::roundToFiveDigits(rounded);
  const std::pair<OutputFormat, InputFormat> readable[] = {{OutputFormat::Lumo, InputFormat::LUMOData},
                                                           {OutputFormat::DRYDOC, InputFormat::DRYDOCData},
                                                           {OutputFormat::GO, InputFormat::GoData}};
  for (const auto& [output, input] : readable) {
    ConvData back;
    const auto failure = converter::parseConverterInput(converter::formatOutput(output, rounded),
                                                        {input, false}, back);
    check(!failure, "an output cannot be read back");
    check(back.ConvNumPoints == rounded.ConvNumPoints, "count read back");
    for (int i = 1; i <= rounded.ConvNumPoints; ++i)
      check(std::isfinite(rounded.ConvQ[i]) && back.ConvQ[i] == rounded.ConvQ[i] &&
                back.ConvR[i] == rounded.ConvR[i] && back.ConvdR[i] == rounded.ConvdR[i],
            "value read back");
    if (output != OutputFormat::GO)
      check(back.ConvTitle == quotedTitle(rounded.ConvTitle), "title read back");
  }
  (void)converter::formatOutput(OutputFormat::Excel, rounded);
}

// The ORSO output of what was read, before any rounding, reads back value for value.
void checkOrsoOutput(const ConvData& read) {
  if (read.ConvNumPoints == 0) return;
  ConvData back;
  const std::string text = converter::orsoOutput(read, {"in.dat", "NIST Data", "2024-01-01T00:00:00+00:00"});
  const auto failure = converter::parseConverterInput(text, {InputFormat::ORSOData, false}, back);
  check(!failure, "an ORSO output cannot be read back");
  check(back.ConvNumPoints == read.ConvNumPoints && back.ConvHasdQ == read.ConvHasdQ, "ORSO count read back");
  for (int i = 1; i <= read.ConvNumPoints; ++i)
    check(back.ConvQ[i] == read.ConvQ[i] && back.ConvR[i] == read.ConvR[i] && back.ConvdR[i] == read.ConvdR[i] &&
              (!read.ConvHasdQ || back.ConvdQ[i] == read.ConvdQ[i]),
          "ORSO value read back");
}

template <InputFormat format>
void converterInput(std::string_view input) {
  for (bool keepTitle : {false, true}) {
    ConvData data;
    data.ConvTitle = "kept";
    if (!converter::parseConverterInput(input, {format, keepTitle}, data)) {
      checkOrsoOutput(data);
      checkConversion(data);
    }
    else check(data.ConvTitle == "kept" && data.ConvNumPoints == 0, "a refused file changed the data");
  }
}

void dataFile(std::string_view input) {
  for (PointCount count : {PointCount::UntilEnd, PointCount::AsAnnounced}) {
    const DataFileResult result = parseDataFile(input, count, "fuzz");
    if (const auto* contents = std::get_if<DataFileContents>(&result)) {
      check(!contents->points.empty() && contents->points.size() <= kMaxPoints, "points of a data file");
      // Every value fits single precision, so that no error-bar end overflows.
      for (const DataPoint& p : contents->points)
        check(std::fabs(p.q) <= FLT_MAX && std::fabs(p.r) <= FLT_MAX && std::fabs(p.dr) <= FLT_MAX,
              "values of a data file");
    }
  }
}

void orsoFile(std::string_view input) {
  const DataFileSetsResult result = parseOrsoFile(input, "fuzz.ort");
  const auto* sets = std::get_if<std::vector<DataFileContents>>(&result);
  if (!sets) return;
  check(!sets->empty(), "data sets of an ORSO file");
  for (const DataFileContents& set : *sets) {
    check(!set.points.empty() && set.points.size() <= kMaxPoints, "points of an ORSO data set");
    check(set.resolution.empty() || set.resolution.size() == set.points.size(), "resolution of an ORSO data set");
    check(set.title.find_first_of("\r\n") == std::string::npos, "an ORSO title on one line");
    // Written again in full precision, every value reads back the same.
    orso::Columns columns;
    for (const DataPoint& p : set.points) {
      columns.q.push_back(p.q);
      columns.r.push_back(p.r);
      columns.dr.push_back(p.dr);
    }
    columns.dq = set.resolution;
    const DataFileSetsResult again = parseOrsoFile(orso::fileText({set.title, "a.ort", "ORSO", "now"}, columns), "b.ort");
    const auto* back = std::get_if<std::vector<DataFileContents>>(&again);
    check(back && back->size() == 1 && back->front().resolution == set.resolution, "ORSO output read back");
    for (size_t i = 0; i < set.points.size(); ++i)
      check(back->front().points[i].q == set.points[i].q && back->front().points[i].r == set.points[i].r &&
                back->front().points[i].dr == set.points[i].dr,
            "ORSO value read back");
  }
}

void modelFile(std::string_view input) {
  const ModelFileResult result = parseModelFile(input, "fuzz");
  if (const auto* contents = std::get_if<ModelFileContents>(&result)) {
    check(contents->numLayers >= 1 && contents->numLayers <= kMaxLayers, "layers of a model file");
    const ModelCurve& curve = contents->curve;
    check(static_cast<long>(curve.points.size()) <= std::min(curve.announcedCount, kMaxModelCurvePoints),
          "curve points of a model file");
    LayerModel model;
    applyLayerRows(*contents, model);
  }
}

// Whatever settings were read are written back whole and read again alike.
void settingsFile(std::string_view input) {
  const SettingsRead read = parseSettingsFile(input);
  check(read.settings.history.size() <= 100, "history entries read");
  const SettingsRead again = parseSettingsFile(settingsFileText(read.settings));
  check(again.complete, "written settings read back");
  check(again.settings.history.size() == read.settings.history.size(), "history read back");
}

void textView(std::string_view input) {
  check(converter::textItems(input).size() <= converter::kMaxTextItems, "items shown");
}

// One line a target.
// Settings read are in range and come back alike from their own text; a damaged text
// gives the defaults with a problem that names its line.
void calcSettingsFile(std::string_view input) {
  const CalcSettingsRead read = parseCalcSettings(input);
  const CalcSettings& s = read.settings;
  check(s.resolutionPercent >= 0 && s.resolutionPercent <= 20, "resolution in range");
  if (!read.problem.empty()) {
    check(s == CalcSettings{}, "defaults with a problem");
    check(read.problem.rfind("line ", 0) == 0, "the problem names its line");
  }
  const CalcSettingsRead again = parseCalcSettings(calcSettingsText(s));
  check(again.problem.empty() && again.settings == s, "settings read back");
}

const FuzzTarget kTargets[] = {
    {"data_file", dataFile},
    {"model_file", modelFile},
    {"orso_file", orsoFile},
    {"settings_file", settingsFile},
    {"calc_settings_file", calcSettingsFile},
    {"text_view", textView},
    {"convert_isis", converterInput<InputFormat::ISISData>},
    {"convert_nist", converterInput<InputFormat::NISTData>},
    {"convert_ill", converterInput<InputFormat::ILLData>},
    {"convert_drydoc", converterInput<InputFormat::DRYDOCData>},
    {"convert_lumo", converterInput<InputFormat::LUMOData>},
    {"convert_fit", converterInput<InputFormat::LumoFit>},
    {"convert_go", converterInput<InputFormat::GoData>},
    {"convert_orso", converterInput<InputFormat::ORSOData>},
};

}  // namespace

std::span<const FuzzTarget> fuzzTargets() { return kTargets; }

const FuzzTarget* findFuzzTarget(std::string_view name) {
  for (const FuzzTarget& target : kTargets)
    if (name == target.name) return &target;
  return nullptr;
}

}  // namespace lumo::fuzz
