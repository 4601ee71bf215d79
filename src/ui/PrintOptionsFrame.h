#pragma once
// "Print Options" (FramePrint): the data sets to print, "&Print", "P&review" and
// "&Cancel". It shows the session's PrintForms and hands every click to the session.
#include <QGroupBox>

#include <array>

#include "ui/PanelWidgets.h"

class QCheckBox;

namespace lumo::ui {

class PrintOptionsFrame : public QGroupBox {
  Q_OBJECT

 public:
  explicit PrintOptionsFrame(SessionRunner run, QWidget* parent = nullptr);
  void sync(const MainSession& session);

 private:
  SessionRunner run_;
  std::array<QCheckBox*, 5> sets_{};  // 1..4
};

}  // namespace lumo::ui
