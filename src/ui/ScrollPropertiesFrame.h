#pragma once
// "Set the Scroll Bar Properties": the sixteen boxes of one layer's scroll bars, the
// layer selector, "&Set", "&Default" and "&OK". A small tool window beside the main
// window (the grid is wider than the side column); it shows the session's
// ScrollPropertiesForm and hands every edit and click to the session. Closing it is its
// "&OK".
#include <QWidget>

#include <array>

#include "ui/PanelWidgets.h"

class QLineEdit;
class QScrollBar;

namespace lumo::ui {

class ScrollPropertiesFrame : public QWidget {
  Q_OBJECT

 public:
  explicit ScrollPropertiesFrame(SessionRunner run, QWidget* parent = nullptr);
  void sync(const MainSession& session);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void addBoxes(QGridLayout* grid);
  void addSelector(QGridLayout* grid, int row);
  void addButtons(QGridLayout* grid, int row);

  SessionRunner run_;
  std::array<std::array<QLineEdit*, 4>, 4> boxes_{};  // [family][property]
  QScrollBar* selector_ = nullptr;
  QLineEdit* selected_ = nullptr;
  bool syncing_ = false;
};

}  // namespace lumo::ui
