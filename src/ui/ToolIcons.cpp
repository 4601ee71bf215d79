#include "ui/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <functional>

namespace lumo::ui {
namespace {

// Pictures are drawn on a 24 × 24 canvas and rendered at two sizes for crisp scaling.
using Drawing = std::function<void(QPainter&)>;

const QColor kInk(40, 40, 48);
const QColor kData(0, 0, 128);  // the colour of measured data on the plots
const QColor kFolder(226, 178, 60);
const QColor kAccent(200, 40, 40);

QPen inkPen(const QColor& c, double w = 1.6) {
  QPen p(c, w);
  p.setCapStyle(Qt::RoundCap);
  p.setJoinStyle(Qt::RoundJoin);
  return p;
}

void folder(QPainter& p) {
  QPainterPath path;
  path.moveTo(2, 7);
  path.lineTo(9, 7);
  path.lineTo(11, 9);
  path.lineTo(21, 9);
  path.lineTo(21, 20);
  path.lineTo(2, 20);
  path.closeSubpath();
  p.setPen(inkPen(kFolder.darker(140), 1.2));
  p.setBrush(kFolder);
  p.drawPath(path);
}

void disk(QPainter& p) {
  p.setPen(inkPen(QColor(40, 70, 130), 1.2));
  p.setBrush(QColor(80, 120, 190));
  p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(7, 4, 10, 6));
}

// Three layers of a film, the badge of the model-file commands.
void layers(QPainter& p, double x, double y) {
  const QColor c[] = {QColor(120, 160, 220), QColor(230, 150, 90), QColor(120, 190, 120)};
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 3; ++i) {
    p.setBrush(c[i]);
    p.drawRect(QRectF(x, y + 3.2 * i, 11, 2.6));
  }
}

void points(QPainter& p, const std::vector<QPointF>& at, double r = 1.8) {
  p.setPen(inkPen(kData, 1.3));
  p.setBrush(Qt::NoBrush);
  for (const QPointF& c : at) p.drawEllipse(c, r, r);
}

// A reflectivity-like curve falling from the top left.
QPainterPath fallingCurve(double x0, double x1, double y0, double y1) {
  QPainterPath path;
  for (int i = 0; i <= 24; ++i) {
    const double t = i / 24.0;
    const double y = y0 + (y1 - y0) * (1 - std::exp(-3 * t)) / (1 - std::exp(-3.0)) +
                     1.2 * std::sin(14 * t) * t;
    i == 0 ? path.moveTo(x0 + (x1 - x0) * t, y) : path.lineTo(x0 + (x1 - x0) * t, y);
  }
  return path;
}

void axes(QPainter& p) {
  p.setPen(inkPen(kInk, 1.2));
  p.drawLine(QPointF(4, 3), QPointF(4, 20));
  p.drawLine(QPointF(4, 20), QPointF(21, 20));
}

void letters(QPainter& p, const QRectF& box, const QString& text, const QColor& c, double size,
             bool bold = true) {
  QFont f = p.font();
  f.setPixelSize(static_cast<int>(size));
  f.setBold(bold);
  p.setFont(f);
  p.setPen(c);
  p.drawText(box, Qt::AlignCenter, text);
}

void cross(QPainter& p, double x, double y, double r) {
  p.setPen(inkPen(kAccent, 2.2));
  p.drawLine(QPointF(x - r, y - r), QPointF(x + r, y + r));
  p.drawLine(QPointF(x - r, y + r), QPointF(x + r, y - r));
}

const std::vector<QPointF> kScatter = {{7, 7}, {10, 10}, {13, 12}, {16, 15}, {19, 16}};

