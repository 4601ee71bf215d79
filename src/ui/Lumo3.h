#pragma once
// The main window: plots, layer editor, tool panel and menus around one MainSession.
// The widgets show the session's state; every user action is forwarded to a session
// handler, after which the window mirrors the state again.
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

#include "converter/DataConverter.h"
#include "ui/MainSession.h"
#include "ui/PendingScrollValues.h"

class QDockWidget;
class QLabel;
class QTimer;

namespace lumo::editor {
class LayerPanelsWidget;
class ModelSideWidget;
class ParameterRow;
}  // namespace lumo::editor
namespace lumo::plot {
class PlotWidget;
class QtFigureWriter;
class QtPagePrinter;
}

namespace lumo::ui {

class FitProgressPanel;
class DataOpsFrames;
class OpenedFrameReveal;
class FittingFrames;
class PlotInteractionView;
class IncreasePointsPanel;
class LumoAbout;
class LumoPrint;
class ExportPlotFrame;
class PrintOptionsFrame;
class ResolutionFrame;
class VerticalCaption;
class MainActions;
class SaveFitFrame;
class ScrollPropertiesFrame;

class Lumo3 : public QMainWindow {
  Q_OBJECT

 public:
  // Without `dialogs` and `folder` the window uses Qt's dialogs and the process's current
  // folder; tests and benchmarks pass scripted ones.
  explicit Lumo3(Dialogs* dialogs = nullptr, WorkingFolder* folder = nullptr,
                 QWidget* parent = nullptr);
  ~Lumo3() override;

  const MainSession& session() const { return *session_; }
  MainActions& actions() const { return *actions_; }
  plot::PlotWidget* plotWidget(int p) const { return plots_[static_cast<size_t>(p)]; }
  // The SLD profile's plot, in its dock.
  plot::PlotWidget* profileWidget() const { return profilePlot_; }
  editor::LayerPanelsWidget* layerPanels() const { return layerPanels_; }
  FitProgressPanel* fitProgress() const { return fitProgress_; }
  // The print form, once it has been shown.
  LumoPrint* printForm() const { return printForm_; }
  // Where the window prints: Qt's print dialog, unless a test gives a printer of its own.
  void setPrinter(PagePrinter* printer);
  // The data converter window while it is open.
  DataConverter* converter() const { return converter_; }

  // Runs a session handler as a user action: typed text and scroll moves still waiting
  // are handed over first, and the widgets follow the state afterwards.
  void run(const std::function<void(MainSession&)>& handler);
  // A scroll bar moved by the user: applied on the next turn of the event loop, or by
  // the next action, whichever comes first (only the latest value of each bar counts).
  void moveScrollBar(ScrollId id, int value);
  // Applies the waiting scroll moves now.
  void applyPendingMoves();
  // Mirrors the session's state in the widgets.
  void syncFromSession();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* buildPlotArea();
  QWidget* buildSideColumn();
  void buildStatusBar();
  void buildProfileDock();
  void syncProfile();
  void connectEditor();
  void connectRow(editor::ParameterRow* row);
  void connectActions();
  void connectFitting();
  void syncFitting();
  void watchToolButtons();
  void showAbout();
  void openConverter();
  void returnFromConverter();
  void commitTyping();
  void scheduleApply();

  std::unique_ptr<Dialogs> ownDialogs_;
  Dialogs* injectedDialogs_ = nullptr;
  std::unique_ptr<WorkingFolder> ownFolder_;
  std::unique_ptr<MainSession> session_;
  MainActions* actions_ = nullptr;
  std::array<plot::PlotWidget*, kPlotSurfaces> plots_{};
  editor::LayerPanelsWidget* layerPanels_ = nullptr;
  editor::ModelSideWidget* sideEditor_ = nullptr;
  IncreasePointsPanel* pointsPanel_ = nullptr;
  FittingFrames* fittingFrames_ = nullptr;
  SaveFitFrame* saveFitFrame_ = nullptr;
  ScrollPropertiesFrame* propertiesFrame_ = nullptr;
  PrintOptionsFrame* printOptions_ = nullptr;
  ExportPlotFrame* exportFrame_ = nullptr;
  ResolutionFrame* resolutionFrame_ = nullptr;
  QDockWidget* profileDock_ = nullptr;
  plot::PlotWidget* profilePlot_ = nullptr;
  QLabel* calcSettings_ = nullptr;
  LumoPrint* printForm_ = nullptr;
  std::unique_ptr<plot::QtPagePrinter> qtPrinter_;
  std::unique_ptr<plot::QtFigureWriter> figureWriter_;
  DataOpsFrames* dataOpsFrames_ = nullptr;
  std::unique_ptr<OpenedFrameReveal> frameReveal_;
  PlotInteractionView* interactionView_ = nullptr;
  FitProgressPanel* fitProgress_ = nullptr;
  QTimer* fitTimer_ = nullptr;
  QLabel* residualCaption_ = nullptr;
  VerticalCaption* yAxisCaption_ = nullptr;
  QLabel* hoverPanel_ = nullptr;
  QLabel* residual_ = nullptr;
  QPointer<LumoAbout> about_;
  QPointer<DataConverter> converter_;
  PendingScrollValues pending_;
  bool applyScheduled_ = false;
  bool running_ = false;
  bool destroying_ = false;
  bool closing_ = false;
  bool shiftHeld_ = false;
};

}  // namespace lumo::ui
