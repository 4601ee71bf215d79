#pragma once
// Draws a figure page with Qt: SVG through Qt's SVG generator and PDF through its PDF
// writer, both as vectors with texts as texts, PNG as an image of the figure's pixels.
// The drawing is made in memory and written atomically (core's file writer), so a
// failure never leaves a half-written file. Needs a QGuiApplication (for the fonts).
#include <QByteArray>

#include <variant>

#include "plot/FigureWriter.h"

namespace lumo::plot {

// The file's bytes, or why the figure could not be drawn.
std::variant<QByteArray, std::string> renderFigure(const PrintPage& page, const FigureFile& file);

class QtFigureWriter : public FigureWriter {
 public:
  std::optional<std::string> write(const PrintPage& page, const FigureFile& file) override;
};

}  // namespace lumo::plot
