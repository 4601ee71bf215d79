#include "ui/RefineFrame.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/MainSession.h"

namespace lumo::ui {
namespace {

// "chkRefineThickness1", "chkRefineRoughness0": the box of one parameter.
QString boxName(ScrollId id) {
  const char* family = id.family == ScrollFamily::Thickness ? "Thickness"
                       : id.family == ScrollFamily::SLD     ? "SLD"
                       : id.family == ScrollFamily::Solvent ? "Solvent"
                                                            : "Roughness";
  return QStringLiteral("chkRefine%1%2").arg(QLatin1String(family)).arg(id.index);
}

}  // namespace

RefineFrame::RefineFrame(SessionRunner run, QWidget* parent)
    : QGroupBox(tr("Refine"), parent),
      run_(std::move(run)),
      measure_(new QLabel(this)),
      choiceList_(new QVBoxLayout),
      seed_(numberBox(this, "txtRefineSeed")),
      results_(new QTableWidget(0, 2, this)),
      summary_(new QLabel(this)) {
  setObjectName(QStringLiteral("frameRefine"));
  QGridLayout* grid = compactGrid(this);
  measure_->setObjectName(QStringLiteral("lblRefineMeasure"));
  measure_->setWordWrap(true);  // "Least Square Difference" is wider than the side column
  grid->addWidget(measure_, 0, 0, 1, 2);
  choiceList_->setSpacing(0);
  grid->addLayout(choiceList_, 1, 0, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Seed :"), this), 2, 0);
  grid->addWidget(seed_, 2, 1);
  const auto [start, cancel] = buttonRow(this, grid, 3, "cmdRefineStart", "&Start", "cmdRefineCancel");
  results_->setObjectName(QStringLiteral("tblRefineResults"));
  results_->setHorizontalHeaderLabels({QStringLiteral("Parameter"), QStringLiteral("Value")});
  results_->verticalHeader()->hide();
  // Two equal columns whose texts wrap: the side column is narrow.
  results_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  results_->setWordWrap(true);
  results_->setTextElideMode(Qt::ElideNone);
  results_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  results_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  results_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->addWidget(results_, 4, 0, 1, 2);
  summary_->setObjectName(QStringLiteral("lblRefineSummary"));
  summary_->setWordWrap(true);
  grid->addWidget(summary_, 5, 0, 1, 2);

  // Wrapped values need their rows' heights again once the columns have their widths.
  connect(results_->horizontalHeader(), &QHeaderView::sectionResized, this, [this] { fitTableHeight(); });
  connect(seed_, &QLineEdit::textEdited, this, [this](const QString& t) {
    run_([text = t.toStdString()](MainSession& s) { s.setRefineSeedText(text); });
  });
  connect(seed_, &QLineEdit::returnPressed, this,
          [this] { run_([](MainSession& s) { s.cmdRefineStart_Click(); }); });
  connect(start, &QPushButton::clicked, this,
          [this] { run_([](MainSession& s) { s.cmdRefineStart_Click(); }); });
  connect(cancel, &QPushButton::clicked, this,
          [this] { run_([](MainSession& s) { s.cmdRefineCancel_Click(); }); });
}

void RefineFrame::rebuildChoices(const std::vector<RefineChoice>& choices) {
  for (QCheckBox* box : boxes_) delete box;
  boxes_.clear();
  shownIds_.clear();
  for (const RefineChoice& c : choices) {
    auto* box = new QCheckBox(QString::fromStdString(c.name), this);
    box->setObjectName(boxName(c.id));
    choiceList_->addWidget(box);
    const ScrollId id = c.id;
    connect(box, &QCheckBox::toggled, this,
            [this, id](bool on) { run_([id, on](MainSession& s) { s.chkRefine_Click(id, on); }); });
    boxes_.push_back(box);
    shownIds_.push_back(c.id);
  }
}

void RefineFrame::showResults(const RefinePanel& panel) {
  const int rows = static_cast<int>(panel.results.size());
  results_->setVisible(rows > 0);
  summary_->setVisible(rows > 0);
  summary_->setText(QString::fromStdString(panel.summary));
  results_->setRowCount(rows);
  for (int r = 0; r < rows; ++r) {
    const RefineResultRow& row = panel.results[static_cast<size_t>(r)];
    results_->setItem(r, 0, new QTableWidgetItem(QString::fromStdString(row.name)));
    results_->setItem(r, 1, new QTableWidgetItem(QString::fromStdString(row.value)));
  }
  fitTableHeight();
}

// The table is as tall as its rows: the side column scrolls, not the table.
void RefineFrame::fitTableHeight() {
  results_->resizeRowsToContents();
  int height = results_->horizontalHeader()->sizeHint().height() + 2 * results_->frameWidth();
  for (int r = 0; r < results_->rowCount(); ++r) height += results_->rowHeight(r);
  if (results_->height() != height) results_->setFixedHeight(height);
}

void RefineFrame::sync(const MainSession& session) {
  const RefinePanel& panel = session.refinePanel();
  setVisible(panel.visible);
  if (!panel.visible) return;
  measure_->setText(QString::fromStdString(refineMeasureCaption(session.fittingPanels().measure)));
  const std::vector<RefineChoice> choices = session.refineChoices();
  std::vector<ScrollId> ids;
  for (const RefineChoice& c : choices) ids.push_back(c.id);
  if (ids != shownIds_) rebuildChoices(choices);
  for (size_t k = 0; k < choices.size(); ++k) setCheckedQuietly(boxes_[k], choices[k].ticked);
  setTextQuietly(seed_, panel.seedText);
  showResults(panel);
}

}  // namespace lumo::ui
