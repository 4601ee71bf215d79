#pragma once
// The combined plot: every loaded data set on the enlarged surface through one mapping
// whose axes span them all, each set in a colour of its own with its calculated curve
// in a darker shade, and a legend of their titles. Nothing is drawn outside the data
// area, on any axis setting or range.
#include <string>

#include "files/DataSet.h"
#include "plot/DataPlot.h"
#include "plot/PlotFrame.h"
#include "plot/PlotSurface.h"

namespace lumo {

// The colours of data set k (1..4): its data, and its curve in a darker shade.
int combinedDataColour(int set);
int combinedCurveColour(int set);

// What the combined plot shows besides the data.
struct CombinedContent {
  bool curves = false;  // the calculated curves ("Calculate Fit" down)
  CurveSource source;   // where the curves lie
  bool logYStore = false;  // the store holds log10 R
};

// The legend's name of data set k: its title, or "Set k" for a set without one.
std::string combinedLegendTitle(const DataSet& set, int k);

// The axes' ranges: the union of the ranges of sets 1..sets and, with curves, of each
// curve's values within its set's X range, Y rounded to whole decades as loading rounds
// a single set's range.
AxisRanges combinedRanges(const DataStore& store, int sets, const CombinedContent& content);

// Frame, the data of sets 1..sets and the legend, on the persistent layer as the caller
// set it; returns the frame, whose mapping the curves then use.
FrameGeometry drawCombinedData(PlotSurface& surface, DataStore& store, int sets,
                               DataPasses passes, bool logXAxis, const CombinedContent& content);

// The calculated curves of sets 1..sets through the combined mapping.
void drawCombinedCurves(PlotSurface& surface, const DataStore& store, int sets,
                        const PlotMapping& mapping, CurveSource source);

}  // namespace lumo
