#pragma once
// Draws the converter's plot store on a recorded surface: the axes' ranges over the
// shown points, points, connecting lines and error bars of every curve in its colour,
// the axes with their tick marks and labels, and the title.
//
// The scaling and the frame are the main window's (plot/PlotFrame): spans brought into
// one decade, a surface of 1200 units per scaled unit with margins of 100, whole-unit
// tick labels. Unlike the main plots, the x marks and labels stay on a log X axis.
#include <string>

#include "converter/PlotStore.h"
#include "plot/PlotFrame.h"
#include "plot/PlotSurface.h"

namespace lumo::converter {

// The display switches and texts a redraw reads.
struct PlotDisplay {
  bool points = true;     // SSRPoints
  bool line = false;      // SSRLine
  bool errorBars = true;  // SSRErrorBars
  int lineWidth = 1;      // LineWidth
  std::string title;      // lblTitle
};

// What a redraw leaves for the mouse: the ranges (XMin, XMax, YMin, YMax) and the frame
// (XScale, YScale, XLeft, YBottom, XSpan = mapping.XR, YSpan = mapping.YR).
struct PlotAxes {
  AxisRanges ranges;
  FrameGeometry frame;

  // The right end of the data area, and the data value under logical x / y.
  double dataRight() const;
  double dataX(double x) const;
  double dataY(double y) const;
};

// PlotIt_Title: the ranges over every curve's window (points without a place on a log
// axis left out; with no point at all, 0 to 1), mended where they have no width, and the
// frame they give.
PlotAxes PlotIt_Title(const PlotStore& store);

// PlotIt: clears the persistent layer and draws everything; returns the axes drawn.
PlotAxes PlotIt(PlotSurface& surface, const PlotStore& store, const PlotDisplay& display);

}  // namespace lumo::converter
