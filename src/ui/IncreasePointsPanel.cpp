#include "ui/IncreasePointsPanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace lumo::ui {

IncreasePointsPanel::IncreasePointsPanel(QWidget* parent)
    : QGroupBox(tr("Points in Calculation"), parent), points_(new QLineEdit(this)) {
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(6, 4, 6, 6);
  layout->addWidget(new QLabel(QStringLiteral("Number Of Points"), this), 0, 0);
  points_->setObjectName(QStringLiteral("txtIncreasePointsNumPts"));
  points_->setAlignment(Qt::AlignRight);
  points_->setMaximumWidth(60);
  layout->addWidget(points_, 0, 1);
  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName(QStringLiteral("cmdIncreasePointsOK"));
  auto* reset = new QPushButton(QStringLiteral("&Reset"), this);
  reset->setObjectName(QStringLiteral("cmdIncreasePointsCancel"));
  layout->addWidget(ok, 1, 0);
  layout->addWidget(reset, 1, 1);
  connect(points_, &QLineEdit::textEdited, this, &IncreasePointsPanel::textEdited);
  connect(points_, &QLineEdit::returnPressed, this, &IncreasePointsPanel::accepted);
  connect(ok, &QPushButton::clicked, this, &IncreasePointsPanel::accepted);
  connect(reset, &QPushButton::clicked, this, &IncreasePointsPanel::reset);
}

void IncreasePointsPanel::setText(const QString& text) {
  if (points_->text() == text) return;
  const QSignalBlocker block(points_);
  points_->setText(text);
}

QString IncreasePointsPanel::text() const { return points_->text(); }

}  // namespace lumo::ui
