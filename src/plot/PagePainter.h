#pragma once
// Paints a PrintPage with a QPainter on any device (printer, PDF or SVG writer, image,
// widget) as vectors at the device's resolution: the page is fitted into the area with
// its shape kept, fonts and lines scaled with it.
#include <QRectF>

#include "plot/PrintPage.h"

class QPaintDevice;
class QPainter;

namespace lumo::plot {

// The largest rectangle of the page's shape, centred in `area`.
QRectF pageTarget(const PrintPage& page, const QRectF& area);

// Paints the page (on a white ground) into `area`, in the painter's device coordinates.
void paintPage(QPainter& painter, const PrintPage& page, const QRectF& area);

// Paints the page over the whole paintable area of `device`; false when the device
// could not be painted on.
bool renderPage(QPaintDevice& device, const PrintPage& page);

}  // namespace lumo::plot
