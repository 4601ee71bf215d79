#pragma once
// The print form: the page composed from the plots of the ticked data sets, with
// "&Print" and "&Cancel". Made on first use and kept; closing it is its "&Cancel".
#include <QWidget>

#include "ui/PanelWidgets.h"

namespace lumo::plot {
class PageView;
}

namespace lumo::ui {

class LumoPrint : public QWidget {
  Q_OBJECT

 public:
  LumoPrint(SessionRunner run, QWidget* parent);
  void sync(const MainSession& session);
  plot::PageView* view() const { return view_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  SessionRunner run_;
  plot::PageView* view_;
  bool syncing_ = false;
  int shownVersion_ = -1;
};

}  // namespace lumo::ui
