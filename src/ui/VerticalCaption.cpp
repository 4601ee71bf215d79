#include "ui/VerticalCaption.h"

#include <QPainter>

namespace lumo::ui {

VerticalCaption::VerticalCaption(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

void VerticalCaption::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  updateGeometry();
  update();
}

QSize VerticalCaption::sizeHint() const {
  return {fontMetrics().height() + 4, fontMetrics().horizontalAdvance(text_) + 8};
}

void VerticalCaption::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.translate(0, height());
  p.rotate(-90);
  p.drawText(QRect(0, 0, height(), width()), Qt::AlignCenter, text_);
}

}  // namespace lumo::ui
