#pragma once
// Shows one plot surface of the session: the persistent layer rendered once into a
// pixmap (until the surface or the widget's size changes), the overlay painted over it
// on every repaint, so that a curve refresh costs one polyline.
#include <QPixmap>
#include <QWidget>

#include <cstdint>

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
  // The surface's logical point under a widget position, as last painted.
  LogicalPoint toLogical(QPointF position) const { return viewport_.unmap(position); }

  QSize minimumSizeHint() const override { return {160, 100}; }
  QSize sizeHint() const override { return {320, 200}; }

 signals:
  void loadFileClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void renderPersistent(const QRectF& area);
  QFont labelFont() const;

  const PlotSurface& surface_;
  QToolButton* loadButton_ = nullptr;
  QPixmap persistent_;
  PlotViewport viewport_;  // of the persistent layer, shared by the overlay
  std::uint64_t persistentVersion_ = ~std::uint64_t{0};
  std::uint64_t overlayVersion_ = ~std::uint64_t{0};
  QSize renderedSize_;
  double renderedRatio_ = 0;
};

}  // namespace lumo::plot
