#include "FuzzTargets.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <variant>
#include <vector>

#include "converter/OpenData.h"
#include "converter/SaveData.h"
#include "converter/TextView.h"
#include "files/DataFile.h"
#include "files/ModelFile.h"
#include "files/OrsoReader.h"
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

template <InputFormat format>
void converterInput(std::string_view input) {
  for (bool keepTitle : {false, true}) {
    ConvData data;
    data.ConvTitle = "kept";
    if (!converter::parseConverterInput(input, {format, keepTitle}, data)) checkConversion(data);
    else check(data.ConvTitle == "kept" && data.ConvNumPoints == 0, "a refused file changed the data");
  }
}

void dataFile(std::string_view input) {
  for (PointCount count : {PointCount::UntilEnd, PointCount::AsAnnounced}) {
    const DataFileResult result = parseDataFile(input, count, "fuzz");
    if (const auto* contents = std::get_if<DataFileContents>(&result))
      check(!contents->points.empty() && contents->points.size() <= kMaxPoints, "points of a data file");
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
const FuzzTarget kTargets[] = {
    {"data_file", dataFile},
    {"model_file", modelFile},
    {"orso_file", orsoFile},
    {"settings_file", settingsFile},
    {"text_view", textView},
    {"convert_isis", converterInput<InputFormat::ISISData>},
    {"convert_nist", converterInput<InputFormat::NISTData>},
    {"convert_ill", converterInput<InputFormat::ILLData>},
    {"convert_drydoc", converterInput<InputFormat::DRYDOCData>},
    {"convert_lumo", converterInput<InputFormat::LUMOData>},
    {"convert_fit", converterInput<InputFormat::LumoFit>},
    {"convert_go", converterInput<InputFormat::GoData>},
};

}  // namespace

std::span<const FuzzTarget> fuzzTargets() { return kTargets; }

const FuzzTarget* findFuzzTarget(std::string_view name) {
  for (const FuzzTarget& target : kTargets)
    if (name == target.name) return &target;
  return nullptr;
}

}  // namespace lumo::fuzz
