#include "plot/PagePainter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "plot/PlotPainter.h"

namespace lumo::plot {
namespace {

QPointF onPage(const QRectF& target, double scale, LogicalPoint p) {
  return {target.left() + p.x * scale, target.top() + p.y * scale};
}

// A text placed by its anchor and alignment; a vertical one is turned a quarter to the
// left about its anchor.
void paintText(QPainter& painter, const PageText& t, QPointF anchor, const QFontMetricsF& fm) {
  const QString text = QString::fromStdString(t.text);
  const QSizeF size(fm.horizontalAdvance(text), fm.height());
  double x = 0, y = 0;
  if (t.hAlign == HAlign::Centre) x -= size.width() / 2;
  if (t.hAlign == HAlign::Right) x -= size.width();
  if (t.vAlign == VAlign::Centre) y -= size.height() / 2;
  if (t.vAlign == VAlign::Bottom) y -= size.height();
  painter.save();
  painter.setPen(toQColor(t.colour));
  painter.translate(anchor);
  if (t.vertical) painter.rotate(-90);
  painter.drawText(QRectF(QPointF(x, y), size), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
  painter.restore();
}

}  // namespace

QRectF pageTarget(const PrintPage& page, const QRectF& area) {
  const double scale = std::min(area.width() / page.width, area.height() / page.height);
  const QSizeF size(page.width * scale, page.height * scale);
  return {area.center() - QPointF(size.width() / 2, size.height() / 2), size};
}

void paintPage(QPainter& painter, const PrintPage& page, const QRectF& area) {
  const QRectF target = pageTarget(page, area);
  const double scale = target.width() / page.width;
  painter.save();
  painter.fillRect(target, Qt::white);
  QFont font = painter.font();
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(page.fontHeight * scale))));
  const double line = std::max(page.lineWidth * scale, 0.5);
  const PaintStyle style{line, 1.5 * line, page.fontHeight * scale / 4};
  for (const PagePlot& plot : page.plots) {
    const QRectF box(onPage(target, scale, {plot.box.left, plot.box.top}),
                     onPage(target, scale, {plot.box.right, plot.box.bottom}));
    paintSurface(painter, plot.surface, box, font, style);
  }
  painter.setFont(font);
  const QFontMetricsF fm(font, painter.device());
  for (const PageText& text : page.texts) paintText(painter, text, onPage(target, scale, text.anchor), fm);
  painter.restore();
}

bool renderPage(QPaintDevice& device, const PrintPage& page) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  paintPage(painter, page, QRectF(0, 0, device.width(), device.height()));
  return painter.end();
}

}  // namespace lumo::plot
