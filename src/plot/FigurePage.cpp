#include "plot/FigurePage.h"

#include <algorithm>

namespace lumo {
namespace {

// Sizes relative to the font's height.
constexpr double kMargin = 0.5, kYCaptionWidth = 1.8, kXCaptionHeight = 1.9, kGap = 0.8, kLegendLine = 1.25;
constexpr double kFontMm = 3.2;   // about 9 pt
constexpr double kLineMm = 0.25;  // a hairline that still prints

// The legend's lines from the top left of `area`; returns the height they take.
double addLegend(PrintPage& page, const std::vector<FigureLegendLine>& legend, LogicalRect area) {
  const double line = kLegendLine * page.fontHeight;
  for (size_t i = 0; i < legend.size(); ++i)
    page.addText({{area.left, area.top + line * static_cast<double>(i)}, legend[i].text, HAlign::Left,
                  VAlign::Top, false, legend[i].colour});
  return line * static_cast<double>(legend.size());
}

// The plots of `group` in a grid filling `area` under its legend, the captions at its
// left and bottom.
void addGroup(PrintPage& page, const FigureGroup& group, LogicalRect area) {
  const double f = page.fontHeight;
  area.top += addLegend(page, group.legend, area);
  const LogicalRect box{area.left + kYCaptionWidth * f, area.top, area.right, area.bottom - kXCaptionHeight * f};
  page.addText({{area.left + kYCaptionWidth * f / 2, (box.top + box.bottom) / 2}, group.yAxisTitle,
                HAlign::Centre, VAlign::Centre, true});
  page.addText({{(box.left + box.right) / 2, box.bottom + 0.5 * f}, group.xAxisTitle, HAlign::Centre,
                VAlign::Top});
  const int n = static_cast<int>(group.plots.size());
  const int columns = n == 1 ? 1 : 2, rows = n <= 2 ? 1 : 2;
  const double gap = kGap * f;
  const double w = (box.right - box.left - gap * (columns - 1)) / columns;
  const double h = (box.bottom - box.top - gap * (rows - 1)) / rows;
  for (int i = 0; i < n; ++i) {
    const double left = box.left + (i % columns) * (w + gap), top = box.top + (i / columns) * (h + gap);
    page.addPlot(*group.plots[static_cast<size_t>(i)], {left, top, left + w, top + h});
  }
}

}  // namespace

PrintPage composeFigure(const FigureContent& content, const FigureSize& size) {
  PrintPage page;
  page.width = size.widthMm * kFigureUnitsPerMm;
  page.height = size.heightMm * kFigureUnitsPerMm;
  // A small figure keeps room for its plots: its labels shrink with it.
  page.fontHeight = std::min(kFontMm * kFigureUnitsPerMm, std::min(page.width, page.height) / 28);
  page.lineWidth = kLineMm * kFigureUnitsPerMm;
  const double m = kMargin * page.fontHeight;
  const LogicalRect all{m, m, page.width - m, page.height - m};
  if (!content.side) {
    addGroup(page, content.plots, all);
    return page;
  }
  const double split = all.left + (all.right - all.left) * 2 / 3;
  addGroup(page, content.plots, {all.left, all.top, split, all.bottom});
  addGroup(page, *content.side, {split + m, all.top, all.right, all.bottom});
  return page;
}

}  // namespace lumo
