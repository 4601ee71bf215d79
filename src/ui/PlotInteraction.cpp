#include "ui/PlotInteraction.h"

#include <algorithm>

#include "files/DisplayScale.h"
#include "files/NumberText.h"
#include "plot/PlotPointer.h"
#include "plot/RangeSelection.h"

namespace lumo::ui {
namespace {

// The range line's height: 2520 logical units on a small surface, 5040 on the enlarged
// one, where that lies inside the data area; on a short surface (a Y range of a decade
// or two) the middle of the data area instead, so that the line is always seen.
double rangeLineHeight(const PointerView& view) {
  const double y = view.enlarged ? 5040.0 : 2520.0;
  if (insideDataY(view.mapping, y)) return y;
  return (dataAreaTop(view.mapping) + view.mapping.YBottom) / 2;
}

}  // namespace

void PlotInteraction::showReadOut(const PointerView& view, LogicalPoint at) {
  const double q = storedQAt(view.mapping, at.x), r = storedRAt(view.mapping, at.y);
  qText_ = "Q:    " + text::formatFixed3(view.logX ? pow10Of(q) : q);
  rText_ = "Ref: " + (view.logY ? text::formatSci2(pow10Of(r)) : text::formatFixed3(r));
}

void PlotInteraction::mouseMove(int p, const PointerView& view, LogicalPoint at, bool leftHeld,
                                bool backgroundMode, bool keepPointer) {
  const PlotMapping& m = view.mapping;
  const bool inside = insideData(m, at);
  if (inside) {
    if (!keepPointer) cursor_[idx(p)] = PlotCursor::Cross;
    showReadOut(view, at);
  } else {
    mouseLeave(p);
  }
  MarkerLine& range = rangeLine_[idx(p)];
  if (!backgroundMode && leftHeld && range.visible)
    range.to.x = at.x < range.from.x ? range.from.x + 1 : std::min(at.x, dataAreaRight(m));
  MarkerLine& background = backgroundLine_[idx(p)];
  background.visible = backgroundMode && inside;
  if (background.visible) background = {true, {m.XLeft, at.y}, {dataAreaRight(m), at.y}};
}

void PlotInteraction::mouseLeave(int p) {
  cursor_[idx(p)] = PlotCursor::Default;
  qText_ = "Q:    ";
  rText_ = "Ref: ";
}

void PlotInteraction::startRange(int p, int d, const PointerView& view, LogicalPoint at,
                                 const DataSet& set, RangeGrid grid) {
  const PlotMapping& m = view.mapping;
  const double y = rangeLineHeight(view);
  if (static_cast<float>(at.x) < m.XLeft) {
    rangeLine_[idx(p)] = {true, {m.XLeft, y}, {m.XLeft + 1, y}};
    rangeStart_[idx(d)] = set.DataFirst;
  } else if (insideDataX(m, at.x)) {
    rangeLine_[idx(p)] = {true, {at.x, y}, {at.x + 1, y}};
    rangeStart_[idx(d)] = rangeStartAt(*grid.q, grid.count, storedQAt(m, at.x));
  }
}

std::optional<int> PlotInteraction::endRange(int p, const PointerView& view, LogicalPoint at,
                                             RangeGrid grid) {
  MarkerLine& line = rangeLine_[idx(p)];
  const bool started = line.visible;
  line.visible = false;
  const PlotMapping& m = view.mapping;
  if (!started || at.x < line.from.x || static_cast<float>(at.x) < m.XLeft) return std::nullopt;
  if (!insideDataX(m, at.x)) return grid.count;  // right of the data area: to the last point
  return rangeEndAt(*grid.q, grid.count, storedQAt(m, at.x));
}

void PlotInteraction::hideBackgroundLines() {
  for (MarkerLine& line : backgroundLine_) line.visible = false;
}

void PlotInteraction::moveDataSet(int from, int to) { rangeStart_[idx(to)] = rangeStart_[idx(from)]; }

}  // namespace lumo::ui
