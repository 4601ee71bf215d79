#include "files/ModelFile.h"

#include "files/FileText.h"
#include "files/TextItemReader.h"

namespace lumo {

std::string ModelFileError::message() const {
  return "File Not In Correct Format!\n\n" + path + "\n" + detail;
}

ModelFileResult parseModelFile(std::string_view text, const std::string& path) {
  text::TextItemReader reader(text);
  ModelFileContents contents;
  try {
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
  } catch (const text::ReadError& e) {
    return ModelFileError{path, e.what()};
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
