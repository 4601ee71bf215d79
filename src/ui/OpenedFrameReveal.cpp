#include "ui/OpenedFrameReveal.h"

#include <QApplication>
#include <QGroupBox>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

namespace lumo::ui {

OpenedFrameReveal::OpenedFrameReveal(QScrollArea* column, QWidget* keep) : column_(column), keep_(keep) {}

std::vector<QGroupBox*> OpenedFrameReveal::shownFrames() const {
  std::vector<QGroupBox*> out;
  QWidget* content = column_->widget();
  for (QGroupBox* box : content->findChildren<QGroupBox*>())
    if (box->isVisibleTo(content) && !keep_->isAncestorOf(box)) out.push_back(box);
  return out;
}

// Unless the whole box is in view already, its top goes to the top of the view.
void OpenedFrameReveal::showTop(QGroupBox* box) {
  QScrollBar* bar = column_->verticalScrollBar();
  const int view = column_->viewport()->height();
  const int top = box->mapTo(column_->widget(), QPoint(0, 0)).y();
  const int height = std::max(box->height(), box->sizeHint().height());
  if (top < bar->value() || top + height > bar->value() + view) bar->setValue(top);
}

void OpenedFrameReveal::remember() { before_ = shownFrames(); }

void OpenedFrameReveal::reveal() {
  for (QGroupBox* box : shownFrames()) {
    if (std::find(before_.begin(), before_.end(), box) != before_.end()) continue;
    // The frame has its place, and the column its scroll range, only once the layouts have
    // run from the frame up to the column (each level posts a request to the next).
    for (int level = 0; level < 4; ++level) QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    showTop(box);
    break;
  }
  before_.clear();
}

}  // namespace lumo::ui
