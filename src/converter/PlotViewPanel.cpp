#include "converter/PlotViewPanel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "converter/PlotToolFrames.h"
#include "converter/PlotView.h"
#include "plot/PlotWidget.h"
#include "ui/ExportPlotFrame.h"
#include "ui/VerticalCaption.h"

namespace lumo::ui {
namespace {

using converter::PlotButton;
using converter::PlotSwitch;

constexpr int kSideColumnWidth = 180;

struct SwitchInfo {
  PlotSwitch which;
  const char* text;
  const char* tip;
};
const std::array<SwitchInfo, 6> kSwitches{{
    {PlotSwitch::SSRBackGroundSub, "Bgd", "Pick a background level on the plot to subtract"},
    {PlotSwitch::SSRLogX, "Log X", "Logarithmic X axis"},
    {PlotSwitch::SSRLogY, "Log Y", "Logarithmic Y axis"},
    {PlotSwitch::SSRErrorBars, "Errors", "Error bars"},
    {PlotSwitch::SSRPoints, "Points", "Points"},
    {PlotSwitch::SSRLine, "Line", "Lines joining the points"},
}};

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

PlotViewPanel::PlotViewPanel(converter::PlotView& view, QWidget* parent)
    : QWidget(parent), view_(view) {
  plot_ = new plot::PlotWidget(view_.picPlot(), this);
  plot_->setObjectName(QStringLiteral("picPlot"));
  plot_->setMouseTracking(true);
  plot_->installEventFilter(this);
  lblYAxis = new VerticalCaption(this);
  lblXAxis = new QLabel(this);
  lblXAxis->setAlignment(Qt::AlignCenter);
  auto* plotArea = new QGridLayout;
  plotArea->setSpacing(2);
  plotArea->addWidget(lblYAxis, 0, 0);
  plotArea->addWidget(plot_, 0, 1);
  plotArea->addWidget(lblXAxis, 1, 1);
  auto* body = new QHBoxLayout;
  body->addLayout(plotArea, 1);
  body->addWidget(buildSideColumn());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(buildToolPanel());
  layout->addLayout(body, 1);
}

QToolButton* PlotViewPanel::tool(const QString& text, const QString& tip,
                                 const std::function<void()>& act) {
  auto* button = new QToolButton(toolPanel_);
  button->setText(text);
  button->setToolTip(tip);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  connect(button, &QToolButton::clicked, this, [this, act] {
    act();
    refresh();
  });
  return button;
}

QWidget* PlotViewPanel::buildToolPanel() {
  toolPanel_ = new QWidget(this);
  converter::PlotView& v = view_;
  converter::PlotTools& t = v.tools();
  SSCPreviousPlot =
      tool(tr("<< Prev"), tr("The previous selected file"), [&v] { v.SSCPreviousPlot_Click(); });
  SSCNextPlot = tool(tr("Next >>"), tr("The next selected file"), [&v] { v.SSCNextPlot_Click(); });
  SSCAddPlot =
      tool(tr("Add"), tr("Add a curve of another selected file"), [&t] { t.SSCAddPlot_Click(); });
  SSCMinusPlot = tool(tr("Remove"), tr("Remove a curve"), [&t] { t.SSCMinusPlot_Click(); });
  SSCColour = tool(tr("Colour"), tr("Colours of the curves"), [&t] { t.SSCColour_Click(); });
  SSCLineWidth = tool(tr("line"), tr("Width of the lines"), [&t] { t.SSCLineWidth_Click(); });
  SSCommand3 = tool(tr("Titles"), tr("Title and axis captions"), [&t] { t.SSCommand3_Click(); });
  SSCScaleFactor = tool(tr("Scale"), tr("Multiply every curve by a scale factor"),
                        [&t] { t.SSCScaleFactor_Click(); });
  SSCommand1 = tool(tr("Filter"),
                    tr("Keep only the points whose reflectivity and error-bar ends are above 0"),
                    [&t] { t.SSCommand1_Click(); });
  SSCSavePlot = tool(tr("Save"),
                     tr("Save the shown curves, with their corrections, to new files (with the "
                        "input format \"User Defined\")"),
                     [&v] { v.SSCSavePlot_Click(); });
  SSCPrint = tool(tr("Print"), tr("Print the plot on one page (a printer or a PDF file)"),
                  [&v] { v.SSCPrint_Click(); });
  SSCExportPlot = tool(tr("Export"), tr("Export the plot as an SVG, PDF or PNG figure"),
                       [&v] { v.SSCExportPlot_Click(); });
  auto* grid = new QGridLayout(toolPanel_);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(2);
  int column = 0;
  for (QToolButton* b : {SSCPreviousPlot, SSCNextPlot, SSCAddPlot, SSCMinusPlot, SSCColour,
                         SSCLineWidth, SSCommand3, SSCScaleFactor, SSCommand1})
    grid->addWidget(b, 0, column++);
  column = 0;
  for (size_t i = 0; i < kSwitches.size(); ++i) {
    const SwitchInfo& info = kSwitches[i];
    QToolButton* b = tool(tr(info.text), tr(info.tip), [this, &v, i] {
      v.setSwitch(kSwitches[i].which, switches[i]->isChecked());
    });
    b->setCheckable(true);
    switches[i] = b;
    grid->addWidget(b, 1, column++);
  }
  grid->addWidget(SSCSavePlot, 1, column++);
  grid->addWidget(SSCPrint, 1, column++);
  grid->addWidget(SSCExportPlot, 1, column++);
  return toolPanel_;
}

QWidget* PlotViewPanel::buildSideColumn() {
  auto* side = new QWidget(this);
  side->setFixedWidth(kSideColumnWidth);
  txtPlotName = new QLineEdit(side);
  txtPlotName->setReadOnly(true);
  auto* readOut = new QGroupBox(side);
  lblX = new QLabel(readOut);
  lblY = new QLabel(readOut);
  auto* readOutLayout = new QVBoxLayout(readOut);
  readOutLayout->setContentsMargins(6, 2, 6, 2);
  readOutLayout->addWidget(lblX);
  readOutLayout->addWidget(lblY);
  lblScaleFactor = new QLabel(side);
  lblBgd = new QLabel(side);
  frames_ = new PlotToolFrames(view_.tools(), side);
  connect(frames_, &PlotToolFrames::changed, this, &PlotViewPanel::refresh);
  exportFrame_ = new ExportPlotFrame(side);
  connect(exportFrame_, &ExportPlotFrame::edited, this, [this](ExportPlotBox box, const QString& t) {
    view_.setExportPlotText(box, t.toStdString());
  });
  connect(exportFrame_, &ExportPlotFrame::accepted, this, [this] {
    view_.cmdExportPlotOK_Click();
    refresh();
  });
  connect(exportFrame_, &ExportPlotFrame::cancelled, this, [this] {
    view_.cmdExportPlotCancel_Click();
    refresh();
  });
  cmdReturn = new QPushButton(tr("&Return"), side);
  connect(cmdReturn, &QPushButton::clicked, this, &PlotViewPanel::returnRequested);
  auto* layout = new QVBoxLayout(side);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(txtPlotName);
  layout->addWidget(readOut);
  layout->addWidget(lblScaleFactor);
  layout->addWidget(lblBgd);
  layout->addWidget(exportFrame_);
  layout->addWidget(frames_, 1);
  layout->addStretch();
  layout->addWidget(cmdReturn);
  return side;
}

bool PlotViewPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == plot_) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseMove || type == QEvent::MouseButtonPress ||
        type == QEvent::MouseButtonRelease)
      forwardMouse(event);
  }
  return QWidget::eventFilter(watched, event);
}

