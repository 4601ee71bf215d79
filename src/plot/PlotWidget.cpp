#include "plot/PlotWidget.h"

#include <QPainter>
#include <QStyle>
#include <QToolButton>


namespace lumo::plot {

PlotWidget::PlotWidget(const PlotSurface& surface, QWidget* parent)
    : QWidget(parent), surface_(surface) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  // A hidden plot keeps its place in the grid, so the others do not jump.
  policy.setRetainSizeWhenHidden(true);
  setSizePolicy(policy);

  loadButton_ = new QToolButton(this);
  loadButton_->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));
  loadButton_->setAutoRaise(true);
  loadButton_->setIconSize({14, 14});
  loadButton_->setToolTip(tr("Load one more data file"));
  loadButton_->hide();
  connect(loadButton_, &QToolButton::clicked, this, &PlotWidget::loadFileClicked);
  setVisible(surface_.visible());
}

void PlotWidget::setLoadButtonVisible(bool visible) { loadButton_->setVisible(visible); }

void PlotWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The top-right corner, right of the data area and above it, holds no label.
  loadButton_->move(width() - loadButton_->sizeHint().width() - 2, 2);
}

QFont PlotWidget::labelFont() const {
  QFont f = font();
  f.setPointSizeF(std::max(7.0, f.pointSizeF() - 1));
  return f;
}

void PlotWidget::refresh() {
  if (isVisibleTo(parentWidget()) != surface_.visible()) setVisible(surface_.visible());
  if (surface_.persistentVersion() != persistentVersion_ ||
      surface_.overlayVersion() != overlayVersion_)
    update();
}

void PlotWidget::renderPersistent(const QRectF& area) {
  const double ratio = devicePixelRatioF();
  persistent_ = QPixmap((QSizeF(size()) * ratio).toSize());
  persistent_.setDevicePixelRatio(ratio);
  persistent_.fill(Qt::white);
  QPainter painter(&persistent_);
  const QFont font = labelFont();
  viewport_ = fitViewport(surface_, area, font);
  paintPersistentLayer(painter, surface_, viewport_, font);
  persistentVersion_ = surface_.persistentVersion();
  renderedSize_ = size();
  renderedRatio_ = ratio;
}

void PlotWidget::paintEvent(QPaintEvent* /*event*/) {
  const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
  if (surface_.persistentVersion() != persistentVersion_ || size() != renderedSize_ ||
      devicePixelRatioF() != renderedRatio_)
    renderPersistent(area);
  QPainter painter(this);
  painter.drawPixmap(0, 0, persistent_);
  paintOverlayLayer(painter, surface_, viewport_, labelFont());
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
  overlayVersion_ = surface_.overlayVersion();
}

}  // namespace lumo::plot
