#include "ui/DataOpsFrames.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/MainSession.h"
#include "ui/PanelWidgets.h"

namespace lumo::ui {
namespace {

QString dataSetCaption(int k) { return QStringLiteral("Data Set %1").arg(k); }

}  // namespace

DataOpsFrames::DataOpsFrames(Runner run, QWidget* parent) : QWidget(parent), run_(std::move(run)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  background_ = buildBackground();
  scale_ = buildScaleFactor();
  negatives_ = buildNegatives();
  save_ = buildSaveData();
  yRange_ = buildYRange();
  for (QGroupBox* frame : {background_, scale_, negatives_, save_, yRange_}) {
    frame->hide();
    layout->addWidget(frame);
  }
}

void DataOpsFrames::onClick(QWidget* button, void (MainSession::*handler)()) {
  connect(static_cast<QPushButton*>(button), &QPushButton::clicked, this,
          [this, handler] { run_([handler](MainSession& s) { (s.*handler)(); }); });
}

QGroupBox* DataOpsFrames::buildBackground() {
  auto* box = new QGroupBox(tr("Subtract Background"), this);
  box->setObjectName(QStringLiteral("FrameSubtractBackground"));
  QGridLayout* grid = compactGrid(box);
  bgdDataSet_ = new QLabel(box);
  bgdDataSet_->setObjectName(QStringLiteral("lblBgdDataSet"));
  grid->addWidget(bgdDataSet_, 0, 0, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Background to Subtract:"), box), 1, 0, 1, 2);
  bgdValue_ = numberBox(box, "txtBackGroundToSubtract");
  grid->addWidget(bgdValue_, 2, 0, 1, 2);
  const auto [ok, cancel] = buttonRow(box, grid, 3, "cmdBackGroundSubOK", "&OK", "cmdBackGroundSubCancel");
  onClick(ok, &MainSession::cmdBackGroundSubOK_Click);
  onClick(cancel, &MainSession::cmdBackGroundSubCancel_Click);
  connect(bgdValue_, &QLineEdit::textEdited, this, [this](const QString& t) {
    run_([text = t.toStdString()](MainSession& s) { s.setBackgroundText(text); });
  });
  connect(bgdValue_, &QLineEdit::returnPressed, ok, &QPushButton::click);
  return box;
}

QGroupBox* DataOpsFrames::buildScaleFactor() {
  auto* box = new QGroupBox(QStringLiteral("Scale Factor"), this);
  box->setObjectName(QStringLiteral("Frame12"));
  QGridLayout* grid = compactGrid(box);
  for (int k = 1; k <= kMaxDataSets; ++k) {
    const auto i = static_cast<size_t>(k);
    sfLabel_[i] = new QLabel(dataSetCaption(k), box);
    sfValue_[i] = numberBox(box, "txtScaleFactor");
    sfValue_[i]->setObjectName(QStringLiteral("txtScaleFactor%1").arg(k));
    grid->addWidget(sfLabel_[i], k - 1, 0);
    grid->addWidget(sfValue_[i], k - 1, 1);
    connect(sfValue_[i], &QLineEdit::textEdited, this, [this, k](const QString& t) {
      run_([k, text = t.toStdString()](MainSession& s) { s.setScaleFactorText(k, text); });
    });
  }
  const auto [ok, cancel] = buttonRow(box, grid, kMaxDataSets, "cmdScaleFactorOK", "&OK", "cmdScaleFactorCancel");
  onClick(ok, &MainSession::cmdScaleFactorOK_Click);
  onClick(cancel, &MainSession::cmdScaleFactorCancel_Click);
  return box;
}

QGroupBox* DataOpsFrames::buildNegatives() {
  auto* box = new QGroupBox(tr("Negative Values"), this);
  box->setObjectName(QStringLiteral("FrameRemoveNegatives"));
  QGridLayout* grid = compactGrid(box);
  remove_ = option(box, "optRemoveNegatives", "&Remove Negative Values");
  setTo_ = option(box, "optSetNegativesToValue", "Set To :");
  setToValue_ = numberBox(box, "txtSetNegativesToValue");
  grid->addWidget(remove_, 0, 0, 1, 2);
  grid->addWidget(setTo_, 1, 0);
  grid->addWidget(setToValue_, 1, 1);
  const auto [ok, cancel] = buttonRow(box, grid, 2, "cmdRemoveNegativesOK", "&OK", "cmdRemoveNegativesCancel");
  onClick(ok, &MainSession::cmdRemoveNegativesOK_Click);
  onClick(cancel, &MainSession::cmdRemoveNegativesCancel_Click);
  connect(remove_, &QRadioButton::clicked, this,
          [this] { run_([](MainSession& s) { s.optRemoveNegatives_Click(); }); });
  connect(setTo_, &QRadioButton::clicked, this,
          [this] { run_([](MainSession& s) { s.optSetNegativesToValue_Click(); }); });
  connect(setToValue_, &QLineEdit::textEdited, this, [this](const QString& t) {
    run_([text = t.toStdString()](MainSession& s) { s.setNegativesValueText(text); });
  });
  return box;
}

QGroupBox* DataOpsFrames::buildSaveData() {
  auto* box = new QGroupBox(QStringLiteral("Save Data:"), this);
  box->setObjectName(QStringLiteral("FrameSaveData"));
  QGridLayout* grid = compactGrid(box);
  for (int k = 1; k <= kMaxDataSets; ++k) {
    auto* check = new QCheckBox(dataSetCaption(k), box);
    check->setObjectName(QStringLiteral("chkLumoDataSave%1").arg(k));
    saveBox_[static_cast<size_t>(k)] = check;
    grid->addWidget(check, k - 1, 0, 1, 2);
    connect(check, &QCheckBox::clicked, this, [this, k](bool on) {
      run_([k, on](MainSession& s) { s.chkLumoDataSave_Click(k, on); });
    });
  }
  const auto [ok, cancel] = buttonRow(box, grid, kMaxDataSets, "cmdOKLumoDataSave", "&OK", "cmdCancelLumoDataSave");
  onClick(ok, &MainSession::cmdOKLumoDataSave_Click);
  onClick(cancel, &MainSession::cmdCancelLumoDataSave_Click);
  return box;
}

QGroupBox* DataOpsFrames::buildYRange() {
  auto* box = new QGroupBox(tr("Y Range"), this);
  box->setObjectName(QStringLiteral("Frame8"));
  QGridLayout* grid = compactGrid(box);
  yCaption_ = new QLabel(box);
  yCaption_->setObjectName(QStringLiteral("Label8"));
  yMinLabel_ = new QLabel(box);
  yMaxLabel_ = new QLabel(box);
  yMin_ = numberBox(box, "txtYMinFix");
  yMax_ = numberBox(box, "txtYMaxFix");
  grid->addWidget(yCaption_, 0, 0, 1, 2);
  grid->addWidget(yMaxLabel_, 1, 0);
  grid->addWidget(yMax_, 1, 1);
  grid->addWidget(yMinLabel_, 2, 0);
  grid->addWidget(yMin_, 2, 1);
  QPushButton* ok = namedButton(box, "cmdOKYFix", "&OK");
  QPushButton* reset = namedButton(box, "cmdDefaultYFix", "&Default");
  QPushButton* cancel = namedButton(box, "cmdCancelYFix", "&Cancel");
  grid->addWidget(ok, 3, 0);
  grid->addWidget(reset, 3, 1);
  grid->addWidget(cancel, 4, 1);
  onClick(ok, &MainSession::cmdOKYFix_Click);
  onClick(reset, &MainSession::cmdDefaultYFix_Click);
  onClick(cancel, &MainSession::cmdCancelYFix_Click);
  for (QLineEdit* e : {yMin_, yMax_}) {
    connect(e, &QLineEdit::textEdited, this, [this] {
      run_([min = yMin_->text().toStdString(), max = yMax_->text().toStdString()](MainSession& s) {
        s.setYFixTexts(min, max);
      });
    });
    connect(e, &QLineEdit::returnPressed, ok, &QPushButton::click);
  }
  return box;
}

void DataOpsFrames::sync(const MainSession& session) {
  const DataOpsPanels& p = session.dataOpsPanels();
  background_->setVisible(p.background.visible);
  bgdDataSet_->setText(dataSetCaption(p.background.dataSet));
  setTextQuietly(bgdValue_, p.background.text);

  scale_->setVisible(p.scale.visible);
  for (int k = 1; k <= kMaxDataSets; ++k) {
    const auto i = static_cast<size_t>(k);
    sfLabel_[i]->setVisible(k <= p.scale.boxes);
    sfValue_[i]->setVisible(k <= p.scale.boxes);
    setTextQuietly(sfValue_[i], p.scale.text[i]);
    saveBox_[i]->setVisible(k <= p.save.boxes);
    setCheckedQuietly(saveBox_[i], p.save.checked[i]);
  }

  negatives_->setVisible(p.negatives.visible);
  checkOption(p.negatives.setToValue ? setTo_ : remove_);
  setToValue_->setEnabled(p.negatives.setToValue);
  setTextQuietly(setToValue_, p.negatives.text);

  save_->setVisible(p.save.visible);

  yRange_->setVisible(p.yRange.visible);
  yCaption_->setText(QStringLiteral("Set Y Scale For Data Set %1").arg(p.yRange.dataSet));
  yMinLabel_->setText(p.yRange.logY ? QStringLiteral("Log Y Min") : QStringLiteral("Y Min"));
  yMaxLabel_->setText(p.yRange.logY ? QStringLiteral("Log Y Max") : QStringLiteral("Y Max"));
  setTextQuietly(yMin_, p.yRange.minText);
  setTextQuietly(yMax_, p.yRange.maxText);
  setEnabled(!session.fitRunning());
}

}  // namespace lumo::ui
