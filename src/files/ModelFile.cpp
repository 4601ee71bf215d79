#include "files/ModelFile.h"

#include <cmath>

#include "files/FileText.h"
#include "files/NumberText.h"
#include "files/PrintableText.h"
#include "files/TextItemReader.h"

namespace lumo {
namespace {

std::string numbersOnLine(size_t count) {
  return std::to_string(count) + (count == 1 ? " number" : " numbers");
}

// The layer values are read number by number, as they always were: a value too long
// for its column moves the rest of a printed layer line onto the next line.
void readLayers(text::TextItemReader& reader, ModelFileContents& contents) {
  contents.numLayers = static_cast<int>(reader.readInteger(1, kMaxLayers));
  contents.roughness0Line = reader.line();
  contents.roughness0 = reader.readNumber();
  for (int i = 1; i <= contents.numLayers; ++i) {
    ModelLayerRow row;
    row.line = reader.line();
    row.thickness = reader.readNumber();
    row.sld = reader.readNumber();
    row.solventPercent = reader.readNumber();
    row.roughness = reader.readNumber();
    contents.layers.push_back(row);
  }
}

long readCurveCount(text::TextItemReader& reader) {
  const int line = reader.line();
  const double count = reader.readNumber();
  if (count != std::floor(count) || count < 0)
    throw text::ReadError(line, "the curve's point count " + text::shortestDouble(count) +
                                    " is not a whole number of 0 or more");
  return count > 1e9 ? 1000000000L : static_cast<long>(count);
}

ModelCurvePoint curvePoint(const std::vector<double>& row, int line) {
  if (row.size() != 2 && row.size() != 4)
    throw text::ReadError(line, "a curve line holds Q and R, or Q, R, the measured R and its "
                                "error; this one holds " + numbersOnLine(row.size()));
  ModelCurvePoint point{line, row[0], row[1]};
  if (row.size() == 4) point.hasMeasured = true, point.measuredR = row[2], point.measuredErr = row[3];
  return point;
}

// The count, then the curve lines up to the count or the end of the file.
void readCurve(text::TextItemReader& reader, ModelCurve& curve) {
  if (reader.atEnd()) throw text::ReadError(reader.line(), "the file ends before its curve");
  curve.announcedCount = readCurveCount(reader);
  std::vector<double> row;
  while (static_cast<long>(curve.points.size()) < curve.announcedCount && !reader.atEnd()) {
    const int line = reader.readNumberRow(row);
    if (static_cast<long>(curve.points.size()) == kMaxModelCurvePoints)
      throw text::ReadError(line, "the curve holds more than " +
                                      std::to_string(kMaxModelCurvePoints) + " points");
    curve.points.push_back(curvePoint(row, line));
  }
}

}  // namespace

std::string ModelFileError::message() const {
  return "File Not In Correct Format!\n\n" + text::printable(path) + "\n" + detail;
}

ModelFileResult parseModelFile(std::string_view text, const std::string& path) {
  text::TextItemReader reader(text);
  ModelFileContents contents;
  try {
    readLayers(reader, contents);
  } catch (const text::ReadError& e) {
    return ModelFileError{path, e.what()};
  }
  try {
    readCurve(reader, contents.curve);
  } catch (const text::ReadError& e) {
    contents.curve.points.clear();
    contents.curve.problem = e.what();
  }
  return contents;
}

ModelFileResult readModelFile(const std::string& path) {
  const text::FileContents file = text::readTextFile(path);
  if (file.status != text::ReadStatus::Ok)
    return ModelFileError{path, file.status == text::ReadStatus::TooLarge
                                    ? "the file is far too large for a model file"
                                    : "the file does not exist or cannot be read"};
  return parseModelFile(file.text, path);
}

void applyLayerRows(const ModelFileContents& contents, LayerModel& model) {
  model.NumLayers = contents.numLayers;
  model.Roughness[0] = static_cast<float>(contents.roughness0);
  for (int i = 1; i <= contents.numLayers; ++i) {
    const ModelLayerRow& row = contents.layers[static_cast<size_t>(i - 1)];
    const auto at = static_cast<size_t>(i);
    model.Thickness[at] = static_cast<float>(row.thickness);
    model.LayerSLD[at] = static_cast<float>(row.sld * 1e-6);
    model.SolventFraction[at] = static_cast<float>(row.solventPercent / 100);
    model.Roughness[at] = static_cast<float>(row.roughness);
  }
}

}  // namespace lumo
