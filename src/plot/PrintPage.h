#pragma once
// A page of recorded plot surfaces, for printing and for export: each surface placed in
// a box of the page, plus free texts (axis titles). Everything is in the page's logical
// units; a painter fits the page to the device and draws it as vectors at the device's
// resolution (plot/PagePainter).
#include <string>
#include <vector>

#include "plot/PlotSurface.h"

namespace lumo {

// A surface with both of its layers, shown in `box` as a plot widget shows it: its
// labels may use the margins, the persistent layer is cut at the surface's edges and the
// overlay (calculated curves) at its data area.
struct PagePlot {
  PlotSurface surface;
  LogicalRect box;
};

struct PageText {
  LogicalPoint anchor;
  std::string text;
  HAlign hAlign = HAlign::Centre;
  VAlign vAlign = VAlign::Centre;
  bool vertical = false;  // read from bottom to top, as a Y axis title
  int colour = 0;         // a standard colour (plot/StandardColour): black unless a legend's
};

struct PrintPage {
  double width = 1000, height = 1000;  // logical size of the page
  double fontHeight = 16;              // height of the labels' font, in page units
  double lineWidth = 1;                // width of every line, in page units
  std::vector<PagePlot> plots;
  std::vector<PageText> texts;

  void addPlot(const PlotSurface& surface, LogicalRect box) { plots.push_back({surface, box}); }
  void addText(PageText text) { texts.push_back(std::move(text)); }
};

}  // namespace lumo
