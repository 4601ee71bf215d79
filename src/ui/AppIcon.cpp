#include "ui/AppIcon.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <cmath>

namespace lumo::ui {
namespace {

const QRectF kTile(2, 2, 44, 44);
constexpr double kTileRadius = 9;

// R(Q) on the icon: flat up to the critical edge, then falling by decades with the
// fringes of a thin film.
QPointF curveAt(double t) {
  const double u = std::max(0.0, (t - 0.2) / 0.8);
  const double fall = (1 - std::exp(-3.0 * u)) / (1 - std::exp(-3.0));
  const double fringe = 2.4 * std::min(1.0, 5 * u) * std::sin(2 * M_PI * 2.2 * u);
  return {8 + 32 * t, 9 + 17 * fall + fringe};
}

void tile(QPainter& p) {
  QLinearGradient sky(kTile.topLeft(), kTile.bottomLeft());
  sky.setColorAt(0, QColor(255, 255, 255));
  sky.setColorAt(1, QColor(214, 228, 248));
  p.setPen(QPen(QColor(60, 80, 120), 1.2));
  p.setBrush(sky);
  p.drawRoundedRect(kTile, kTileRadius, kTileRadius);
}

// The film on its substrate: the bottom of the tile in three bands (shapes cut to the
// tile rather than clipped, so that the SVG rendering needs no clip path).
void film(QPainter& p) {
  QPainterPath inside;
  inside.addRoundedRect(kTile.adjusted(0.6, 0.6, -0.6, -0.6), kTileRadius, kTileRadius);
  p.setPen(Qt::NoPen);
  const struct {
    double top, height;
    QColor colour;
  } bands[] = {{33, 3.5, QColor(230, 150, 90)},
               {36.5, 3.5, QColor(120, 160, 220)},
               {40, 7, QColor(110, 120, 135)}};
  for (const auto& b : bands) {
    QPainterPath band;
    band.addRect(QRectF(kTile.left(), b.top, kTile.width(), b.height));
    p.setBrush(b.colour);
    p.drawPath(band.intersected(inside));
  }
}

void curveWithData(QPainter& p) {
  QPainterPath path;
  path.moveTo(curveAt(0));
  for (int i = 1; i <= 60; ++i) path.lineTo(curveAt(i / 60.0));
  QPen line(QColor(20, 20, 28), 1.9);
  line.setCapStyle(Qt::RoundCap);
  line.setJoinStyle(Qt::RoundJoin);
  p.setPen(line);
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.setPen(QPen(QColor(0, 0, 128), 1.6));  // the colour of measured data on the plots
  p.setBrush(Qt::white);
  // Measured points scatter a little about the calculated curve.
  const struct {
    double t, dy;
  } data[] = {{0.02, -0.6}, {0.16, 0.6}, {0.36, 0.8}, {0.58, -0.8}, {0.8, 0.7}, {0.97, -0.6}};
  for (const auto& d : data) p.drawEllipse(curveAt(d.t) + QPointF(0, d.dy), 1.6, 1.6);
}

}  // namespace

void drawAppIcon(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  tile(painter);
  film(painter);
  curveWithData(painter);
}

QImage appIconImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.scale(size / double(kAppIconCanvas), size / double(kAppIconCanvas));
  drawAppIcon(p);
  return image;
}

QIcon appIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256})
    icon.addPixmap(QPixmap::fromImage(appIconImage(size)));
  return icon;
}

}  // namespace lumo::ui
