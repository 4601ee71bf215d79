#include "ui/FittingPanelWidgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "fitting/ConstrainedFitPlan.h"
#include "ui/PanelWidgets.h"

namespace lumo::ui {
namespace {

// The row of a confirming button and "&Cancel" at the foot of a panel.
template <typename Panel>
void addButtonRow(Panel* panel, QGridLayout* grid, int row, const char* confirmName,
                  const char* confirmCaption, void (Panel::*confirmed)(), const char* cancelName,
                  void (Panel::*cancelled)()) {
  const auto [confirm, cancel] = buttonRow(panel, grid, row, confirmName, confirmCaption, cancelName);
  QObject::connect(confirm, &QPushButton::clicked, panel, confirmed);
  QObject::connect(cancel, &QPushButton::clicked, panel, cancelled);
}

}  // namespace

ResidualPanel::ResidualPanel(QWidget* parent)
    : QGroupBox(tr("Residual"), parent),
      chiSquared_(option(this, "optChiSquared", "Chi Squared")),
      leastSquares_(option(this, "optLeastSquares", "Least Square Difference")) {
  QGridLayout* grid = compactGrid(this);
  grid->addWidget(chiSquared_, 0, 0, 1, 2);
  grid->addWidget(leastSquares_, 1, 0, 1, 2);
  addButtonRow(this, grid, 2, "cmdResidualOK", "&OK", &ResidualPanel::accepted,
               "cmdResidualCancel", &ResidualPanel::cancelled);
  connect(chiSquared_, &QRadioButton::clicked, this,
          [this] { emit measureChosen(ResidualMeasure::ChiSquared); });
  connect(leastSquares_, &QRadioButton::clicked, this,
          [this] { emit measureChosen(ResidualMeasure::LeastSquares); });
}

void ResidualPanel::sync(const FittingPanels& panels) {
  setVisible(panels.residualPanelVisible);
  setCheckedQuietly(panels.measure == ResidualMeasure::ChiSquared ? chiSquared_ : leastSquares_, true);
}

AutoFitPanel::AutoFitPanel(QWidget* parent)
    : QGroupBox(tr("Automatic Fitting"), parent),
      standard_(option(this, "optFitStandard", "Standard")),
      constrain_(option(this, "optFitConstrainThickness", "Constrain Thickness")) {
  QGridLayout* grid = compactGrid(this);
  grid->addWidget(standard_, 0, 0, 1, 2);
  grid->addWidget(constrain_, 1, 0, 1, 2);
  QRadioButton* multi = option(this, "optMultiFit", "Multi Fit");
  multi->setEnabled(false);
  grid->addWidget(multi, 2, 0, 1, 2);
  addButtonRow(this, grid, 3, "cmdAutoFitOK", "OK", &AutoFitPanel::accepted, "cmdAutoFitCancel",
               &AutoFitPanel::cancelled);
  connect(standard_, &QRadioButton::clicked, this, [this] { emit modeChosen(AutoFitMode::Standard); });
  connect(constrain_, &QRadioButton::clicked, this,
          [this] { emit modeChosen(AutoFitMode::ConstrainThickness); });
}

void AutoFitPanel::sync(const FittingPanels& panels) {
  setVisible(panels.autoFitPanelVisible);
  setCheckedQuietly(panels.autoFitMode == AutoFitMode::Standard ? standard_ : constrain_, true);
}

ConstrainPanel::ConstrainPanel(QWidget* parent)
    : QGroupBox(tr("Constrained Fit"), parent), start_(new QLineEdit(this)), finish_(new QLineEdit(this)) {
  QGridLayout* grid = compactGrid(this);
  grid->addWidget(new QLabel(QStringLiteral("Constrain Overall Thickness:"), this), 0, 0, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Start :"), this), 1, 0);
  grid->addWidget(new QLabel(QStringLiteral("Finish :"), this), 2, 0);
  start_->setObjectName(QStringLiteral("txtConstrainStart"));
  finish_->setObjectName(QStringLiteral("txtConstrainFinish"));
  for (QLineEdit* e : {start_, finish_}) {
    e->setAlignment(Qt::AlignRight);
    e->setMaximumWidth(80);
  }
  grid->addWidget(start_, 1, 1);
  grid->addWidget(finish_, 2, 1);
  addButtonRow(this, grid, 3, "cmdConstrainGO", "GO", &ConstrainPanel::go, "cmdConstrainCancel",
               &ConstrainPanel::cancelled);
  connect(start_, &QLineEdit::textEdited, this, &ConstrainPanel::startEdited);
  connect(finish_, &QLineEdit::textEdited, this, &ConstrainPanel::finishEdited);
  connect(start_, &QLineEdit::returnPressed, this, &ConstrainPanel::go);
  connect(finish_, &QLineEdit::returnPressed, this, &ConstrainPanel::go);
}

void ConstrainPanel::sync(const FittingPanels& panels) {
  setVisible(panels.constrainPanelVisible);
  setTextQuietly(start_, panels.txtConstrainStart);
  setTextQuietly(finish_, panels.txtConstrainFinish);
}

LimitPanel::LimitPanel(QWidget* parent) : QGroupBox(parent) {
  QGridLayout* grid = compactGrid(this);
  auto* message = new QLabel(QString::fromLatin1(fitting::kTooManyLayersMessage), this);
  message->setWordWrap(true);
  grid->addWidget(message, 0, 0);
  QPushButton* ok = namedButton(this, "cmdTooManyOK", "OK");
  grid->addWidget(ok, 1, 0, Qt::AlignHCenter);
  connect(ok, &QPushButton::clicked, this, &LimitPanel::accepted);
}

}  // namespace lumo::ui