void PlotViewPanel::forwardMouse(QEvent* event) {
  const auto* mouse = static_cast<QMouseEvent*>(event);
  const LogicalPoint at = plot_->logicalAt(mouse->position());
  converter::PlotPointer& p = view_.pointer();
  const PlotButton button =
      mouse->button() == Qt::RightButton ? PlotButton::Right : PlotButton::Left;
  const bool used = mouse->button() == Qt::LeftButton || mouse->button() == Qt::RightButton;
  if (event->type() == QEvent::MouseMove)
    p.mouseMove(at, mouse->buttons() & Qt::LeftButton);
  else if (used && event->type() == QEvent::MouseButtonPress)
    p.mouseDown(at, button);
  else if (used)
    p.mouseUp(at, button);
  refresh();
}

void PlotViewPanel::refresh() {
  const converter::PlotView& v = view_;
  const bool panel = v.tools().panelEnabled();
  toolPanel_->setEnabled(panel);
  cmdReturn->setEnabled(panel);
  SSCPreviousPlot->setEnabled(v.previousEnabled);
  SSCNextPlot->setEnabled(v.nextEnabled);
  SSCMinusPlot->setEnabled(v.store().NumPlots() > 1);
  SSCSavePlot->setEnabled(v.saveEnabled());
  SSCPrint->setEnabled(v.printAvailable());
  SSCExportPlot->setEnabled(v.exportAvailable());
  exportFrame_->sync(v.exportPanel(), panel);
  for (size_t i = 0; i < kSwitches.size(); ++i) {
    const QSignalBlocker block(switches[i]);
    switches[i]->setChecked(v.switchDown(kSwitches[i].which));
  }
  txtPlotName->setText(qs(v.txtPlotName));
  lblX->setText(qs(v.pointer().lblX));
  lblY->setText(qs(v.pointer().lblY));
  lblScaleFactor->setText(qs(v.lblScaleFactor));
  lblBgd->setText(qs(v.lblBgd));
  lblXAxis->setText(qs(v.lblXAxis));
  lblYAxis->setText(qs(v.lblYAxis));
  frames_->refresh();
  if (v.pointer().crossCursor())
    plot_->setCursor(Qt::CrossCursor);
  else
    plot_->unsetCursor();
  plot_->refresh();
}

}  // namespace lumo::ui
