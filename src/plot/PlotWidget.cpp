#include "plot/PlotWidget.h"

#include <QMouseEvent>
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

  setMouseTracking(true);
  loadButton_ = addCornerButton(style()->standardIcon(QStyle::SP_FileDialogNewFolder),
                                tr("Load one more data file"), QStringLiteral("picLoadFile"));
  connect(loadButton_, &QToolButton::clicked, this, &PlotWidget::loadFileClicked);
  setVisible(surface_.visible());
}

QToolButton* PlotWidget::addCornerButton(const QIcon& icon, const QString& toolTip,
                                         const QString& name) {
  auto* b = new QToolButton(this);
  b->setIcon(icon);
  b->setAutoRaise(true);
  b->setIconSize({14, 14});
  b->setFixedSize(18, 18);
  b->setToolTip(toolTip);
  b->setObjectName(name);
  b->setCursor(Qt::ArrowCursor);
  b->hide();
  cornerButtons_.push_back(b);
  return b;
}

void PlotWidget::setLoadButtonVisible(bool visible) {
  if (loadButton_->isVisibleTo(this) == visible) return;
  loadButton_->setVisible(visible);
  layOutCornerButtons();
}

// The top-right corner, right of the data area and above it, holds no label.
void PlotWidget::layOutCornerButtons() {
  int right = width() - 2;
  for (QToolButton* b : cornerButtons_) {
    if (!b->isVisibleTo(this)) continue;
    right -= b->width();
    b->move(right, 1);
  }
}

void PlotWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layOutCornerButtons();
}

void PlotWidget::setMarkerLines(const PrimitiveList& lines) {
  if (lines.empty() && markers_.empty()) return;
  markers_ = lines;
  update();
}

void PlotWidget::setCrossPointer(bool cross) {
  if (cross == (cursor().shape() == Qt::CrossCursor)) return;
  if (cross)
    setCursor(Qt::CrossCursor);
  else
    unsetCursor();
}

void PlotWidget::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMoved(logicalAt(event->position()), (event->buttons() & Qt::LeftButton) != 0);
}

void PlotWidget::mousePressEvent(QMouseEvent* event) {
  emit mousePressed(event->button(), logicalAt(event->position()));
}

void PlotWidget::mouseReleaseEvent(QMouseEvent* event) {
  emit mouseReleased(event->button(), logicalAt(event->position()));
}

void PlotWidget::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  emit mouseLeft();
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
  if (!markers_.empty()) paintLayer(painter, markers_, viewport_, labelFont());
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
  overlayVersion_ = surface_.overlayVersion();
}

}  // namespace lumo::plot
