#include "converter/PlotToolFrames.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "converter/PlotTools.h"
#include "plot/StandardColour.h"

namespace lumo::ui {
namespace {

using converter::PlotDialog;
using converter::PlotTools;

void showRows(QListWidget* list, const std::vector<std::string>& rows) {
  QStringList texts;
  for (const std::string& row : rows) texts << QString::fromStdString(row);
  QStringList shown;
  for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
  if (shown == texts) return;  // keeps the selection
  const QSignalBlocker block(list);
  const int row = list->currentRow();
  list->clear();
  list->addItems(texts);
  if (row >= 0 && row < list->count()) list->setCurrentRow(row);
}

void showText(QLineEdit* box, const std::string& text) {
  const QString value = QString::fromStdString(text);
  if (box->text() == value) return;
  const QSignalBlocker block(box);
  box->setText(value);
}

QString paletteStyle(int colour) {
  const Rgb c = standardColour(colour);
  return QStringLiteral(
             "QToolButton { background: rgb(%1,%2,%3); border: 1px solid gray; }"
             "QToolButton:checked { border: 3px solid black; }")
      .arg(c.r)
      .arg(c.g)
      .arg(c.b);
}

}  // namespace

PlotToolFrames::PlotToolFrames(PlotTools& tools, QWidget* parent)
    : QStackedWidget(parent), tools_(tools) {
  addWidget(listFrame(tr("Add Plot"), lstAddPlot, cmdAddPlot, tr("&Add Plot"), cmdAddPlotReturn,
                      [this](int row) { tools_.cmdAddPlot_Click(row); }));
  onClick(cmdAddPlotReturn, [](PlotTools& t) { t.cmdAddPlotReturn_Click(); });
  addWidget(listFrame(tr("Remove Plot"), lstMinusPlot, cmdMinusPlotDelete, tr("&Delete Plot"),
                      cmdMinusPlotReturn,
                      [this](int row) { tools_.cmdMinusPlotDelete_Click(row); }));
  onClick(cmdMinusPlotReturn, [](PlotTools& t) { t.cmdMinusPlotReturn_Click(); });
  addWidget(colourFrame());
  addWidget(entryFrame(tr("Background"),
                       {{tr("Background to Subtract:"), &txtBackGroundToSubtract}},
                       cmdBackGroundSubOK, [](PlotTools& t) { t.cmdBackGroundSubOK_Click(); }));
  addWidget(entryFrame(tr("Scale Factor"), {{tr("Scale Factor:"), &txtScaleFactor}},
                       cmdScaleFactorOK, [](PlotTools& t) { t.cmdScaleFactorOK_Click(); }));
  addWidget(entryFrame(
      tr("Titles"),
      {{tr("Title:"), &txtNewTitle}, {tr("X-axis:"), &txtNewXAxis}, {tr("Y-axis"), &txtNewYAxis}},
      cmdTitleChangeOK, [](PlotTools& t) { t.cmdTitleChangeOK_Click(); }));
  addWidget(entryFrame(tr("Line Width"), {{tr("Set Line Width:"), &txtLineWidth}}, cmdLineWidthOK,
                       [](PlotTools& t) { t.cmdLineWidthOK_Click(); }));
  mirror(txtBackGroundToSubtract, &PlotTools::txtBackGroundToSubtract);
  mirror(txtScaleFactor, &PlotTools::txtScaleFactor);
  mirror(txtNewTitle, &PlotTools::txtNewTitle);
  mirror(txtNewXAxis, &PlotTools::txtNewXAxis);
  mirror(txtNewYAxis, &PlotTools::txtNewYAxis);
  mirror(txtLineWidth, &PlotTools::txtLineWidth);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
  refresh();
}

void PlotToolFrames::onClick(QPushButton* button, const Handler& handler) {
  connect(button, &QPushButton::clicked, this, [this, handler] {
    handler(tools_);
    emit changed();
  });
}

void PlotToolFrames::mirror(QLineEdit* box, std::string PlotTools::*text) {
  connect(box, &QLineEdit::textChanged, this,
          [this, text](const QString& value) { tools_.*text = value.toStdString(); });
}

QWidget* PlotToolFrames::listFrame(const QString& title, QListWidget*& list, QPushButton*& action,
                                   const QString& actionText, QPushButton*& back,
                                   const std::function<void(int)>& act) {
  auto* frame = new QGroupBox(title, this);
  list = new QListWidget(frame);
  list->setTextElideMode(Qt::ElideMiddle);  // file names differ most at their ends
  action = new QPushButton(actionText, frame);
  back = new QPushButton(tr("&Return"), frame);
  auto* layout = new QGridLayout(frame);
  layout->addWidget(list, 0, 0, 1, 2);
  layout->addWidget(action, 1, 0);
  layout->addWidget(back, 1, 1);
  QListWidget* rows = list;
  const auto run = [this, rows, act] {
    act(rows->currentRow());
    emit changed();
  };
  connect(action, &QPushButton::clicked, this, run);
  connect(list, &QListWidget::itemDoubleClicked, this, run);
  return frame;
}

QWidget* PlotToolFrames::colourFrame() {
  auto* frame = new QGroupBox(tr("Colours"), this);
  lstChangeColour = new QListWidget(frame);
  lstChangeColour->setTextElideMode(Qt::ElideMiddle);
  auto* layout = new QGridLayout(frame);
  layout->addWidget(lstChangeColour, 0, 0, 1, 5);
  for (int c = 0; c < 15; ++c) {
    auto* button = new QToolButton(frame);
    button->setCheckable(true);
    button->setFixedSize(22, 18);
    button->setStyleSheet(paletteStyle(c));
    button->setObjectName(QStringLiteral("SSRibbon1_%1").arg(c));
    SSRibbon1[static_cast<size_t>(c)] = button;
    layout->addWidget(button, 1 + c / 5, c % 5);
    connect(button, &QToolButton::clicked, this, [this, c] {
      tools_.SSRibbon1_Click(c);
      emit changed();
    });
  }
  cmdChangeColourReturn = new QPushButton(tr("&Return"), frame);
  layout->addWidget(cmdChangeColourReturn, 4, 0, 1, 5);
  onClick(cmdChangeColourReturn, [](PlotTools& t) { t.cmdChangeColourReturn_Click(); });
  connect(lstChangeColour, &QListWidget::currentRowChanged, this, [this](int row) {
    tools_.lstChangeColour_Click(row);
    emit changed();
  });
  return frame;
}

QWidget* PlotToolFrames::entryFrame(const QString& title,
                                    std::initializer_list<std::pair<QString, QLineEdit**>> fields,
                                    QPushButton*& ok, const Handler& onOk) {
  auto* frame = new QGroupBox(title, this);
  auto* layout = new QVBoxLayout(frame);
  for (const auto& [caption, box] : fields) {
    layout->addWidget(new QLabel(caption, frame));
    *box = new QLineEdit(frame);
    layout->addWidget(*box);
    connect(*box, &QLineEdit::returnPressed, this, [this, onOk] {
      onOk(tools_);
      emit changed();
    });
  }
  ok = new QPushButton(tr("OK"), frame);
  auto* cancel = new QPushButton(tr("&Cancel"), frame);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  layout->addStretch();
  onClick(ok, onOk);
  onClick(cancel, [](PlotTools& t) { t.cmdCancel_Click(); });
  return frame;
}

void PlotToolFrames::refresh() {
  const PlotDialog open = tools_.openDialog();
  setVisible(open != PlotDialog::None);
  if (open == PlotDialog::None) return;
  setCurrentIndex(static_cast<int>(open) - 1);
  showRows(lstAddPlot, tools_.lstAddPlot());
  showRows(lstMinusPlot, tools_.curveList());
  showRows(lstChangeColour, tools_.curveList());
  const int pressed = tools_.pressedPaletteButton();
  for (int c = 0; c < 15; ++c) SSRibbon1[static_cast<size_t>(c)]->setChecked(c == pressed);
  showText(txtBackGroundToSubtract, tools_.txtBackGroundToSubtract);
  showText(txtScaleFactor, tools_.txtScaleFactor);
  showText(txtNewTitle, tools_.txtNewTitle);
  showText(txtNewXAxis, tools_.txtNewXAxis);
  showText(txtNewYAxis, tools_.txtNewYAxis);
  showText(txtLineWidth, tools_.txtLineWidth);
}

}  // namespace lumo::ui
