#include "plot/QtPagePrinter.h"

#include <QPrintDialog>
#include <QPrinter>

#include "plot/PagePainter.h"
#include "plot/PdfPagePrinter.h"

namespace lumo::plot {

PrintResult QtPagePrinter::print(const PrintPage& page, const std::string& documentName) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QString::fromStdString(documentName));
  orientFor(printer, page);
  QPrintDialog dialog(&printer, parent_);
  if (dialog.exec() != QDialog::Accepted) return {PrintOutcome::Cancelled, {}};
  if (!renderPage(printer, page) || printer.printerState() == QPrinter::Error) {
    const std::string where = printer.outputFileName().isEmpty()
                                  ? "the printer " + printer.printerName().toStdString()
                                  : printer.outputFileName().toStdString();
    return {PrintOutcome::Failed, "The page could not be printed to " + where + "."};
  }
  return {};
}

}  // namespace lumo::plot
