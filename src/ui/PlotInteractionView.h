#pragma once
// The plots' side of the plot interaction: forwards the mouse on each plot to the
// session, adds the picture buttons of each plot (Y range, enlarge or return, remove),
// and shows the read-outs "Q:" and "Ref:", the range and background lines and the
// pointer shape from the session's state.
//
// Mouse moves go to the session directly and refresh only the plot and the read-outs,
// so that moving over a plot never commits what is being typed elsewhere; presses,
// releases and clicks run as the window's user actions.
#include <QObject>

#include <array>
#include <functional>

#include "ui/MainSession.h"

class QLabel;
class QToolButton;
class QWidget;

namespace lumo::plot {
class PlotWidget;
}

namespace lumo::ui {

class PlotInteractionView : public QObject {
  Q_OBJECT

 public:
  using Handler = std::function<void(MainSession&)>;
  using Runner = std::function<void(const Handler&)>;
  using Plots = std::array<plot::PlotWidget*, kPlotSurfaces>;

  PlotInteractionView(MainSession& session, Runner run, const Plots& plots, QWidget* labelParent);
  QLabel* lblQPosition() const { return qLabel_; }
  QLabel* lblReflectivityPosition() const { return rLabel_; }
  // Follows the session: picture buttons, lines, pointers and read-outs.
  void sync();

 private:
  void connectPlot(int p);
  void addPictureButtons(int p);
  void syncPointer(int p);
  void syncReadOut();

  MainSession& session_;
  Runner run_;
  Plots plots_;
  QLabel* qLabel_;
  QLabel* rLabel_;
  std::array<QToolButton*, kPlotSurfaces> yFix_{}, enlarge_{}, remove_{};
};

}  // namespace lumo::ui
