#pragma once
// The fitting frames beside the plots: the residual option panel, the automatic-fitting
// panel, the constrained-fit panel and the limit panel. Each shows its part of the
// session's FittingPanels and reports the user's choices; the session decides.
#include <QGroupBox>

#include "ui/FittingPanels.h"

class QLineEdit;
class QRadioButton;

namespace lumo::ui {

// "Chi Squared" / "Least Square Difference", "&OK", "&Cancel".
class ResidualPanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit ResidualPanel(QWidget* parent = nullptr);
  void sync(const FittingPanels& panels);

 signals:
  void measureChosen(lumo::ResidualMeasure measure);
  void accepted();
  void cancelled();

 private:
  QRadioButton* chiSquared_;
  QRadioButton* leastSquares_;
};

// "Standard", "Constrain Thickness", "Multi Fit" (disabled), "OK", "&Cancel".
class AutoFitPanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit AutoFitPanel(QWidget* parent = nullptr);
  void sync(const FittingPanels& panels);

 signals:
  void modeChosen(lumo::ui::AutoFitMode mode);
  void accepted();
  void cancelled();

 private:
  QRadioButton* standard_;
  QRadioButton* constrain_;
};

// "Constrain Overall Thickness:" with "Start :" and "Finish :", GO and "&Cancel".
class ConstrainPanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit ConstrainPanel(QWidget* parent = nullptr);
  void sync(const FittingPanels& panels);

 signals:
  void startEdited(const QString& text);
  void finishEdited(const QString& text);
  void go();
  void cancelled();

 private:
  QLineEdit* start_;
  QLineEdit* finish_;
};

// "There is a maximum of five layers for multi-layer fitting !" and OK.
class LimitPanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit LimitPanel(QWidget* parent = nullptr);

 signals:
  void accepted();
};

}  // namespace lumo::ui
