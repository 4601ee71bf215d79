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

// The axis ranges a frame is drawn for, in the stored representation.
struct FrameRanges {
  float XMin = 0, XMax = 1, YMin = 0, YMax = 1;
};

struct FrameGeometry {
  PlotMapping mapping;
  double width = 1200, height = 1200;  // logical size of the surface
  TickCount xTicks, yTicks;
};

// Computes the frame for `ranges`. A range the axes cannot be scaled on is mended first
// (guardRange: a zero range widened by one unit each way, an inverted one swapped) and
// written back, as the plot then shows it.
FrameGeometry computeFrame(FrameRanges& ranges);
// The same for data set `set`'s ranges, written back to the set.
FrameGeometry computeFrame(DataSet& set);

// The data area inside the frame.
LogicalRect dataArea(const PlotMapping& m);

// The anchor of the labels inside the top-right corner of the data area, where
// reflectivity curves rarely run: the background, and under it the residual.
LogicalPoint cornerLabelAnchor(const PlotMapping& m);

// Axes, tick marks and tick labels; sets the surface's data area. `logXAxis`: the X axis
// is logarithmic, which shows neither x tick marks nor x labels.
void drawAxes(PlotSurface& surface, const FrameRanges& ranges, const FrameGeometry& frame,
              bool logXAxis);
// The axes with the set's title and background label.
void drawFrame(PlotSurface& surface, const DataSet& set, const FrameGeometry& frame,
               bool logXAxis);

}  // namespace lumo
