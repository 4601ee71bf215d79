#include "ui/ResolutionFrame.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/MainSession.h"

namespace lumo::ui {

ResolutionFrame::ResolutionFrame(SessionRunner run, QWidget* parent)
    : QGroupBox(QStringLiteral("Resolution"), parent), run_(std::move(run)) {
  setObjectName(QStringLiteral("frameResolution"));
  QGridLayout* grid = compactGrid(this);
  percent_ = numberBox(this, "txtResolution");
  grid->addWidget(new QLabel(QStringLiteral("dQ/Q (%):"), this), 0, 0);
  grid->addWidget(percent_, 0, 1);
  auto* note = new QLabel(QString::fromUtf8(kResolutionExplanation), this);
  note->setWordWrap(true);
  grid->addWidget(note, 1, 0, 1, 2);
  // The caption is long for the side column: it wraps in a label beside the box.
  fromData_ = new QCheckBox(this);
  fromData_->setObjectName(QStringLiteral("chkResolutionFromData"));
  auto* fromDataText = new QLabel(QString::fromUtf8(kResolutionFromDataCaption), this);
  fromDataText->setWordWrap(true);
  fromDataText->setBuddy(fromData_);
  grid->addWidget(fromData_, 2, 0, Qt::AlignTop | Qt::AlignRight);
  grid->addWidget(fromDataText, 2, 1);
  const auto [ok, cancel] = buttonRow(this, grid, 3, "cmdResolutionOK", "&OK", "cmdResolutionCancel");
  connect(percent_, &QLineEdit::textEdited, this, [this](const QString& t) {
    run_([text = t.toStdString()](MainSession& s) { s.setResolutionText(text); });
  });
  connect(percent_, &QLineEdit::returnPressed, this,
          [this] { run_([](MainSession& s) { s.cmdResolutionOK_Click(); }); });
  connect(fromData_, &QCheckBox::clicked, this,
          [this](bool on) { run_([on](MainSession& s) { s.chkResolutionFromData_Click(on); }); });
  connect(ok, &QPushButton::clicked, this, [this] { run_([](MainSession& s) { s.cmdResolutionOK_Click(); }); });
  connect(cancel, &QPushButton::clicked, this,
          [this] { run_([](MainSession& s) { s.cmdResolutionCancel_Click(); }); });
}

void ResolutionFrame::sync(const MainSession& session) {
  const ResolutionPanel& panel = session.resolutionPanel();
  setVisible(panel.visible);
  setTextQuietly(percent_, panel.percentText);
  setCheckedQuietly(fromData_, panel.fromData);
  setEnabled(!session.fitRunning());
}

}  // namespace lumo::ui
