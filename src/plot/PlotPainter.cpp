#include "plot/PlotPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <QVarLengthArray>

#include <algorithm>

#include "plot/StandardColour.h"

namespace lumo::plot {
namespace {

// Circles smaller than this would vanish on a small plot.
constexpr double kSmallestRadius = 1.5;
// Blank pixels between a label and the edge of the widget.
constexpr double kLabelGap = 2;

QColor toQColor(int number) {
  const Rgb c = standardColour(number);
  return {c.r, c.g, c.b};
}

QPen pen(int colour, double width = 1.0) {
  QPen p(toQColor(colour));
  p.setWidthF(width);
  p.setCosmetic(true);
  return p;
}

// The box a text occupies when its anchor point is placed by its alignment.
QRectF textBox(const TextPrimitive& t, QPointF anchor, const QFontMetricsF& fm) {
  const QSizeF size(fm.horizontalAdvance(QString::fromStdString(t.text)), fm.height());
  double x = anchor.x(), y = anchor.y();
  if (t.hAlign == HAlign::Centre) x -= size.width() / 2;
  if (t.hAlign == HAlign::Right) x -= size.width();
  if (t.vAlign == VAlign::Centre) y -= size.height() / 2;
  if (t.vAlign == VAlign::Bottom) y -= size.height();
  y += t.linesBelow * size.height();
  return {QPointF(x, y), size};
}

PlotViewport scaledTo(const PlotSurface& s, const QRectF& target) {
  return {target, target.width() / s.width(), target.height() / s.height()};
}

}  // namespace

PlotViewport fitViewport(const PlotSurface& surface, const QRectF& area, const QFont& font) {
  const PlotViewport first = scaledTo(surface, area);
  const QFontMetricsF fm(font);
  double left = 0, bottom = 0;
  for (const auto& p : surface.persistent()) {
    const auto* t = std::get_if<TextPrimitive>(&p);
    if (!t) continue;
    const QRectF box = textBox(*t, first.map(t->anchor), fm);
    if (t->role == TextRole::YTick) left = std::max(left, area.left() + kLabelGap - box.left());
    if (t->role == TextRole::XTick) bottom = std::max(bottom, box.bottom() + kLabelGap - area.bottom());
  }
  if (left == 0 && bottom == 0) return first;
  const QRectF target = area.adjusted(left, 0, 0, -bottom);
  if (target.width() < 1 || target.height() < 1) return first;
  return scaledTo(surface, target);
}

void paintLayer(QPainter& painter, const PrimitiveList& layer, const PlotViewport& viewport,
                const QFont& font, const std::optional<LogicalRect>& clip) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setBrush(Qt::NoBrush);
  if (clip) {
    painter.setClipRect(QRectF(viewport.map({clip->left, clip->top}),
                               viewport.map({clip->right, clip->bottom}))
                            .normalized());
  }
  for (const auto& p : layer) {
    if (const auto* l = std::get_if<LinePrimitive>(&p)) {
      painter.setPen(pen(l->colour));
      painter.drawLine(viewport.map(l->from), viewport.map(l->to));
    } else if (const auto* c = std::get_if<CirclePrimitive>(&p)) {
      painter.setPen(pen(c->colour));
      const double r = std::max(c->radius * viewport.sx, kSmallestRadius);
      painter.drawEllipse(viewport.map(c->centre), r, r);
    } else if (const auto* pl = std::get_if<PolylinePrimitive>(&p)) {
      painter.setPen(pen(pl->colour, pl->width));
      QPolygonF polygon;
      polygon.reserve(static_cast<qsizetype>(pl->points.size()));
      for (const LogicalPoint& pt : pl->points) polygon << viewport.map(pt);
      painter.drawPolyline(polygon);
    }
  }
  painter.setClipping(false);
  painter.setFont(font);
  const QFontMetricsF fm(font);
  for (const auto& p : layer) {
    const auto* t = std::get_if<TextPrimitive>(&p);
    if (!t || t->text.empty()) continue;
    painter.setPen(toQColor(t->colour));
    const QRectF box = textBox(*t, viewport.map(t->anchor), fm);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     QString::fromStdString(t->text));
  }
  painter.restore();
}

}  // namespace lumo::plot
