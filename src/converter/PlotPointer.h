#pragma once
// The mouse on the converter's plot: the read-outs of the data under the pointer, the
// zoom with its marker line (left button dragged rightwards; right button resets), and
// the background pick with its line following the pointer. Positions are in the plot
// surface's logical coordinates, as the last redraw laid them out.
#include <optional>
#include <string>
#include <vector>

#include "plot/PlotPrimitive.h"

namespace lumo {
class PlotSurface;
}

namespace lumo::converter {

class PlotView;

enum class PlotButton { Left, Right };

class PlotPointer {
 public:
  explicit PlotPointer(PlotView& view) : view_(view) {}

  void mouseMove(LogicalPoint at, bool leftHeld);
  void mouseDown(LogicalPoint at, PlotButton button);
  void mouseUp(LogicalPoint at, PlotButton button);

  // BackgroundPick: while on, the background line follows the pointer and a left click
  // picks its level.
  void setBackgroundPick(bool on);
  bool backgroundPick() const { return BackgroundPick_; }
  void hideBackgroundLine();
  // Forgets a zoom in progress and hides both lines (a new file, the view left).
  void reset();

  // Draws the marker and background lines into the surface's overlay.
  void drawLines(PlotSurface& surface) const;

  bool crossCursor() const { return cross_; }
  std::string lblX = "X:", lblY = "Y:";

 private:
  bool insideDataArea(LogicalPoint at) const;
  void showReadOuts(LogicalPoint at);
  void pickBackground(LogicalPoint at);
  void redrawLines();

  PlotView& view_;
  bool BackgroundPick_ = false;
  bool cross_ = false;
  // LineX1: shown from the press to the pointer while the left button is held.
  std::optional<LogicalPoint> markerStart_;
  double markerEnd_ = 0;
  std::vector<int> PendingStart_;
  // LineBackgroundSub, at this height while shown.
  std::optional<double> backgroundLine_;
};

}  // namespace lumo::converter
