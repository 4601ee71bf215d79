#pragma once
// The frame of a data set's plot: logical size, mapping, axes, tick marks, tick labels,
// title and background label.
//
// The logical surface is 1200·XR wide and 1200·YR high (XR, YR the normalised ranges);
// the data area leaves a margin of 100·XR at each side and 100·YR at top and bottom.
#include "files/DataSet.h"
#include "plot/AxisScaling.h"
#include "plot/PlotMapping.h"
#include "plot/PlotSurface.h"

namespace lumo {

struct FrameGeometry {
  PlotMapping mapping;
  double width = 1200, height = 1200;  // logical size of the surface
  TickCount xTicks, yTicks;
};

// The ranges a frame is drawn for, in the stored representation (log10 on a log axis).
struct AxisRanges {
  float XMin = 0, XMax = 1, YMin = 0, YMax = 1;
};

// Where the frames of the main window's plots and of the converter's plot differ.
struct FrameRules {
  bool xMarks = true;               // x tick marks and x labels drawn
  bool xLabelsOfMagnitude = false;  // x labels count down from ⌊|XMax|·s⌋/s, not ⌊XMax·s⌋/s
  int extraYLabels = 0;             // y labels beyond the whole units between YMin and YMax
  int xDecimals = 3, yDecimals = 1; // decimals of the labels (more where neighbours need them)
};

// Computes the frame of `ranges`. A range the axes cannot be scaled on is mended first
// (guardRange: a zero range widened by one unit each way, an inverted one swapped) and
// written back, as the plot then shows it.
FrameGeometry computeFrame(AxisRanges& ranges);
// The same for data set `set`, whose ranges are mended in place.
FrameGeometry computeFrame(DataSet& set);

// The data area inside the frame.
LogicalRect dataArea(const PlotMapping& m);
// The data area with a hair of room, for cutting what is drawn at the axes: the axes'
// ends are single-precision values, so a point on an end (the first Q of a set, say) may
// map a millionth of the width outside.
LogicalRect dataClipArea(const PlotMapping& m);

// The anchor of the labels inside the top-right corner of the data area, where
// reflectivity curves rarely run: the background, and under it the residual.
LogicalPoint cornerLabelAnchor(const PlotMapping& m);

// The rules of the main window's data plots; on a logarithmic X axis (`logXAxis`) they
// show neither x tick marks nor x labels.
FrameRules dataPlotRules(bool logXAxis);

// Axes, tick marks and tick labels; the data area is recorded on the surface.
void drawAxesFrame(PlotSurface& surface, const AxisRanges& ranges, const FrameGeometry& frame,
                   const FrameRules& rules);

// Axes, ticks and labels, title and background label of a data set's plot. `logXAxis`:
// the X axis is logarithmic, which shows neither x tick marks nor x labels.
void drawFrame(PlotSurface& surface, const DataSet& set, const FrameGeometry& frame,
               bool logXAxis);

}  // namespace lumo
