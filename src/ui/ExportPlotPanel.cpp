#include "ui/ExportPlotPanel.h"

#include <cmath>

#include "editor/TypedEntry.h"

namespace lumo::ui {
namespace {

// The number typed in a box, or nothing when it holds none.
std::optional<double> typed(const std::string& text) {
  double value = 0;
  if (!parseTypedNumber(text, value) || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

std::string& ExportPlotPanel::text(ExportPlotBox box) {
  switch (box) {
    case ExportPlotBox::Width: return width;
    case ExportPlotBox::Height: return height;
    default: return resolution;
  }
}

std::variant<FigureSize, std::string> readExportPlotBoxes(const ExportPlotPanel& panel) {
  const auto w = typed(panel.width), h = typed(panel.height), dpi = typed(panel.resolution);
  if (!w) return std::string("The width is not a number of millimetres.");
  if (!h) return std::string("The height is not a number of millimetres.");
  if (!dpi || *dpi != std::floor(*dpi) || std::fabs(*dpi) > 1e6)
    return std::string("The resolution is not a whole number of dots per inch.");
  return FigureSize{*w, *h, static_cast<int>(*dpi)};
}

FileDialogRequest exportPlotRequest(const std::string& fileName) {
  FileDialogRequest r;
  r.save = true;
  r.title = "Export Plot";
  r.filter = "SVG Figure (*.svg)|*.svg|PDF Figure (*.pdf)|*.pdf|PNG Image (*.png)|*.png";
  r.fileName = fileName;
  r.defaultExtension = "svg";
  r.callerConfirmsReplace = true;
  return r;
}

}  // namespace lumo::ui
