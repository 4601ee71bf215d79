#include "ui/FitProgressPanel.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>

#include <cmath>

#include "ui/MainSession.h"

namespace lumo::ui {
namespace {

// The bar counts in thousandths, which any number of evaluations fits.
constexpr int kSteps = 1000;

}  // namespace

FitProgressPanel::FitProgressPanel(QWidget* parent)
    : QWidget(parent), bar_(new QProgressBar(this)), cancel_(new QPushButton(tr("Cancel"), this)) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(4);
  bar_->setObjectName(QStringLiteral("fitProgress"));
  bar_->setRange(0, kSteps);
  bar_->setTextVisible(true);
  bar_->setMinimumWidth(420);
  cancel_->setObjectName(QStringLiteral("cmdFitCancel"));
  cancel_->setToolTip(tr("Stop the fit and keep the model as it was (Esc)"));
  cancel_->setFocusPolicy(Qt::NoFocus);
  layout->addWidget(bar_, 1);
  layout->addWidget(cancel_);
  connect(cancel_, &QPushButton::clicked, this, &FitProgressPanel::cancelled);
  hide();
}

void FitProgressPanel::sync(const FitStatus& status) {
  setVisible(status.running && status.progressVisible);
  if (!isVisibleTo(parentWidget())) return;
  bar_->setValue(static_cast<int>(std::lround(status.fraction * kSteps)));
  const QString text = QString::fromStdString(status.text);
  bar_->setFormat(text);
  bar_->setToolTip(text);
}

QString FitProgressPanel::text() const { return bar_->format(); }

}  // namespace lumo::ui
