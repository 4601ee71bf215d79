#include "plot/PdfPagePrinter.h"

#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>

#include "plot/PagePainter.h"

namespace lumo::plot {

void orientFor(QPagedPaintDevice& device, const PrintPage& page) {
  device.setPageOrientation(page.width > page.height ? QPageLayout::Landscape : QPageLayout::Portrait);
}

PrintResult PdfPagePrinter::print(const PrintPage& page, const std::string& documentName) {
  const QString path = QString::fromStdString(path_);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return {PrintOutcome::Failed, "cannot write " + path_ + ": " + file.errorString().toStdString()};
  {
    QPdfWriter writer(&file);
    writer.setTitle(QString::fromStdString(documentName));
    writer.setCreator(QStringLiteral("Lumo"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    orientFor(writer, page);
    writer.setResolution(600);
    if (!renderPage(writer, page)) {
      file.cancelWriting();
      return {PrintOutcome::Failed, "cannot draw the page into " + path_};
    }
  }
  if (!file.commit())
    return {PrintOutcome::Failed, "cannot write " + path_ + ": " + file.errorString().toStdString()};
  ++pages_;
  return {};
}

}  // namespace lumo::plot
