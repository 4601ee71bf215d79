#pragma once
// The page of an exported figure: the shown plots as the window arranges them, with the
// axis captions beside and under them, and a further view (the SLD profile) beside the
// plots when it is shown. The page is in tenths of a millimetre of the figure's size,
// so that its fonts and lines have the same size on paper whatever the resolution.
#include <optional>
#include <string>
#include <vector>

#include "plot/FigureExport.h"
#include "plot/PrintPage.h"

namespace lumo {

// A line of a legend: its text in a standard colour (plot/StandardColour).
struct FigureLegendLine {
  std::string text;
  int colour = 0;
};

// Plots that share one pair of axis captions, and a legend stacked above them for a view
// too narrow to hold its legend inside.
struct FigureGroup {
  std::vector<const PlotSurface*> plots;  // in the window's order
  std::string yAxisTitle, xAxisTitle;
  std::vector<FigureLegendLine> legend = {};
};

struct FigureContent {
  FigureGroup plots;
  // A view shown beside the plots, with captions of its own; it takes a third of the width.
  std::optional<FigureGroup> side;
};

inline constexpr double kFigureUnitsPerMm = 10;

// One plot fills its area; two stand side by side; three or four fill a 2 x 2 grid in
// the window's order.
PrintPage composeFigure(const FigureContent& content, const FigureSize& size);

}  // namespace lumo
