#pragma once
// Seam between the windows' (and the command-line tool's) behaviour and drawing a figure
// into a file: the program draws with Qt's SVG generator, PDF writer and images
// (plot/QtFigureWriter); core tests record the pages they are given.
#include <optional>
#include <string>

#include "plot/FigureExport.h"
#include "plot/PrintPage.h"

namespace lumo {

class FigureWriter {
 public:
  virtual ~FigureWriter() = default;
  // Draws the page into the planned file, which is replaced only when the new one is
  // complete; a message naming the file when it could not be written.
  virtual std::optional<std::string> write(const PrintPage& page, const FigureFile& file) = 0;
};

}  // namespace lumo
