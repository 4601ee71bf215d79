#include "plot/PageView.h"

#include <QPainter>

#include "plot/PagePainter.h"

namespace lumo::plot {

PageView::PageView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(300, 200);
}

void PageView::setPage(const PrintPage& page) {
  page_ = page;
  update();
}

void PageView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Mid));
  paintPage(painter, page_, QRectF(rect()).adjusted(8, 8, -8, -8));
}

}  // namespace lumo::plot
