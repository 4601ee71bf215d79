#include "converter/DataConverter.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "converter/FileBrowser.h"
#include "converter/PlotViewPanel.h"
#include "converter/TextViewPanel.h"
#include "plot/QtFigureWriter.h"
#include "plot/QtPagePrinter.h"
#include "ui/QtDialogs.h"

namespace lumo::ui {

using converter::InputFormat;
using converter::OutputFormat;

DataConverter::DataConverter(Dialogs* dialogs, QWidget* parent) : QMainWindow(parent) {
  if (!dialogs) {
    ownDialogs_ = std::make_unique<QtDialogs>(this);
    dialogs = ownDialogs_.get();
  }
  state_ = std::make_unique<converter::ConverterState>(*dialogs);
  state_->statusChanged = [this] { showStatus(); };
  setWindowTitle(QStringLiteral("Data Manager"));

  views_ = new QStackedWidget(this);
  views_->addWidget(buildConversionView());
  textPanel_ = new TextViewPanel(state_->textView(), this);
  views_->addWidget(textPanel_);
  connect(textPanel_, &TextViewPanel::returnRequested, this, &DataConverter::cmdReturn_Click);
  qtPrinter_ = std::make_unique<plot::QtPagePrinter>(this);
  figureWriter_ = std::make_unique<plot::QtFigureWriter>();
  state_->plotView().setPrinter(qtPrinter_.get());
  state_->plotView().setFigureWriter(figureWriter_.get());
  plotPanel_ = new PlotViewPanel(state_->plotView(), this);
  views_->addWidget(plotPanel_);
  connect(plotPanel_, &PlotViewPanel::returnRequested, this, &DataConverter::cmdReturn_Click);
  setCentralWidget(views_);
  buildMenus();

  // 120 twips from the screen's corner, 10290 by 6915 twips.
  move(8, 8);
  resize(686, 461);
  refresh();
}

DataConverter::~DataConverter() = default;

void DataConverter::setPrinter(PagePrinter* printer) {
  state_->plotView().setPrinter(printer ? printer : qtPrinter_.get());
  plotPanel_->refresh();
}

QWidget* DataConverter::buildConversionView() {
  auto* view = new QWidget(this);
  auto* options = new QVBoxLayout;
  options->addWidget(buildInputFrame());
  options->addWidget(buildOutputFrame());
  options->addWidget(buildVariablesFrame());
  options->addStretch();
  browser_ = new FileBrowser(view);
  lblStatus = new QLabel(view);
  lblStatus->setAlignment(Qt::AlignCenter);
  auto* right = new QVBoxLayout;
  right->addWidget(browser_, 1);
  right->addWidget(buildButtons());
  right->addWidget(lblStatus);
  auto* layout = new QHBoxLayout(view);
  layout->addLayout(options);
  layout->addLayout(right, 1);
  return view;
}

QGroupBox* DataConverter::buildInputFrame() {
  auto* frame = new QGroupBox(tr("Input Format"), this);
  auto* layout = new QVBoxLayout(frame);
  for (InputFormat format : converter::kInputFormats) {
    auto* option = new QRadioButton(QString::fromUtf8(converter::info(format).caption), frame);
    inputOptions[static_cast<size_t>(format)] = option;
    layout->addWidget(option);
    connect(option, &QRadioButton::toggled, this, [this, format](bool on) {
      if (on) state_->inputFormat = format;
    });
  }
  inputOptions[0]->setChecked(true);
  return frame;
}

QGroupBox* DataConverter::buildOutputFrame() {
  auto* frame = new QGroupBox(tr("Output Format"), this);
  auto* layout = new QGridLayout(frame);
  int row = 0;
  for (OutputFormat format : converter::kOutputFormats) {
    auto* box = new QCheckBox(QString::fromUtf8(converter::info(format).caption), frame);
    box->setChecked(state_->outputs[format]);
    outputBoxes[static_cast<size_t>(format)] = box;
    layout->addWidget(box, row, 0);
    layout->addWidget(new QLabel(QString::fromUtf8(converter::info(format).label), frame), row++, 1);
    connect(box, &QCheckBox::toggled, this, [this, format](bool on) { state_->outputs.set(format, on); });
  }
  return frame;
}

QGroupBox* DataConverter::buildVariablesFrame() {
  auto* frame = new QGroupBox(tr("Variables"), this);
  auto* layout = new QGridLayout(frame);
  txtTitle = new QLineEdit(frame);
  txtSLD = new QLineEdit(QString::fromStdString(state_->txtSLD), frame);
  chkOverWrite = new QCheckBox(tr("Overwrite Existing"), frame);
  layout->addWidget(new QLabel(tr("Title"), frame), 0, 0);
  layout->addWidget(txtTitle, 0, 1, 1, 2);
  layout->addWidget(new QLabel(tr("Scattering Length Density"), frame), 1, 0, 1, 3);
  layout->addWidget(txtSLD, 2, 1);
  layout->addWidget(new QLabel(tr("x 1e-6"), frame), 2, 2);
  layout->addWidget(chkOverWrite, 3, 0, 1, 3);
  connect(txtTitle, &QLineEdit::textChanged, this,
          [this](const QString& text) { state_->txtTitle = text.toStdString(); });
  connect(txtSLD, &QLineEdit::textChanged, this,
          [this](const QString& text) { state_->txtSLD = text.toStdString(); });
  connect(chkOverWrite, &QCheckBox::toggled, this, [this](bool on) { state_->chkOverWrite = on; });
  return frame;
}

QWidget* DataConverter::buildButtons() {
  auto* row = new QWidget(this);
  cmdConvert = new QPushButton(tr("&Convert"), row);
  cmdPlot = new QPushButton(tr("&Plot"), row);
  cmdViewText = new QPushButton(tr("View &Text"), row);
  cmdDelete = new QPushButton(tr("&Delete"), row);
  cmdReturntoLumo = new QPushButton(tr("&Lumo"), row);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  for (QPushButton* b : {cmdConvert, cmdPlot, cmdViewText, cmdDelete, cmdReturntoLumo})
    layout->addWidget(b);
  connect(cmdConvert, &QPushButton::clicked, this, &DataConverter::cmdConvert_Click);
  connect(cmdPlot, &QPushButton::clicked, this, &DataConverter::cmdPlot_Click);
  connect(cmdViewText, &QPushButton::clicked, this, &DataConverter::cmdViewText_Click);
  connect(cmdDelete, &QPushButton::clicked, this, &DataConverter::cmdDelete_Click);
  connect(cmdReturntoLumo, &QPushButton::clicked, this, &DataConverter::close);
  return row;
}

void DataConverter::buildMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  mnuReturntoLumo = file->addAction(tr("&Return to Lumo"), this, &DataConverter::close);
  QMenu* operations = menuBar()->addMenu(tr("O&perations"));
  mnuConvert = operations->addAction(tr("&Convert"), this, &DataConverter::cmdConvert_Click);
  mnuPlot = operations->addAction(tr("&Plot"), this, &DataConverter::cmdPlot_Click);
  mnuViewText = operations->addAction(tr("View &Text"), this, &DataConverter::cmdViewText_Click);
  mnuDelete = operations->addAction(tr("&Delete"), this, &DataConverter::cmdDelete_Click);
  QMenu* options = menuBar()->addMenu(tr("&Options"));
  mnuEnableDeleting = options->addAction(tr("Enable &Deleting"), this,
                                         &DataConverter::mnuEnableDeleting_Click);
  mnuEnableDeleting->setCheckable(true);
}

