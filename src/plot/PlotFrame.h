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

// Computes the frame of data set `set`. A range the axes cannot be scaled on is mended
// first (guardRange: a zero range widened by one unit each way, an inverted one swapped)
// and written back to the set, as the plot then shows it.
FrameGeometry computeFrame(DataSet& set);

// Axes, ticks and labels. `logXAxis`: the X axis is logarithmic, which shows neither
// x tick marks nor x labels.
void drawFrame(PlotSurface& surface, const DataSet& set, const FrameGeometry& frame,
               bool logXAxis);

}  // namespace lumo
