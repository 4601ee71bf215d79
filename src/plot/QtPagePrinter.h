#pragma once
// Prints a page through Qt's print dialog, where the user picks a printer or printing
// to a PDF file (which works also on a machine without any printer).
#include <QPointer>
#include <QWidget>

#include "plot/PagePrinter.h"

namespace lumo::plot {

class QtPagePrinter : public PagePrinter {
 public:
  explicit QtPagePrinter(QWidget* parent) : parent_(parent) {}
  PrintResult print(const PrintPage& page, const std::string& documentName) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace lumo::plot