void DataConverter::refresh() {
  const bool deleting = state_->deletingEnabled();
  cmdDelete->setEnabled(deleting);
  mnuDelete->setVisible(deleting);
  mnuEnableDeleting->setChecked(deleting);
  const converter::ConverterView view = state_->view();
  views_->setCurrentIndex(static_cast<int>(view));
  mnuConvert->setEnabled(view == converter::ConverterView::Conversion);
  if (view == converter::ConverterView::Text) textPanel_->refresh();
  if (view == converter::ConverterView::Plot) plotPanel_->refresh();
  showStatus();
}

void DataConverter::showStatus() {
  const QString caption = QString::fromStdString(state_->statusCaption());
  lblStatus->setText(caption);
  lblStatus->setVisible(state_->statusVisible());
  lblStatus->repaint();
  // The run itself blocks the window briefly; show that it is busy.
  const bool working = state_->statusVisible() && caption == QLatin1String("WORKING");
  if (working != busyCursor_) {
    busyCursor_ = working;
    if (working)
      QApplication::setOverrideCursor(Qt::WaitCursor);
    else
      QApplication::restoreOverrideCursor();
  }
}

void DataConverter::cmdConvert_Click() {
  if (state_->view() != converter::ConverterView::Conversion) return;
  if (state_->cmdConvert_Click(browser_->folder(), browser_->selectedNames())) browser_->refreshFiles();
  refresh();
}

void DataConverter::cmdDelete_Click() {
  if (state_->cmdDelete_Click(browser_->folder(), browser_->selectedNames())) browser_->refreshFiles();
  refresh();
}

void DataConverter::cmdViewText_Click() {
  state_->cmdViewText_Click(browser_->folder(), browser_->selectedNames());
  refresh();
}

void DataConverter::cmdPlot_Click() {
  state_->cmdPlot_Click(browser_->folder(), browser_->selectedNames());
  refresh();
}

void DataConverter::cmdReturn_Click() {
  state_->cmdReturn_Click();
  refresh();
}

void DataConverter::mnuEnableDeleting_Click() {
  state_->mnuEnableDeleting_Click();
  refresh();
}

void DataConverter::closeEvent(QCloseEvent* event) {
  if (!returned_) {
    returned_ = true;
    emit returnToLumoRequested();
  }
  event->accept();
}

}  // namespace lumo::ui
