#include "ui/PrintForms.h"

namespace lumo::ui {
namespace {

constexpr double kPictureWidth = 4695, kPictureHeight = 2775;
constexpr double kPictureLeft[] = {0, 360, 5040, 360, 5040};
constexpr double kPictureTop[] = {0, 600, 600, 3360, 3360};

}  // namespace

LogicalRect printPictureBox(int dataSet) {
  const auto i = static_cast<size_t>(dataSet);
  return {kPictureLeft[i], kPictureTop[i], kPictureLeft[i] + kPictureWidth, kPictureTop[i] + kPictureHeight};
}

namespace {

// The box of the whole 2 x 2 grid.
LogicalRect gridBox() {
  return {printPictureBox(1).left, printPictureBox(1).top, printPictureBox(4).right, printPictureBox(4).bottom};
}

PrintPage emptyForm() {
  PrintPage page;
  page.width = kPrintFormWidth;
  page.height = kPrintFormHeight;
  page.fontHeight = 140;  // 7 pt
  page.lineWidth = 8;     // 0.4 pt
  return page;
}

void addAxisTitles(PrintPage& page, const std::string& yAxisTitle, const std::string& xAxisTitle) {
  const LogicalRect all = gridBox();
  page.addText({{(all.left + all.right) / 2, all.bottom + 120}, xAxisTitle, HAlign::Centre, VAlign::Top});
  page.addText({{all.left / 2, (all.top + all.bottom) / 2}, yAxisTitle, HAlign::Centre, VAlign::Centre, true});
}

}  // namespace

PrintPage composePrintForm(const std::array<const PlotSurface*, kMaxDataSets + 1>& pictures,
                           const std::string& yAxisTitle, const std::string& xAxisTitle) {
  PrintPage page = emptyForm();
  for (int i = 1; i <= kMaxDataSets; ++i)
    if (const PlotSurface* picture = pictures[static_cast<size_t>(i)]) page.addPlot(*picture, printPictureBox(i));
  addAxisTitles(page, yAxisTitle, xAxisTitle);
  return page;
}

PrintPage composeCombinedPrintForm(const PlotSurface& combined, const std::string& yAxisTitle,
                                   const std::string& xAxisTitle) {
  PrintPage page = emptyForm();
  page.addPlot(combined, gridBox());
  addAxisTitles(page, yAxisTitle, xAxisTitle);
  return page;
}

}  // namespace lumo::ui
