#pragma once
// Paints a plot surface's recorded primitives with a QPainter, scaled from the surface's
// logical coordinates to a pixel rectangle. One painter serves the screen, bitmaps and
// printing.
//
// Texts keep their size in pixels, so the logical margins may be too narrow for them on
// a small surface: the viewport then leaves room at the left for the y labels and at the
// bottom for the x labels, and the logical surface fills the rest.
#include <QColor>
#include <QFont>
#include <QRectF>

#include <optional>

#include "plot/PlotSurface.h"

class QPainter;

namespace lumo::plot {

struct PlotViewport {
  QRectF target;  // where the logical surface lands, in pixels
  double sx = 1, sy = 1;

  QPointF map(LogicalPoint p) const { return {target.left() + p.x * sx, target.top() + p.y * sy}; }
  LogicalPoint unmap(QPointF p) const {
    return {(p.x() - target.left()) / sx, (p.y() - target.top()) / sy};
  }
};

// One of the standard colours (plot/StandardColour) by its number.
QColor toQColor(int number);

// Sizes in device pixels: one-pixel lines on a screen, wider ones on a printer.
struct PaintStyle {
  double lineWidth = 1;        // every line
  double smallestRadius = 1.5;  // circles smaller than this would vanish
  double labelGap = 2;          // between a label and the edge of the area
};

// The viewport for painting `surface` into `area` with labels in `font`.
PlotViewport fitViewport(const PlotSurface& surface, const QRectF& area, const QFont& font,
                         const PaintStyle& style = {});

// Paints one layer: lines, circles and polylines anti-aliased, then the texts. With
// `clip`, the lines, circles and polylines are cut at that logical rectangle; texts
// never are.
void paintLayer(QPainter& painter, const PrimitiveList& layer, const PlotViewport& viewport,
                const QFont& font, const std::optional<LogicalRect>& clip = std::nullopt,
                const PaintStyle& style = {});

// The two layers as a plot shows them: like a picture box, the persistent layer is cut
// at the surface's edges (its labels may use the margins around it); the overlay's
// curves are cut at the data area, where the axes end.
void paintPersistentLayer(QPainter& painter, const PlotSurface& surface, const PlotViewport& viewport,
                          const QFont& font, const PaintStyle& style = {});
void paintOverlayLayer(QPainter& painter, const PlotSurface& surface, const PlotViewport& viewport,
                       const QFont& font, const PaintStyle& style = {});
// Both layers of `surface` fitted into `area`, for printing and export.
void paintSurface(QPainter& painter, const PlotSurface& surface, const QRectF& area,
                  const QFont& font, const PaintStyle& style = {});

}  // namespace lumo::plot