Drawing drawingFor(Tool tool) {
  switch (tool) {
    case Tool::SSCOpen: return [](QPainter& p) { folder(p); layers(p, 8, 11); };
    case Tool::SSCSave: return [](QPainter& p) { disk(p); layers(p, 6.5, 12); };
    case Tool::SSCReload:
      return [](QPainter& p) {
        p.setPen(inkPen(QColor(30, 120, 60), 2.2));
        p.drawArc(QRectF(4, 4, 16, 16), 60 * 16, 280 * 16);
        p.setBrush(QColor(30, 120, 60));
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({QPointF(14, 2), QPointF(20, 6), QPointF(13, 9)}));
      };
    case Tool::SSCPrint:
      return [](QPainter& p) {
        p.setPen(inkPen(kInk, 1.2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 2, 10, 8));
        p.setBrush(QColor(150, 150, 160));
        p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 15, 12, 7));
      };
    case Tool::SSCSetProperties:
      return [](QPainter& p) {
        p.setPen(inkPen(kInk, 1.2));
        p.setBrush(QColor(225, 225, 230));
        p.drawRect(QRectF(2, 9, 20, 7));
        p.setBrush(QColor(90, 110, 160));
        p.drawRect(QRectF(10, 9, 5, 7));
        for (double x : {4.0, 8.0, 17.0, 21.0}) p.drawLine(QPointF(x, 19), QPointF(x, 21));
      };
    case Tool::SSCAbout:
      return [](QPainter& p) {
        p.setPen(inkPen(QColor(30, 80, 160), 1.6));
        p.setBrush(QColor(225, 235, 250));
        p.drawEllipse(QRectF(3, 3, 18, 18));
        letters(p, QRectF(3, 3, 18, 18), QStringLiteral("i"), QColor(30, 80, 160), 14);
      };
    case Tool::SSCPause:
      return [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 130, 20));
        p.drawRoundedRect(QRectF(6, 4, 4, 16), 1, 1);
        p.drawRoundedRect(QRectF(14, 4, 4, 16), 1, 1);
      };
    case Tool::SSCRefine:
      // Three scroll bars set together, their knobs in the accent colour.
      return [](QPainter& p) {
        p.setPen(inkPen(kInk, 1.2));
        for (double y : {5.0, 12.0, 19.0}) p.drawLine(QPointF(2, y), QPointF(22, y));
        p.setPen(inkPen(kAccent.darker(130), 1.0));
        p.setBrush(kAccent);
        for (const QPointF& knob : {QPointF(15, 5), QPointF(8, 12), QPointF(18, 19)})
          p.drawRoundedRect(QRectF(knob.x() - 2.5, knob.y() - 3.5, 5, 7), 1.2, 1.2);
      };
    case Tool::SSROpenData: return [](QPainter& p) { folder(p); points(p, {{8, 13}, {12, 15}, {16, 17}}, 1.6); };
    case Tool::SSRCloseData: return [](QPainter& p) { folder(p); cross(p, 15, 15, 3.5); };
    case Tool::SSRSaveData: return [](QPainter& p) { disk(p); points(p, {{8, 14}, {12, 16}, {16, 18}}, 1.5); };
    case Tool::SSRAutoFit:
      return [](QPainter& p) {
        p.setPen(inkPen(kAccent, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(3, 3, 18, 18));
        p.drawEllipse(QRectF(8, 8, 8, 8));
        p.drawLine(QPointF(12, 1), QPointF(12, 23));
        p.drawLine(QPointF(1, 12), QPointF(23, 12));
      };
    case Tool::SSRBackGroundSub:
      return [](QPainter& p) {
        axes(p);
        p.setPen(inkPen(kData));
        p.drawPath(fallingCurve(5, 21, 5, 15));
        QPen dash = inkPen(kAccent, 1.4);
        dash.setStyle(Qt::DashLine);
        p.setPen(dash);
        p.drawLine(QPointF(5, 16.5), QPointF(21, 16.5));
      };
    case Tool::SSRScaleFactor:
      return [](QPainter& p) {
        axes(p);
        letters(p, QRectF(5, 2, 17, 17), QStringLiteral("×k"), kData, 11);
      };
    case Tool::SSRRemoveNegatives:
      return [](QPainter& p) {
        p.setPen(inkPen(kInk, 1.2));
        p.drawLine(QPointF(2, 11), QPointF(22, 11));
        points(p, {{6, 6}, {11, 8}});
        points(p, {{17, 16}});
        cross(p, 17, 16, 3.5);
      };
    case Tool::SSRResidual:
      return [](QPainter& p) {
        letters(p, QRectF(0, 0, 24, 24), QStringLiteral("χ²"), kInk, 14);
      };
    case Tool::SSRFitting:
      return [](QPainter& p) {
        axes(p);
        points(p, kScatter, 1.5);
        p.setPen(inkPen(Qt::black, 1.6));
        p.drawPath(fallingCurve(5, 21, 6, 17));
      };
    case Tool::SSRIncreasePoints:
      return [](QPainter& p) {
        axes(p);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        for (int i = 0; i < 8; ++i) p.drawEllipse(QPointF(6 + 2 * i, 17 - 1.5 * i), 0.9, 0.9);
      };
    case Tool::SSRLine:
      return [](QPainter& p) {
        p.setPen(inkPen(kData, 1.5));
        p.drawPolyline(QPolygonF(QVector<QPointF>(kScatter.begin(), kScatter.end())));
      };
    case Tool::SSRPoints: return [](QPainter& p) { points(p, kScatter, 2.2); };
    case Tool::SSRErrorBars:
      return [](QPainter& p) {
        p.setPen(inkPen(kData, 1.3));
        for (const QPointF& c : {QPointF(6, 8), QPointF(12, 12), QPointF(18, 15)}) {
          p.drawLine(QPointF(c.x(), c.y() - 4), QPointF(c.x(), c.y() + 4));
          p.drawLine(QPointF(c.x() - 2, c.y() - 4), QPointF(c.x() + 2, c.y() - 4));
          p.drawLine(QPointF(c.x() - 2, c.y() + 4), QPointF(c.x() + 2, c.y() + 4));
        }
        points(p, {{6, 8}, {12, 12}, {18, 15}}, 1.4);
      };
    case Tool::SSRLogX:
      return [](QPainter& p) {
        axes(p);
        p.setPen(inkPen(kInk, 1.0));
        for (double d : {0.0, 7.0}) {
          for (int k = 1; k <= 9; ++k) {
            const double x = 4 + d + 7 * std::log10(k);
            p.drawLine(QPointF(x, 20), QPointF(x, k == 1 ? 15 : 17.5));
          }
        }
        letters(p, QRectF(6, 2, 16, 11), QStringLiteral("X"), kInk, 10);
      };
    case Tool::SSRLogY:
      return [](QPainter& p) {
        axes(p);
        p.setPen(inkPen(kInk, 1.0));
        for (double d : {0.0, 8.0}) {
          for (int k = 1; k <= 9; ++k) {
            const double y = 20 - d - 8 * std::log10(k);
            p.drawLine(QPointF(4, y), QPointF(k == 1 ? 9 : 6.5, y));
          }
        }
        letters(p, QRectF(9, 8, 14, 12), QStringLiteral("Y"), kInk, 10);
      };
    case Tool::SSRMultiPlot:
      return [](QPainter& p) {
        axes(p);
        const QColor c[] = {kData, QColor(30, 130, 70), kAccent};
        for (int i = 0; i < 3; ++i) {
          p.setPen(inkPen(c[i], 1.3));
          p.drawPath(fallingCurve(5, 21, 4 + 3 * i, 14 + 2 * i));
        }
      };
    case Tool::SSRToolTips:
      return [](QPainter& p) {
        p.setPen(inkPen(kInk, 1.2));
        p.setBrush(QColor(255, 250, 205));
        QPainterPath bubble;
        bubble.addRoundedRect(QRectF(2, 3, 20, 14), 3, 3);
        bubble.moveTo(7, 17);
        bubble.lineTo(6, 22);
        bubble.lineTo(12, 17);
        p.drawPath(bubble.simplified());
        letters(p, QRectF(2, 3, 20, 14), QStringLiteral("?"), kInk, 11);
      };
    case Tool::Count: break;
  }
  return [](QPainter&) {};
}

QPixmap render(const Drawing& draw, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(size / 24.0, size / 24.0);
  draw(p);
  return pixmap;
}

}  // namespace

QIcon toolIcon(Tool tool) {
  const Drawing draw = drawingFor(tool);
  QIcon icon;
  for (int size : {24, 48}) icon.addPixmap(render(draw, size));
  return icon;
}

}  // namespace lumo::ui
