#include "ui/FittingFrames.h"

#include <QVBoxLayout>

#include "ui/FittingPanelWidgets.h"
#include "ui/MainSession.h"
#include "ui/RefineFrame.h"

namespace lumo::ui {

FittingFrames::FittingFrames(Runner run, QWidget* parent)
    : QWidget(parent),
      run_(std::move(run)),
      limit_(new LimitPanel(this)),
      residual_(new ResidualPanel(this)),
      autoFit_(new AutoFitPanel(this)),
      constrain_(new ConstrainPanel(this)),
      refine_(new RefineFrame(run_, this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  for (QWidget* panel : std::initializer_list<QWidget*>{limit_, residual_, autoFit_, constrain_, refine_}) {
    panel->hide();
    layout->addWidget(panel);
  }
  connectResidual();
  connectAutoFit();
  connectConstrain();
}

void FittingFrames::connectResidual() {
  connect(residual_, &ResidualPanel::measureChosen, this, [this](ResidualMeasure m) {
    run_([m](MainSession& s) {
      m == ResidualMeasure::ChiSquared ? s.optChiSquared_Click() : s.optLeastSquares_Click();
    });
  });
  connect(residual_, &ResidualPanel::accepted, this,
          [this] { run_([](MainSession& s) { s.cmdResidualOK_Click(); }); });
  connect(residual_, &ResidualPanel::cancelled, this,
          [this] { run_([](MainSession& s) { s.cmdResidualCancel_Click(); }); });
}

void FittingFrames::connectAutoFit() {
  connect(autoFit_, &AutoFitPanel::modeChosen, this, [this](AutoFitMode m) {
    run_([m](MainSession& s) {
      m == AutoFitMode::Standard ? s.optFitStandard_Click() : s.optFitConstrainThickness_Click();
    });
  });
  connect(autoFit_, &AutoFitPanel::accepted, this,
          [this] { run_([](MainSession& s) { s.cmdAutoFitOK_Click(); }); });
  connect(autoFit_, &AutoFitPanel::cancelled, this,
          [this] { run_([](MainSession& s) { s.cmdAutoFitCancel_Click(); }); });
}

void FittingFrames::connectConstrain() {
  connect(constrain_, &ConstrainPanel::startEdited, this, [this](const QString& t) {
    run_([text = t.toStdString()](MainSession& s) { s.setConstrainStartText(text); });
  });
  connect(constrain_, &ConstrainPanel::finishEdited, this, [this](const QString& t) {
    run_([text = t.toStdString()](MainSession& s) { s.setConstrainFinishText(text); });
  });
  connect(constrain_, &ConstrainPanel::go, this,
          [this] { run_([](MainSession& s) { s.cmdConstrainGO_Click(); }); });
  connect(constrain_, &ConstrainPanel::cancelled, this,
          [this] { run_([](MainSession& s) { s.cmdConstrainCancel_Click(); }); });
  connect(limit_, &LimitPanel::accepted, this,
          [this] { run_([](MainSession& s) { s.cmdTooManyOK_Click(); }); });
}

void FittingFrames::sync(const MainSession& session) {
  const FittingPanels& panels = session.fittingPanels();
  residual_->sync(panels);
  autoFit_->sync(panels);
  constrain_->sync(panels);
  limit_->setVisible(panels.limitPanelVisible);
  refine_->sync(session);
  setEnabled(!session.fitRunning());
}

}  // namespace lumo::ui
