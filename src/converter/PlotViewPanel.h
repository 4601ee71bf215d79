#pragma once
// The widgets of the converter's plot view, mirroring a converter::PlotView: the tool
// panel, the plot with its captions, the file name, the read-outs, the labels of the
// corrections, the dialog frames and "&Return". Mouse events on the plot go to the
// view's pointer handling in the plot's logical coordinates.
#include <QWidget>
#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace lumo::converter {
class PlotView;
}
namespace lumo::plot {
class PlotWidget;
}

namespace lumo::ui {

class ExportPlotFrame;
class PlotToolFrames;
class VerticalCaption;

class PlotViewPanel : public QWidget {
  Q_OBJECT

 public:
  PlotViewPanel(converter::PlotView& view, QWidget* parent = nullptr);

  // Shows the view's state.
  void refresh();

  plot::PlotWidget* picPlot() const { return plot_; }
  PlotToolFrames* frames() const { return frames_; }

  QToolButton* SSCPreviousPlot = nullptr;
  QToolButton* SSCNextPlot = nullptr;
  QToolButton* SSCAddPlot = nullptr;
  QToolButton* SSCMinusPlot = nullptr;
  QToolButton* SSCColour = nullptr;
  QToolButton* SSCLineWidth = nullptr;
  QToolButton* SSCommand3 = nullptr;
  QToolButton* SSCScaleFactor = nullptr;
  QToolButton* SSCommand1 = nullptr;
  QToolButton* SSCSavePlot = nullptr;
  QToolButton* SSCPrint = nullptr;
  QToolButton* SSCExportPlot = nullptr;
  // SSRBackGroundSub, SSRLogX, SSRLogY, SSRErrorBars, SSRPoints, SSRLine
  std::array<QToolButton*, 6> switches{};
  QPushButton* cmdReturn = nullptr;
  QLineEdit* txtPlotName = nullptr;
  QLabel* lblX = nullptr;
  QLabel* lblY = nullptr;
  QLabel* lblScaleFactor = nullptr;
  QLabel* lblBgd = nullptr;
  QLabel* lblXAxis = nullptr;
  VerticalCaption* lblYAxis = nullptr;

 signals:
  void returnRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* buildToolPanel();
  QWidget* buildSideColumn();
  QToolButton* tool(const QString& text, const QString& tip, const std::function<void()>& act);
  void forwardMouse(QEvent* event);

  converter::PlotView& view_;
  QWidget* toolPanel_ = nullptr;
  plot::PlotWidget* plot_ = nullptr;
  PlotToolFrames* frames_ = nullptr;
  ExportPlotFrame* exportFrame_ = nullptr;
};

}  // namespace lumo::ui
