#include "files/ModelFileWriter.h"

#include "files/NumberText.h"
#include "files/TextWriter.h"

namespace lumo {
namespace {

void writeLayerLines(text::TextWriter& w, const ModelScrollValues& m) {
  w.printInteger(m.numLayers).endLine();
  w.printNumber(static_cast<float>(m.roughness0)).endLine();
  for (int i = 1; i <= m.numLayers; ++i) {
    const LayerScrollValues& v = m.layers[static_cast<size_t>(i)];
    w.printNumber(static_cast<float>(v.thickness)).tab(15);
    w.printNumber(v.sld / 100.0).tab(30);
    w.printInteger(v.solvent).tab(45);
    w.printNumber(static_cast<float>(v.roughness)).endLine();
  }
}

}  // namespace

std::string modelFileText(const ModelScrollValues& layers, const FitCurve& curve) {
  text::TextWriter w;
  writeLayerLines(w, layers);
  w.printInteger(curve.count).endLine();
  for (const FitCurveLine& line : curve.lines) {
    w.printString(text::formatSci4(line.q)).tab(15).printString(text::formatSci4(line.calcR));
    if (curve.withData)
      w.tab(30).printString(text::formatSci4(line.r)).tab(45).printString(text::formatSci4(line.dr));
    w.endLine();
  }
  return w.text();
}

}  // namespace lumo
