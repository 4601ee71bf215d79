#pragma once
// "Export Plot": the figure's width and height in millimetres and its resolution, with
// "&Export" (which asks for the file) and "&Cancel". It shows an ExportPlotPanel and
// reports every edit and click, for the main window and the converter's plot view alike.
#include <QGroupBox>

#include <array>

#include "ui/ExportPlotPanel.h"

class QLineEdit;

namespace lumo::ui {

class ExportPlotFrame : public QGroupBox {
  Q_OBJECT

 public:
  explicit ExportPlotFrame(QWidget* parent = nullptr);
  void sync(const ExportPlotPanel& panel, bool enabled);

 signals:
  void edited(lumo::ui::ExportPlotBox box, const QString& text);
  void accepted();
  void cancelled();

 private:
  std::array<QLineEdit*, 3> boxes_{};
};

}  // namespace lumo::ui
