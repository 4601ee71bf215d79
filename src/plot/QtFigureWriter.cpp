#include "plot/QtFigureWriter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

#include "files/FileText.h"
#include "plot/PagePainter.h"

namespace lumo::plot {
namespace {

// Vectors in a PDF are placed at this resolution whatever the figure's.
constexpr int kPdfResolution = 1200;

QString titleOf(const FigureFile& file) { return QFileInfo(QString::fromStdString(file.path)).completeBaseName(); }

bool drawSvg(QBuffer& out, const PrintPage& page, const FigureFile& file) {
  const PixelSize px = figurePixels(file.size);
  QSvgGenerator svg;
  svg.setOutputDevice(&out);
  svg.setSize({px.width, px.height});
  svg.setViewBox(QRect(0, 0, px.width, px.height));
  svg.setResolution(file.size.dpi);
  svg.setTitle(titleOf(file));
  svg.setDescription(QStringLiteral("Drawn by Lumo"));
  return renderPage(svg, page);
}

bool drawPdf(QBuffer& out, const PrintPage& page, const FigureFile& file) {
  QPdfWriter pdf(&out);
  pdf.setTitle(titleOf(file));
  pdf.setCreator(QStringLiteral("Lumo"));
  // A portrait size turned for a wide figure: a page size is matched in its portrait form.
  const double w = file.size.widthMm, h = file.size.heightMm;
  const QPageSize pageSize(QSizeF(std::min(w, h), std::max(w, h)), QPageSize::Millimeter, QString(),
                           QPageSize::ExactMatch);
  pdf.setPageLayout(QPageLayout(pageSize, w > h ? QPageLayout::Landscape : QPageLayout::Portrait,
                                QMarginsF(0, 0, 0, 0)));
  pdf.setResolution(kPdfResolution);
  return renderPage(pdf, page);
}

bool drawPng(QBuffer& out, const PrintPage& page, const FigureFile& file) {
  const PixelSize px = figurePixels(file.size);
  QImage image(px.width, px.height, QImage::Format_RGB32);
  if (image.isNull()) return false;  // no memory for it
  image.fill(Qt::white);
  const int dotsPerMetre = static_cast<int>(std::lround(file.size.dpi / 0.0254));
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  return renderPage(image, page) && image.save(&out, "PNG");
}

}  // namespace

std::variant<QByteArray, std::string> renderFigure(const PrintPage& page, const FigureFile& file) {
  QByteArray bytes;
  QBuffer out(&bytes);
  out.open(QIODevice::WriteOnly);
  bool drawn = false;
  switch (file.format) {
    case FigureFormat::Svg: drawn = drawSvg(out, page, file); break;
    case FigureFormat::Pdf: drawn = drawPdf(out, page, file); break;
    case FigureFormat::Png: drawn = drawPng(out, page, file); break;
  }
  out.close();
  if (!drawn || bytes.isEmpty()) return "cannot draw the figure for " + file.path;
  return bytes;
}

std::optional<std::string> QtFigureWriter::write(const PrintPage& page, const FigureFile& file) {
  auto drawn = renderFigure(page, file);
  if (const auto* error = std::get_if<std::string>(&drawn)) return *error;
  const QByteArray& bytes = std::get<QByteArray>(drawn);
  return text::writeTextFileAtomically(file.path, std::string(bytes.constData(), static_cast<size_t>(bytes.size())));
}

}  // namespace lumo::plot
