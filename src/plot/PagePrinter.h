#pragma once
// Seam between the windows' behaviour and the platform's printing: a page goes to a
// printer or a file. The program asks through Qt's print dialog (plot/QtPagePrinter),
// tests and exports write a PDF file without asking (plot/PdfPagePrinter), and core
// tests record the pages they are given.
#include <string>

#include "plot/PrintPage.h"

namespace lumo {

enum class PrintOutcome { Printed, Cancelled, Failed };

struct PrintResult {
  PrintOutcome outcome = PrintOutcome::Printed;
  std::string error;  // why a print failed, for the user
};

class PagePrinter {
 public:
  virtual ~PagePrinter() = default;
  // Prints one page; `documentName` names the job (or the file) where the platform
  // shows one.
  virtual PrintResult print(const PrintPage& page, const std::string& documentName) = 0;
};

}  // namespace lumo
