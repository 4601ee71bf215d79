#pragma once
// The dialog frames of the data operations in the side column: background subtraction,
// scale factor, negative values, "Save Data:" and the Y range of a plot. Each shows what
// the session's DataOpsPanels hold; the user's edits and clicks go to the session's
// handlers through `run`, the window's way of running a handler as a user action.
#include <QWidget>

#include <array>
#include <functional>

#include "files/DataSet.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace lumo::ui {

class MainSession;

class DataOpsFrames : public QWidget {
  Q_OBJECT

 public:
  using Handler = std::function<void(MainSession&)>;
  using Runner = std::function<void(const Handler&)>;

  explicit DataOpsFrames(Runner run, QWidget* parent = nullptr);
  void sync(const MainSession& session);

 private:
  QGroupBox* buildBackground();
  QGroupBox* buildScaleFactor();
  QGroupBox* buildNegatives();
  QGroupBox* buildSaveData();
  QGroupBox* buildYRange();
  void onClick(QWidget* button, void (MainSession::*handler)());

  Runner run_;
  QGroupBox *background_, *scale_, *negatives_, *save_, *yRange_;
  QLabel* bgdDataSet_ = nullptr;
  QLineEdit* bgdValue_ = nullptr;
  std::array<QLabel*, kMaxDataSets + 1> sfLabel_{};
  std::array<QLineEdit*, kMaxDataSets + 1> sfValue_{};
  QRadioButton* remove_ = nullptr;
  QRadioButton* setTo_ = nullptr;
  QLineEdit* setToValue_ = nullptr;
  std::array<QCheckBox*, kMaxDataSets + 1> saveBox_{};
  QLabel* yCaption_ = nullptr;
  QLabel* yMinLabel_ = nullptr;
  QLabel* yMaxLabel_ = nullptr;
  QLineEdit* yMin_ = nullptr;
  QLineEdit* yMax_ = nullptr;
};

}  // namespace lumo::ui
