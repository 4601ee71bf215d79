#pragma once
// The dialog frames of the converter's plot tools, shown beside the plot one at a time:
// add plot, remove plot, colours, background, scale factor, titles and line width. They
// mirror converter::PlotTools and forward their buttons to it.
#include <QStackedWidget>
#include <array>
#include <functional>

class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace lumo::converter {
class PlotTools;
}

namespace lumo::ui {

class PlotToolFrames : public QStackedWidget {
  Q_OBJECT

 public:
  PlotToolFrames(converter::PlotTools& tools, QWidget* parent = nullptr);

  // Shows the open frame (none: hidden) with the tools' lists and texts.
  void refresh();

  QListWidget* lstAddPlot = nullptr;
  QPushButton* cmdAddPlot = nullptr;
  QPushButton* cmdAddPlotReturn = nullptr;
  QListWidget* lstMinusPlot = nullptr;
  QPushButton* cmdMinusPlotDelete = nullptr;
  QPushButton* cmdMinusPlotReturn = nullptr;
  QListWidget* lstChangeColour = nullptr;
  std::array<QToolButton*, 15> SSRibbon1{};
  QPushButton* cmdChangeColourReturn = nullptr;
  QLineEdit* txtBackGroundToSubtract = nullptr;
  QPushButton* cmdBackGroundSubOK = nullptr;
  QLineEdit* txtScaleFactor = nullptr;
  QPushButton* cmdScaleFactorOK = nullptr;
  QLineEdit* txtNewTitle = nullptr;
  QLineEdit* txtNewXAxis = nullptr;
  QLineEdit* txtNewYAxis = nullptr;
  QPushButton* cmdTitleChangeOK = nullptr;
  QLineEdit* txtLineWidth = nullptr;
  QPushButton* cmdLineWidthOK = nullptr;

 signals:
  // A frame's button changed the tools' state or the plot.
  void changed();

 private:
  using Handler = std::function<void(converter::PlotTools&)>;
  QWidget* listFrame(const QString& title, QListWidget*& list, QPushButton*& action,
                     const QString& actionText, QPushButton*& back,
                     const std::function<void(int)>& act);
  QWidget* colourFrame();
  QWidget* entryFrame(const QString& title,
                      std::initializer_list<std::pair<QString, QLineEdit**>> fields,
                      QPushButton*& ok, const Handler& onOk);
  void onClick(QPushButton* button, const Handler& handler);
  void mirror(QLineEdit* box, std::string converter::PlotTools::*text);

  converter::PlotTools& tools_;
};

}  // namespace lumo::ui
