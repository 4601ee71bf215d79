#include "ui/Lumo3.h"

#include <QApplication>
#include <QDockWidget>
#include <QEvent>
#include <QGridLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

#include "editor/LayerEditorWidgets.h"
#include "plot/PlotWidget.h"
#include "ui/FitProgressPanel.h"
#include "ui/DataOpsFrames.h"
#include "ui/FittingFrames.h"
#include "ui/IncreasePointsPanel.h"
#include "ui/LumoAbout.h"
#include "ui/MainActions.h"
#include "ui/PlotInteractionView.h"
#include "converter/DataConverter.h"
#include "ui/QtDialogs.h"
#include "plot/QtFigureWriter.h"
#include "plot/QtPagePrinter.h"
#include "ui/ExportPlotFrame.h"
#include "ui/LumoPrint.h"
#include "ui/PrintOptionsFrame.h"
#include "ui/OpenedFrameReveal.h"
#include "ui/ResolutionFrame.h"
#include "ui/SaveFitFrame.h"
#include "ui/ScrollPropertiesFrame.h"
#include "ui/VerticalCaption.h"

namespace lumo::ui {
namespace {

// The designed client area, in pixels.
constexpr int kDesignedWidth = 901;
constexpr int kDesignedHeight = 563;
constexpr int kSideColumnWidth = 215;

// The designed size, or more of a large screen: the plots and the scroll bars gain from
// the room. Never above 1400 × 900, which already shows every control comfortably.
QSize startupClientSize(const QScreen* screen) {
  if (!screen) return {kDesignedWidth, kDesignedHeight};
  const QRect available = screen->availableGeometry();
  return {std::clamp(available.width() * 4 / 5, kDesignedWidth, 1400),
          std::clamp(available.height() * 4 / 5, kDesignedHeight, 900)};
}

}  // namespace

Lumo3::Lumo3(Dialogs* dialogs, WorkingFolder* folder, QWidget* parent) : QMainWindow(parent) {
  // Injected dialogs (tests) serve the converter too; otherwise it shows its own.
  injectedDialogs_ = dialogs;
  if (!dialogs) {
    ownDialogs_ = std::make_unique<QtDialogs>(this);
    dialogs = ownDialogs_.get();
  }
  if (!folder) {
    ownFolder_ = std::make_unique<ProcessWorkingFolder>();
    folder = ownFolder_.get();
  }
  session_ = std::make_unique<MainSession>(*dialogs, *folder);
  qtPrinter_ = std::make_unique<plot::QtPagePrinter>(this);
  session_->setPrinter(qtPrinter_.get());
  figureWriter_ = std::make_unique<plot::QtFigureWriter>();
  session_->setFigureWriter(figureWriter_.get());
  setWindowTitle(QStringLiteral("Lumo Version 3.05"));
  actions_ = new MainActions(this);

  auto* central = new QWidget(this);
  central->setMouseTracking(true);
  central->installEventFilter(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(6, 4, 6, 4);
  column->setSpacing(4);
  auto* top = new QHBoxLayout;
  top->addWidget(buildPlotArea(), 1);
  top->addWidget(buildSideColumn());
  column->addLayout(top, 1);
  layerPanels_ = new editor::LayerPanelsWidget(central);
  column->addWidget(layerPanels_);
  setCentralWidget(central);
  buildStatusBar();
  buildProfileDock();

  connectEditor();
  connectActions();
  connectFitting();
  watchToolButtons();
  qApp->installEventFilter(this);

  session_->Form_Load();
  syncFromSession();
  const QSize client = startupClientSize(screen());
  resize(client.width(), client.height() + menuBar()->sizeHint().height());
}

Lumo3::~Lumo3() {
  qApp->removeEventFilter(this);
  // Widgets going away may still report focus changes; the session is gone before them.
  destroying_ = true;
}

QWidget* Lumo3::buildPlotArea() {
  auto* area = new QWidget(this);
  auto* grid = new QGridLayout(area);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(4);
  yAxisCaption_ = new VerticalCaption(area);
  grid->addWidget(yAxisCaption_, 0, 0, 2, 1);
  for (int p = 0; p < kPlotSurfaces; ++p) {
    plots_[static_cast<size_t>(p)] = new plot::PlotWidget(session_->picPlot(p), area);
    plots_[static_cast<size_t>(p)]->setObjectName(QStringLiteral("picPlot%1").arg(p));
    connect(plots_[static_cast<size_t>(p)], &plot::PlotWidget::loadFileClicked, this,
            [this, p] { run([p](MainSession& s) { s.picLoadFile_Click(p); }); });
  }
  interactionView_ = new PlotInteractionView(
      *session_, [this](const PlotInteractionView::Handler& h) { run(h); }, plots_, this);
  grid->addWidget(plots_[0], 0, 1, 2, 2);
  grid->addWidget(plots_[1], 0, 1);
  grid->addWidget(plots_[2], 0, 2);
  grid->addWidget(plots_[3], 1, 1);
  grid->addWidget(plots_[4], 1, 2);
  auto* xAxis = new QLabel(QString::fromLatin1(kXAxisCaption), area);
  xAxis->setAlignment(Qt::AlignCenter);
  grid->addWidget(xAxis, 2, 1, 1, 2);
  grid->setRowStretch(0, 1);
  grid->setRowStretch(1, 1);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(2, 1);
  return area;
}

QWidget* Lumo3::buildSideColumn() {
  // The dialog frames open above the model's side editor; the column scrolls rather than
  // pushing the window larger.
  auto* scroll = new QScrollArea(this);
  // Room for the vertical scroll bar beside the frames, which would otherwise be cut off at
  // the right once several frames are open.
  scroll->setFixedWidth(kSideColumnWidth + scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setWidgetResizable(true);
  auto* side = new QWidget(scroll);
  auto* layout = new QVBoxLayout(side);
  layout->setContentsMargins(0, 0, 0, 0);
  sideEditor_ = new editor::ModelSideWidget(side);
  pointsPanel_ = new IncreasePointsPanel(side);
  pointsPanel_->hide();
  fittingFrames_ = new FittingFrames([this](const FittingFrames::Handler& h) { run(h); }, side);
  dataOpsFrames_ = new DataOpsFrames([this](const DataOpsFrames::Handler& h) { run(h); }, side);
  const SessionRunner runner = [this](const SessionHandler& h) { run(h); };
  saveFitFrame_ = new SaveFitFrame(runner, side);
  propertiesFrame_ = new ScrollPropertiesFrame(runner, this);
  printOptions_ = new PrintOptionsFrame(runner, side);
  exportFrame_ = new ExportPlotFrame(side);
  connect(exportFrame_, &ExportPlotFrame::edited, this, [this](ExportPlotBox box, const QString& t) {
    run([box, text = t.toStdString()](MainSession& s) { s.setExportPlotText(box, text); });
  });
  connect(exportFrame_, &ExportPlotFrame::accepted, this,
          [this] { run([](MainSession& s) { s.cmdExportPlotOK_Click(); }); });
  connect(exportFrame_, &ExportPlotFrame::cancelled, this,
          [this] { run([](MainSession& s) { s.cmdExportPlotCancel_Click(); }); });
  resolutionFrame_ = new ResolutionFrame(runner, side);
  // An open frame is what the user works with next: it comes first.
  for (QWidget* frame :
       std::initializer_list<QWidget*>{saveFitFrame_, printOptions_, exportFrame_, resolutionFrame_}) {
    frame->hide();
    layout->addWidget(frame);
  }
  layout->addWidget(dataOpsFrames_);
  layout->addWidget(fittingFrames_);
  layout->addWidget(pointsPanel_);
  layout->addWidget(sideEditor_);
  layout->addStretch();
  scroll->setWidget(side);
  frameReveal_ = std::make_unique<OpenedFrameReveal>(scroll, sideEditor_);
  return scroll;
}

void Lumo3::buildStatusBar() {
  hoverPanel_ = new QLabel(this);
  hoverPanel_->setObjectName(QStringLiteral("SSPToolTips"));
  hoverPanel_->setFrameShape(QFrame::StyledPanel);
  hoverPanel_->setFrameShadow(QFrame::Sunken);
  hoverPanel_->setMinimumWidth(260);
  statusBar()->addWidget(hoverPanel_);
  fitProgress_ = new FitProgressPanel(this);
  statusBar()->addWidget(fitProgress_, 1);
  statusBar()->addPermanentWidget(interactionView_->lblQPosition());
  statusBar()->addPermanentWidget(interactionView_->lblReflectivityPosition());
  residualCaption_ = new QLabel(QStringLiteral("Cumulative Residual:"), this);
  statusBar()->addPermanentWidget(residualCaption_);
  residual_ = new QLabel(this);
  residual_->setObjectName(QStringLiteral("lblCumulativeResidual"));
  residual_->setMinimumWidth(80);
  statusBar()->addPermanentWidget(residual_);
  // How the curves are calculated, always in view beside the residual.
  calcSettings_ = new QLabel(this);
  calcSettings_->setObjectName(QStringLiteral("lblCalcSettings"));
  statusBar()->addPermanentWidget(calcSettings_);
  statusBar()->setSizeGripEnabled(true);
}

void Lumo3::buildProfileDock() {
  profileDock_ = new QDockWidget(QStringLiteral("SLD Profile"), this);
  profileDock_->setObjectName(QStringLiteral("dockSldProfile"));
  // Shown and hidden by its button and menu item, which keep their check in step.
  profileDock_->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
  profilePlot_ = new plot::PlotWidget(session_->sldProfilePlot(), profileDock_);
  profilePlot_->setObjectName(QStringLiteral("picSldProfile"));
  profilePlot_->setMinimumSize(260, 200);
  profileDock_->setWidget(profilePlot_);
  addDockWidget(Qt::RightDockWidgetArea, profileDock_);
  profileDock_->hide();
}

void Lumo3::syncProfile() {
  const bool shown = session_->sldProfileShown();
  // Looking at the picture redraws it when the model has moved since.
  if (shown) (void)session_->sldProfilePlot();
  if (profileDock_->isVisible() != shown) profileDock_->setVisible(shown);
  if (shown) profilePlot_->refresh();
}

void Lumo3::connectRow(editor::ParameterRow* row) {
  using editor::ParameterRow;
  connect(row, &ParameterRow::moved, this, &Lumo3::moveScrollBar);
  connect(row, &ParameterRow::focusEntered, this,
          [this](ScrollId id) { run([id](MainSession& s) { s.txtParameter_GotFocus(id); }); });
  connect(row, &ParameterRow::edited, this, [this](ScrollId id, const QString& text) {
    const std::string typed = text.toStdString();
    run([id, typed](MainSession& s) { s.txtParameter_LostFocus(id, typed); });
  });
  connect(row, &ParameterRow::captionClicked, this, [this](ScrollId id) {
    run([id](MainSession& s) {
      switch (id.family) {
        case ScrollFamily::Thickness: s.lblThickness_Click(id.index); break;
        case ScrollFamily::SLD: s.lblSLD_Click(id.index); break;
        case ScrollFamily::Solvent: s.lblSolvent_Click(id.index); break;
        case ScrollFamily::Roughness: s.lblRoughness_Click(id.index); break;
        default: break;
      }
    });
  });
}

void Lumo3::connectEditor() {
  for (editor::ParameterRow* row : layerPanels_->rows()) connectRow(row);
  for (editor::ParameterRow* row : sideEditor_->rows()) connectRow(row);
  connect(layerPanels_, &editor::LayerPanelsWidget::geometryChosen, this, [this](bool solid) {
    run([solid](MainSession& s) { solid ? s.optSolidLiquid_Click() : s.optAirLiquid_Click(); });
  });
  connect(pointsPanel_, &IncreasePointsPanel::textEdited, this, [this](const QString& text) {
    session_->setIncreasePointsText(text.toStdString());
  });
  connect(pointsPanel_, &IncreasePointsPanel::accepted, this,
          [this] { run([](MainSession& s) { s.cmdIncreasePointsOK_Click(); }); });
  connect(pointsPanel_, &IncreasePointsPanel::reset, this,
          [this] { run([](MainSession& s) { s.cmdIncreasePointsCancel_Click(); }); });
}

void Lumo3::connectActions() {
  connect(actions_, &MainActions::toolTriggered, this, [this](Tool tool, bool down) {
    if (tool == Tool::SSCAbout) {
      showAbout();
      return;
    }
    run([tool, down](MainSession& s) { s.toolClicked(tool, down); });
  });
  connect(actions_, &MainActions::menuTriggered, this, [this](Menu item) {
    if (item == Menu::mnuStartDataConv) {
      openConverter();
      return;
    }
    run([item](MainSession& s) { s.menuClicked(item); });
  });
  connect(actions_, &MainActions::historyTriggered, this,
          [this](int n) { run([n](MainSession& s) { s.mnuFileArray_Click(n); }); });
}

void Lumo3::watchToolButtons() {
  actions_->toolBar()->setMouseTracking(true);
  actions_->toolBar()->installEventFilter(this);
  for (int i = 0; i < kToolCount; ++i)
    if (QWidget* button = actions_->toolButton(static_cast<Tool>(i)))
      button->installEventFilter(this);
}

void Lumo3::connectFitting() {
  connect(fitProgress_, &FitProgressPanel::cancelled, this,
          [this] { run([](MainSession& s) { s.cancelFit(); }); });
  // A running fit takes its slices whenever the event loop has nothing else to do, so
  // the window is painted and Esc is read between them.
  fitTimer_ = new QTimer(this);
  fitTimer_->setInterval(0);
  connect(fitTimer_, &QTimer::timeout, this,
          [this] { run([](MainSession& s) { s.fitTick(); }); });
}

void Lumo3::syncFitting() {
  const MainSession& s = *session_;
  const FittingPanels& panels = s.fittingPanels();
  const bool running = s.fitRunning();
  fittingFrames_->sync(s);
  saveFitFrame_->sync(s);
  propertiesFrame_->sync(s);
  printOptions_->sync(s);
  exportFrame_->sync(s.exportPlotPanel(), !s.fitRunning());
  resolutionFrame_->sync(s);
  if (s.printForms().formVisible && !printForm_)
    printForm_ = new LumoPrint([this](const SessionHandler& h) { run(h); }, this);
  if (printForm_) printForm_->sync(s);
  pointsPanel_->setEnabled(!running);
  layerPanels_->setLocked(running);
  sideEditor_->setLocked(running);
  residualCaption_->setVisible(panels.cumulativeFrameVisible);
  residual_->setVisible(panels.cumulativeFrameVisible);
  fitProgress_->sync(s.fitStatus());
  // The progress takes the room of the hover texts, which a running fit does not need.
  hoverPanel_->setVisible(!fitProgress_->isVisibleTo(this));
  if (running && !fitTimer_->isActive()) fitTimer_->start();
  if (!running) fitTimer_->stop();
}

void Lumo3::setPrinter(PagePrinter* printer) {
  session_->setPrinter(printer ? printer : qtPrinter_.get());
}

void Lumo3::showAbout() {
  if (!about_) about_ = new LumoAbout(this);
  about_->show();
  about_->raise();
  about_->activateWindow();
}

// The converter works on files only; each opening starts a fresh window. The main
// window steps aside (minimised) while it is open and comes back maximised.
void Lumo3::openConverter() {
  if (!converter_) {
    converter_ = new DataConverter(injectedDialogs_);
    converter_->setAttribute(Qt::WA_DeleteOnClose);
    connect(converter_, &DataConverter::returnToLumoRequested, this, &Lumo3::returnFromConverter);
  }
  converter_->show();
  converter_->raise();
  converter_->activateWindow();
  showMinimized();
}

void Lumo3::returnFromConverter() {
  if (converter_ && converter_->isVisible()) converter_->close();
  showMaximized();
  activateWindow();
}

void Lumo3::commitTyping() {
  for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
    if (auto* row = qobject_cast<editor::ParameterRow*>(w)) {
      row->commitTyping();
      return;
    }
  }
}

void Lumo3::run(const std::function<void(MainSession&)>& handler) {
  if (destroying_) return;
  if (running_) {
    handler(*session_);
    return;
  }
  running_ = true;
  commitTyping();
  applyPendingMoves();
  handler(*session_);
  running_ = false;
  syncFromSession();
  if (!pending_.empty()) scheduleApply();
  if (session_->exitRequested() && !closing_) close();
}

void Lumo3::moveScrollBar(ScrollId id, int value) {
  pending_.set(id, value);
  scheduleApply();
}

void Lumo3::scheduleApply() {
  if (applyScheduled_) return;
  applyScheduled_ = true;
  QTimer::singleShot(0, this, [this] {
    applyScheduled_ = false;
    // Inside a running command (a file dialog's own event loop) the moves wait for it.
    if (!running_ && !pending_.empty()) run([](MainSession&) {});
  });
}

void Lumo3::applyPendingMoves() {
  for (const auto& [id, value] : pending_.take()) session_->setScrollValue(id, value);
}

void Lumo3::syncFromSession() {
  const MainSession& s = *session_;
  frameReveal_->remember();
  actions_->sync(s);
  layerPanels_->sync(s.editor());
  sideEditor_->sync(s.editor());
  for (int p = 0; p < kPlotSurfaces; ++p) {
    plot::PlotWidget* w = plots_[static_cast<size_t>(p)];
    w->refresh();
    w->setLoadButtonVisible(p >= 1 && s.picLoadFileVisible(p) &&
                            s.store().NumDataSets < kMaxDataSets);
  }
  pointsPanel_->setVisible(s.increasePointsPanelVisible());
  pointsPanel_->setText(QString::fromStdString(s.txtIncreasePointsNumPts()));
  yAxisCaption_->setText(QString::fromStdString(s.lblYAxis()));
  hoverPanel_->setText(QString::fromStdString(s.tools().hoverCaption));
  residual_->setText(QString::fromStdString(s.lblCumulativeResidual()));
  calcSettings_->setText(QString::fromStdString(s.lblCalcSettings()));
  syncProfile();
  syncFitting();
  dataOpsFrames_->sync(s);
  interactionView_->sync();
  frameReveal_->reveal();
}

bool Lumo3::eventFilter(QObject* watched, QEvent* event) {
  if (destroying_) return false;
  const QEvent::Type type = event->type();
  if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
    // The window sees the Shift key before its controls, and Esc while a fit runs.
    auto* key = static_cast<QKeyEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (key->key() == Qt::Key_Escape && type == QEvent::KeyPress && session_->fitRunning() &&
        widget && widget->window() == this) {
      run([](MainSession& s) { s.Form_KeyDown(kEscapeKey, 0); });
      return true;
    }
    if (key->key() == Qt::Key_Shift && !key->isAutoRepeat() && widget && widget->window() == this) {
      if (type == QEvent::KeyPress && !shiftHeld_) {
        shiftHeld_ = true;
        run([](MainSession& s) { s.Form_KeyDown(kShiftKey, 1); });
      } else if (type == QEvent::KeyRelease && shiftHeld_) {
        shiftHeld_ = false;
        run([](MainSession& s) { s.Form_KeyUp(kShiftKey, 0); });
      }
    }
    return false;
  }
  if (watched == centralWidget() || watched == actions_->toolBar()) {
    if (type == QEvent::MouseMove && !session_->tools().hoverCaption.empty())
      run([](MainSession& s) { s.Form_MouseMove(); });
    return false;
  }
  if (type == QEvent::Enter || type == QEvent::ToolTip) {
    for (int i = 0; i < kToolCount; ++i) {
      if (watched != actions_->toolButton(static_cast<Tool>(i))) continue;
      if (type == QEvent::ToolTip) return true;  // the hover panel stands in for tool tips
      run([i](MainSession& s) { s.toolMouseMove(static_cast<Tool>(i)); });
      break;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void Lumo3::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  run([](MainSession& s) { s.Form_Resize(); });
}

// The close button ends the program as "E&xit Lumo" does, settings saved.
void Lumo3::closeEvent(QCloseEvent* event) {
  closing_ = true;
  run([](MainSession& s) { s.Form_Unload(); });
  closing_ = false;
  QMainWindow::closeEvent(event);
}

void Lumo3::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // A Shift released in another window would leave the calculation paused.
  if (event->type() == QEvent::ActivationChange && !isActiveWindow() && shiftHeld_) {
    shiftHeld_ = false;
    run([](MainSession& s) { s.Form_KeyUp(kShiftKey, 0); });
  }
}

}  // namespace lumo::ui
