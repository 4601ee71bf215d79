#include "plot/PlotPainter.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygonF>
#include <QVarLengthArray>

#include <algorithm>
#include <cmath>
#include <vector>

#include "plot/StandardColour.h"

namespace lumo::plot {

QColor toQColor(int number) {
  const Rgb c = standardColour(number);
  return {c.r, c.g, c.b};
}

namespace {

QPen pen(int colour, double width = 1.0) {
  QPen p(toQColor(colour));
  p.setWidthF(width);
  p.setCosmetic(true);
  return p;
}

// Paints lines, circles and polylines with one-pixel pens (polylines with their width).
// On a raster device (the screen, bitmaps) a line along an axis is filled as a rectangle
// one pixel wide on the pixel grid, and circles are stamped from one rendered circle
// per colour and size: as crisp, and many times quicker for tens of thousands of error
// bars and points. Other devices (printers, PDF) get every shape as a vector.
class ShapePainter {
 public:
  // Segments of a wide polyline stroked at once on a raster device.
  static constexpr qsizetype kRunSegments = 16;

  ShapePainter(QPainter& painter, const PlotViewport& viewport, const PaintStyle& style)
      : p_(painter), v_(viewport), style_(style), dpr_(painter.device()->devicePixelRatioF()) {
    const QPaintEngine* engine = painter.paintEngine();
    raster_ = engine && engine->type() == QPaintEngine::Raster &&
              painter.transform().type() <= QTransform::TxScale;
  }

  void line(const LinePrimitive& l) {
    const QPointF a = v_.map(l.from), b = v_.map(l.to);
    if (raster_ && style_.lineWidth == 1 && (a.x() == b.x() || a.y() == b.y())) {
      antialias(false);  // whole pixels need none, and filling them is far quicker without
      p_.fillRect(gridLine(a, b), toQColor(l.colour));
      return;
    }
    usePen(l.colour, style_.lineWidth);
    antialias(true);
    p_.drawLine(a, b);
  }

  void circle(const CirclePrimitive& c) {
    const double r = std::max(c.radius * v_.sx, style_.smallestRadius);
    const QPointF centre = v_.map(c.centre);
    if (!raster_ || style_.lineWidth != 1) {
      usePen(c.colour, style_.lineWidth);
      p_.drawEllipse(centre, r, r);
      return;
    }
    antialias(true);
    const QImage& image = stamp(c.colour, r);
    const double half = image.width() / 2;
    p_.drawImage(QPointF((std::round(centre.x() * dpr_) - half) / dpr_,
                         (std::round(centre.y() * dpr_) - half) / dpr_),
                 image);
  }

  void polyline(const PolylinePrimitive& pl) {
    const double width = pl.width * style_.lineWidth;
    const bool inRuns = raster_ && width > 1;
    usePen(pl.colour, width, inRuns ? Qt::RoundCap : Qt::SquareCap);
    antialias(true);
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(pl.points.size()));
    for (const LogicalPoint& pt : pl.points) polygon << v_.map(pt);
    if (!inRuns) {
      p_.drawPolyline(polygon);
      return;
    }
    // The raster engine fills a wide pen's outline at a cost that grows with the area the
    // whole outline spans times its length: a profile of a few hundred points across the
    // plot took milliseconds per curve. Short runs sharing their end points cost a small
    // fraction of that; round caps make each joint between runs a round join.
    for (qsizetype start = 0; start + 1 < polygon.size(); start += kRunSegments)
      p_.drawPolyline(polygon.constData() + start,
                      static_cast<int>(std::min<qsizetype>(kRunSegments + 1, polygon.size() - start)));
  }

 private:
  struct Stamp {
    int colour;
    long size;  // radius in quarters of a device pixel
    QImage image;
  };

  void antialias(bool on) {
    if (on == antialiased_) return;
    p_.setRenderHint(QPainter::Antialiasing, on);
    antialiased_ = on;
  }

  void usePen(int colour, double width, Qt::PenCapStyle cap = Qt::SquareCap) {
    if (colour == penColour_ && width == penWidth_ && cap == penCap_) return;
    QPen p = pen(colour, width);
    p.setCapStyle(cap);
    p_.setPen(p);
    penColour_ = colour;
    penWidth_ = width;
    penCap_ = cap;
  }

