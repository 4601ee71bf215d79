#pragma once
// Shows one plot surface of the session: the persistent layer rendered once into a
// pixmap (until the surface or the widget's size changes), the overlay painted over it
// on every repaint, so that a curve refresh costs one polyline.
#include <QPixmap>
#include <QWidget>

#include <cstdint>
#include <vector>

#include "plot/PlotPainter.h"
#include "plot/PlotSurface.h"

class QToolButton;

namespace lumo::plot {

class PlotWidget : public QWidget {
  Q_OBJECT

 public:
  explicit PlotWidget(const PlotSurface& surface, QWidget* parent = nullptr);

  // Follows the surface: shows or hides the widget and schedules a repaint when a layer
  // changed.
  void refresh();
  // The load picture in the plot's corner, which adds one more data file.
  void setLoadButtonVisible(bool visible);
  // A small picture button in the top-right corner; the visible ones line up leftwards
  // from the corner in the order added, the load picture first.
  QToolButton* addCornerButton(const QIcon& icon, const QString& toolTip, const QString& name);
  void layOutCornerButtons();

  // Lines over the curve while the mouse works on the plot (the range line, the
  // background marker), in logical coordinates.
  void setMarkerLines(const PrimitiveList& lines);
  void setCrossPointer(bool cross);
  // The logical point under a pixel of the widget, and the pixel of a logical point, as
  // last painted.
  LogicalPoint logicalAt(QPointF pixel) const { return viewport_.unmap(pixel); }
  QPointF pixelAt(LogicalPoint point) const { return viewport_.map(point); }

  QSize minimumSizeHint() const override { return {160, 100}; }
  QSize sizeHint() const override { return {320, 200}; }

 signals:
  void loadFileClicked();
  void mouseMoved(lumo::LogicalPoint at, bool leftHeld);
  void mousePressed(Qt::MouseButton button, lumo::LogicalPoint at);
  void mouseReleased(Qt::MouseButton button, lumo::LogicalPoint at);
  void mouseLeft();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void renderPersistent(const QRectF& area);
  QFont labelFont() const;

  const PlotSurface& surface_;
  QToolButton* loadButton_ = nullptr;
  std::vector<QToolButton*> cornerButtons_;
  PrimitiveList markers_;
  QPixmap persistent_;
  PlotViewport viewport_;  // of the persistent layer, shared by the overlay
  std::uint64_t persistentVersion_ = ~std::uint64_t{0};
  std::uint64_t overlayVersion_ = ~std::uint64_t{0};
  QSize renderedSize_;
  double renderedRatio_ = 0;
};

}  // namespace lumo::plot
