#pragma once
// "Export Plot": the figure's width and height in millimetres and its resolution, with
// "&Export" (which asks for the file) and "&Cancel". It shows the session's
// ExportPlotPanel and hands every edit and click to the session.
#include <QGroupBox>

#include <array>

#include "ui/PanelWidgets.h"

class QLineEdit;

namespace lumo::ui {

class ExportPlotFrame : public QGroupBox {
  Q_OBJECT

 public:
  explicit ExportPlotFrame(SessionRunner run, QWidget* parent = nullptr);
  void sync(const MainSession& session);

 private:
  SessionRunner run_;
  std::array<QLineEdit*, 3> boxes_{};
};

}  // namespace lumo::ui