  // The pixels a line along an axis covers, from end to end.
  static QRect gridLine(QPointF a, QPointF b) {
    const int x0 = int(std::floor(std::min(a.x(), b.x()))), x1 = int(std::floor(std::max(a.x(), b.x())));
    const int y0 = int(std::floor(std::min(a.y(), b.y()))), y1 = int(std::floor(std::max(a.y(), b.y())));
    return QRect(QPoint(x0, y0), QPoint(x1, y1));
  }

  const QImage& stamp(int colour, double radius) {
    const long size = std::lround(radius * dpr_ * 4);
    for (const Stamp& s : stamps_)
      if (s.colour == colour && s.size == size) return s.image;
    const double r = radius * dpr_;
    const int side = 2 * int(std::ceil(r + 1.5));
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(pen(colour));
    painter.drawEllipse(QPointF(side / 2.0, side / 2.0), r, r);
    painter.end();
    image.setDevicePixelRatio(dpr_);
    stamps_.push_back({colour, size, image});
    return stamps_.back().image;
  }

  QPainter& p_;
  const PlotViewport& v_;
  const PaintStyle& style_;
  double dpr_ = 1;
  bool raster_ = false;
  bool antialiased_ = true;
  int penColour_ = -1;
  double penWidth_ = -1;
  Qt::PenCapStyle penCap_ = Qt::SquareCap;
  std::vector<Stamp> stamps_;
};

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

PlotViewport fitViewport(const PlotSurface& surface, const QRectF& area, const QFont& font,
                         const PaintStyle& style) {
  const PlotViewport first = scaledTo(surface, area);
  const QFontMetricsF fm(font);
  double left = 0, bottom = 0;
  for (const auto& p : surface.persistent()) {
    const auto* t = std::get_if<TextPrimitive>(&p);
    if (!t) continue;
    const QRectF box = textBox(*t, first.map(t->anchor), fm);
    if (t->role == TextRole::YTick) left = std::max(left, area.left() + style.labelGap - box.left());
    if (t->role == TextRole::XTick) bottom = std::max(bottom, box.bottom() + style.labelGap - area.bottom());
  }
  if (left == 0 && bottom == 0) return first;
  const QRectF target = area.adjusted(left, 0, 0, -bottom);
  if (target.width() < 1 || target.height() < 1) return first;
  return scaledTo(surface, target);
}

void paintLayer(QPainter& painter, const PrimitiveList& layer, const PlotViewport& viewport,
                const QFont& font, const std::optional<LogicalRect>& clip, const PaintStyle& style) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setBrush(Qt::NoBrush);
  if (clip) {
    painter.setClipRect(QRectF(viewport.map({clip->left, clip->top}),
                               viewport.map({clip->right, clip->bottom}))
                            .normalized());
  }
  ShapePainter shapes(painter, viewport, style);
  for (const auto& p : layer) {
    if (const auto* l = std::get_if<LinePrimitive>(&p))
      shapes.line(*l);
    else if (const auto* c = std::get_if<CirclePrimitive>(&p))
      shapes.circle(*c);
    else if (const auto* pl = std::get_if<PolylinePrimitive>(&p))
      shapes.polyline(*pl);
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

void paintPersistentLayer(QPainter& painter, const PlotSurface& surface, const PlotViewport& viewport,
                          const QFont& font, const PaintStyle& style) {
  paintLayer(painter, surface.persistent(), viewport, font,
             LogicalRect{0, 0, surface.width(), surface.height()}, style);
}

void paintOverlayLayer(QPainter& painter, const PlotSurface& surface, const PlotViewport& viewport,
                       const QFont& font, const PaintStyle& style) {
  paintLayer(painter, surface.overlay(), viewport, font, surface.dataArea(), style);
}

void paintSurface(QPainter& painter, const PlotSurface& surface, const QRectF& area,
                  const QFont& font, const PaintStyle& style) {
  const PlotViewport viewport = fitViewport(surface, area, font, style);
  paintPersistentLayer(painter, surface, viewport, font, style);
  paintOverlayLayer(painter, surface, viewport, font, style);
}

}  // namespace lumo::plot
