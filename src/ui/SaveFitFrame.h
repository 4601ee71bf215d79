#pragma once
// The Save Fit panel: "Create Fits For:" the data sets, on their own points (with or
// without the data) or on a Q grid. It shows the session's SaveFitPanel and hands every
// choice to the session.
#include <QGroupBox>

#include <array>

#include "ui/PanelWidgets.h"

class QCheckBox;
class QLineEdit;

namespace lumo::ui {

class SaveFitFrame : public QGroupBox {
  Q_OBJECT

 public:
  explicit SaveFitFrame(SessionRunner run, QWidget* parent = nullptr);
  void sync(const MainSession& session);

 private:
  void addGridBoxes(QGridLayout* grid, int row);

  SessionRunner run_;
  std::array<QCheckBox*, 5> dataSets_{};  // 1..4
  QCheckBox* keepOriginal_;
  QCheckBox* withData_;
  std::array<QLineEdit*, 3> boxes_{};  // Q Start, Q Finish, Number of Points
};

}  // namespace lumo::ui
