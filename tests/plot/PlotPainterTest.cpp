// Painting recorded polylines on a raster image: a wide curve, which the painter strokes
// in short runs for speed, shows the same line as one stroke of the whole curve.
#include "plot/PlotPainter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPen>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "plot/StandardColour.h"

namespace lumo::test {
namespace {

constexpr int kWidth = 320, kHeight = 700;
constexpr double kCurveWidth = 1.6;

// A profile of twenty smoothed steps across the image, as the SLD profile draws one: 403
// points, so the last run of segments is a short one, ending in a flat stretch.
std::vector<LogicalPoint> steppedCurve() {
  std::vector<LogicalPoint> points;
  for (int i = 0; i < 403; ++i) {
    const double z = i * 700.0 / 402;
    double level = 2;
    for (int step = 0; step < 20; ++step)
      level += (step % 2 ? -4 : 4) * 0.5 * (1 + std::erf((z - 30 - step * 31) / (3 * M_SQRT2)));
    points.push_back({20 + z * 280 / 700, 650 - level * 100});
  }
  return points;
}

QImage blank() {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

QImage paintedByThePlotPainter(const std::vector<LogicalPoint>& points) {
  PlotSurface surface;
  surface.setLogicalSize(kWidth, kHeight);
  surface.setPersistentDrawing(true);
  surface.addPolyline(points, colour::Black, kCurveWidth);
  surface.setPersistentDrawing(false);
  QImage image = blank();
  QPainter painter(&image);
  plot::paintPersistentLayer(painter, surface, {QRectF(0, 0, kWidth, kHeight), 1, 1}, QFont());
  return image;
}

// The whole curve as one stroke of the same pen.
QImage strokedAtOnce(const std::vector<LogicalPoint>& points) {
  QImage image = blank();
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, true);
  QPen pen(Qt::black);
  pen.setWidthF(kCurveWidth);
  pen.setCosmetic(true);
  pen.setCapStyle(Qt::RoundCap);
  painter.setPen(pen);
  QPolygonF polygon;
  for (const LogicalPoint& p : points) polygon << QPointF(p.x, p.y);
  painter.drawPolyline(polygon);
  return image;
}

TEST(PlotPainter, AWideCurveInRunsShowsTheLineOfOneStroke) {
  const std::vector<LogicalPoint> points = steppedCurve();
  const QImage runs = paintedByThePlotPainter(points);
  const QImage whole = strokedAtOnce(points);
  int inked = 0, differing = 0, largest = 0, flipped = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const int a = qGray(runs.pixel(x, y)), b = qGray(whole.pixel(x, y));
      inked += b < 128;
      // Only the anti-aliased edge of a joint between runs is blended twice, a little darker.
      differing += a != b;
      largest = std::max(largest, std::abs(a - b));
      flipped += (a < 128) != (b < 128) && std::abs(a - b) > 64;  // a gap, or ink astray
    }
  EXPECT_GT(inked, 2000);  // the curve is there, steps and all
  EXPECT_EQ(flipped, 0);
  EXPECT_LT(differing, inked / 50);
  EXPECT_LE(largest, 80);
  // The last, short run reaches the curve's end.
  const LogicalPoint end = points.back();
  EXPECT_LT(qGray(runs.pixel(int(end.x) - 1, int(end.y))), 128);
}

}  // namespace
}  // namespace lumo::test
