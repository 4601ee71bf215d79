#include "ui/SaveFitFrame.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/MainSession.h"

namespace lumo::ui {
namespace {

struct BoxInfo {
  SaveFitBox box;
  const char* name;
  const char* caption;
};
constexpr BoxInfo kBoxes[] = {{SaveFitBox::QStart, "txtQStart", "Q Start:"},
                              {SaveFitBox::QFinish, "txtQFinish", "Q Finish:"},
                              {SaveFitBox::QNumPts, "txtQNumPts", "Number of Points:"}};

QCheckBox* checkBox(QWidget* parent, const QString& name, const QString& caption) {
  auto* c = new QCheckBox(caption, parent);
  c->setObjectName(name);
  return c;
}

}  // namespace

SaveFitFrame::SaveFitFrame(SessionRunner run, QWidget* parent)
    : QGroupBox(tr("Save Fit"), parent),
      run_(std::move(run)),
      keepOriginal_(checkBox(this, QStringLiteral("chkKeepOriginalPoints"), QStringLiteral("Use Original Points"))),
      withData_(checkBox(this, QStringLiteral("chkSaveDataAsWell"), QStringLiteral("Save Data As Well"))) {
  setObjectName(QStringLiteral("frameSaveFit"));
  QGridLayout* grid = compactGrid(this);
  grid->addWidget(new QLabel(QStringLiteral("Create Fits For:"), this), 0, 0, 1, 2);
  // Two columns of their own, so that "Data Set 2" is not squeezed by the boxes below.
  auto* sets = new QGridLayout;
  sets->setHorizontalSpacing(4);
  grid->addLayout(sets, 1, 0, 2, 2);
  for (int i = 1; i <= 4; ++i) {
    QCheckBox* c = checkBox(this, QStringLiteral("chkDataSet%1").arg(i), QStringLiteral("Data Set %1").arg(i));
    dataSets_[static_cast<size_t>(i)] = c;
    sets->addWidget(c, (i - 1) / 2, (i - 1) % 2);
    connect(c, &QCheckBox::clicked, this,
            [this, i](bool on) { run_([i, on](MainSession& s) { s.chkDataSet_Click(i, on); }); });
  }
  grid->addWidget(keepOriginal_, 3, 0, 1, 2);
  grid->addWidget(withData_, 4, 0, 1, 2);
  connect(keepOriginal_, &QCheckBox::clicked, this,
          [this](bool on) { run_([on](MainSession& s) { s.chkKeepOriginalPoints_Click(on); }); });
  connect(withData_, &QCheckBox::clicked, this,
          [this](bool on) { run_([on](MainSession& s) { s.chkSaveDataAsWell_Click(on); }); });
  addGridBoxes(grid, 5);
  const auto [ok, cancel] = buttonRow(this, grid, 8, "cmdSaveFitOK", "&OK", "cmdSaveFitCancel");
  connect(ok, &QPushButton::clicked, this, [this] { run_([](MainSession& s) { s.cmdSaveFitOK_Click(); }); });
  connect(cancel, &QPushButton::clicked, this,
          [this] { run_([](MainSession& s) { s.cmdSaveFitCancel_Click(); }); });
}

void SaveFitFrame::addGridBoxes(QGridLayout* grid, int row) {
  for (size_t k = 0; k < boxes_.size(); ++k) {
    const BoxInfo& info = kBoxes[k];
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(info.name));
    edit->setAlignment(Qt::AlignRight);
    edit->setMaximumWidth(70);
    grid->addWidget(new QLabel(QString::fromLatin1(info.caption), this), row + static_cast<int>(k), 0);
    grid->addWidget(edit, row + static_cast<int>(k), 1);
    boxes_[k] = edit;
    const SaveFitBox box = info.box;
    connect(edit, &QLineEdit::textEdited, this, [this, box](const QString& t) {
      run_([box, text = t.toStdString()](MainSession& s) { s.setSaveFitText(box, text); });
    });
    connect(edit, &QLineEdit::returnPressed, this,
            [this] { run_([](MainSession& s) { s.cmdSaveFitOK_Click(); }); });
  }
}

void SaveFitFrame::sync(const MainSession& session) {
  const SaveFitPanel& panel = session.saveFitPanel();
  setVisible(panel.visible);
  if (!panel.visible) return;
  for (int i = 1; i <= 4; ++i) {
    QCheckBox* c = dataSets_[static_cast<size_t>(i)];
    c->setVisible(panel.dataSetVisible[static_cast<size_t>(i)]);
    setCheckedQuietly(c, panel.dataSetChecked[static_cast<size_t>(i)]);
  }
  const bool original = panel.keepOriginalPoints && panel.keepOriginalPointsEnabled;
  keepOriginal_->setEnabled(panel.keepOriginalPointsEnabled);
  setCheckedQuietly(keepOriginal_, original);
  withData_->setEnabled(panel.saveDataAsWellEnabled);
  setCheckedQuietly(withData_, panel.saveDataAsWell && panel.saveDataAsWellEnabled);
  for (size_t k = 0; k < boxes_.size(); ++k) {
    setTextQuietly(boxes_[k], panel.text(kBoxes[k].box));
    // The grid boxes count only when the curves are saved on a grid.
    boxes_[k]->setEnabled(!original);
  }
  setEnabled(!session.fitRunning());
}

}  // namespace lumo::ui
