#pragma once
// Shows a PrintPage on the screen as it will be printed: the page's shape kept, on a
// grey ground.
#include <QWidget>

#include "plot/PrintPage.h"

namespace lumo::plot {

class PageView : public QWidget {
  Q_OBJECT

 public:
  explicit PageView(QWidget* parent = nullptr);
  void setPage(const PrintPage& page);
  const PrintPage& page() const { return page_; }

  QSize sizeHint() const override { return {760, 520}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PrintPage page_;
};

}  // namespace lumo::plot
