#pragma once
// Prints a page into a PDF file without asking: for tests (the scripted printer) and for
// exports. The file is written whole or not at all.
#include <string>

#include "plot/PagePrinter.h"

class QPagedPaintDevice;

namespace lumo::plot {

class PdfPagePrinter : public PagePrinter {
 public:
  explicit PdfPagePrinter(std::string path) : path_(std::move(path)) {}
  PrintResult print(const PrintPage& page, const std::string& documentName) override;
  int pagesPrinted() const { return pages_; }

 private:
  std::string path_;
  int pages_ = 0;
};

// Landscape for a page wider than tall, portrait otherwise.
void orientFor(QPagedPaintDevice& device, const PrintPage& page);

}  // namespace lumo::plot
