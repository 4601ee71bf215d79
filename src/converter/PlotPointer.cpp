#include "converter/PlotPointer.h"

#include <cmath>

#include "converter/PlotView.h"
#include "files/NumberText.h"
#include "plot/StandardColour.h"

namespace lumo::converter {
namespace {

// The marker and background lines stand out from the curves in red, two pixels wide.
constexpr double kLineWidth = 2;

}  // namespace

bool PlotPointer::insideDataArea(LogicalPoint at) const {
  const PlotAxes& a = view_.axes();
  const PlotMapping& m = a.frame.mapping;
  return at.x >= m.XLeft && at.x <= a.dataRight() && at.y <= m.YBottom &&
         at.y >= m.YBottom - 1000.0 * m.YR;
}

void PlotPointer::showReadOuts(LogicalPoint at) {
  const double y = view_.axes().dataY(at.y);
  lblX = "X: " + text::formatFixed3(view_.axes().dataX(at.x));
  lblY = "Y: " + text::formatSci2(view_.store().logY ? std::pow(10.0, y) : y);
}

void PlotPointer::mouseMove(LogicalPoint at, bool leftHeld) {
  const bool inside = insideDataArea(at);
  if (BackgroundPick_) {
    cross_ = false;
    if (inside)
      backgroundLine_ = at.y;
    else
      backgroundLine_.reset();
    redrawLines();
    return;
  }
  cross_ = inside && view_.tools().openDialog() == PlotDialog::None;
  if (cross_) showReadOuts(at);
  if (leftHeld && markerStart_) {
    markerEnd_ = at.x;
    redrawLines();
  }
}

void PlotPointer::mouseDown(LogicalPoint at, PlotButton button) {
  if (BackgroundPick_) {
    if (button == PlotButton::Left && insideDataArea(at)) pickBackground(at);
    return;
  }
  if (button != PlotButton::Left) return;
  const PlotAxes& a = view_.axes();
  const double left = a.frame.mapping.XLeft;
  if (at.x < left) {
    markerStart_ = LogicalPoint{left, at.y};
    PendingStart_ = view_.store().pendingStartsFromFirst();
  } else if (at.x <= a.dataRight()) {
    markerStart_ = at;
    PendingStart_ = view_.store().pendingStartsAt(a.dataX(at.x));
  } else {
    return;
  }
  markerEnd_ = markerStart_->x + 1;
  redrawLines();
}

void PlotPointer::mouseUp(LogicalPoint at, PlotButton button) {
  if (BackgroundPick_) return;
  if (button == PlotButton::Right) {
    markerStart_.reset();
    view_.store().resetWindows();
    view_.redraw();
    return;
  }
  if (!markerStart_) return;
  const double start = markerStart_->x;
  markerStart_.reset();
  const PlotAxes& a = view_.axes();
  if (at.x <= start || at.x < a.frame.mapping.XLeft) {
    redrawLines();
    return;
  }
  std::optional<double> end;
  if (at.x < a.dataRight()) end = a.dataX(at.x);
  view_.store().applyZoom(PendingStart_, end);
  view_.redraw();
}

void PlotPointer::pickBackground(LogicalPoint at) {
  const double y = view_.axes().dataY(at.y);
  BackgroundPick_ = false;
  backgroundLine_ = at.y;
  redrawLines();
  view_.tools().openBackgroundFrame(view_.store().logY ? std::pow(10.0, y) : y);
}

void PlotPointer::setBackgroundPick(bool on) {
  BackgroundPick_ = on;
  if (!on) backgroundLine_.reset();
  redrawLines();
}

void PlotPointer::hideBackgroundLine() {
  backgroundLine_.reset();
  redrawLines();
}

void PlotPointer::reset() {
  markerStart_.reset();
  backgroundLine_.reset();
  BackgroundPick_ = false;
  cross_ = false;
}

void PlotPointer::redrawLines() { drawLines(view_.picPlot()); }

void PlotPointer::drawLines(PlotSurface& surface) const {
  surface.setPersistentDrawing(false);
  surface.clear();
  if (markerStart_)
    surface.addPolyline({*markerStart_, {markerEnd_, markerStart_->y}}, colour::Red, kLineWidth);
  if (backgroundLine_) {
    const PlotAxes& a = view_.axes();
    surface.addPolyline(
        {{a.frame.mapping.XLeft, *backgroundLine_}, {a.dataRight(), *backgroundLine_}}, colour::Red,
        kLineWidth);
  }
}

}  // namespace lumo::converter
