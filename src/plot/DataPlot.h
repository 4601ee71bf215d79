#pragma once
// Drawing of measured data (points, connecting line, error bars) and of calculated
// curves onto a plot surface, through a data set's mapping.
#include <vector>

#include "files/DataSet.h"
#include "plot/PlotMapping.h"
#include "plot/PlotSurface.h"
#include "plot/StandardColour.h"

namespace lumo {

// One curve's points in the stored representation, arrays indexed first..last.
struct PointSeries {
  const double* x = nullptr;
  const double* y = nullptr;
  const double* upper = nullptr;  // ends of the error bars
  const double* lower = nullptr;
  int first = 1, last = 0;
  int colour = 1;
  double lineWidth = 1;  // of the connecting line, in pixels
};

// The passes over one series: circles of radius 5·XR (in logical x units); one line
// joining the points; error bars with caps 5·XR either side. A point without a finite
// position is left out (and breaks the line).
void drawPointCircles(PlotSurface& surface, const PointSeries& series, const PlotMapping& mapping);
void drawConnectingLine(PlotSurface& surface, const PointSeries& series,
                        const PlotMapping& mapping);
void drawErrorBars(PlotSurface& surface, const PointSeries& series, const PlotMapping& mapping);

// The display switches of the data passes.
struct DataPasses {
  bool points = true;
  bool line = false;
  bool errorBars = true;
};

// The three passes over DataFirst..DataLast, in `colour`: all circles (radius 5·XR in
// logical x units), then all segments, then all error bars with caps 5·XR either side.
// A lower error-bar end of exactly 0 is replaced in the store by YMin before it is drawn.
void drawDataPasses(PlotSurface& surface, DataSet& set, const PlotMapping& mapping,
                    DataPasses passes, int colour = colour::DarkBlue);

// Where the calculated curve lies: on the data's own points (CalcR against DataQ over
// DataFirst..DataLast) or on the calculation grid (CalcR against GridQ over
// CalcFirst..CalcLast). GridQ is always linear Q; `gridLogX` maps it through log10 for
// a store that holds log10 Q.
struct CurveSource {
  bool onGrid = false;
  bool gridLogX = false;
};

// The calculated curve of a data set as one polyline in colour 0. Points without a
// finite position (the log of a zero reflectivity, a grid point at Q = 0 on a log axis)
// break the line rather than being drawn.
void drawCurve(PlotSurface& surface, const DataSet& set, const PlotMapping& mapping,
               CurveSource source, int colour = colour::Black);

// The points of the calculated curve, in the stored representation (Q as the store
// holds it), without mapping.
std::vector<LogicalPoint> curvePoints(const DataSet& set, CurveSource source);

}  // namespace lumo
