#pragma once
// Printing from the main window as state: the print options frame (FramePrint) with its
// data-set boxes, and the print form (LumoPrint) with the page composed for it.
#include <array>
#include <string>

#include "files/DataSet.h"
#include "plot/PrintPage.h"

namespace lumo::ui {

struct PrintForms {
  // FramePrint, "Print Options": chkPrintSet(1..4), "Data Set &1" .. "Data Set &4".
  bool optionsVisible = false;
  std::array<bool, kMaxDataSets + 1> setVisible{};
  std::array<bool, kMaxDataSets + 1> setTicked{};
  // LumoPrint: shown by "P&review" and "&Print", hidden by its "&Cancel".
  bool formVisible = false;
  PrintPage page;
  int pageVersion = 0;  // counts the compositions, so that the form comes forward on each
};

// The print form's layout, in twips: a page of 10230 × 6990 with the pictures of data
// sets 1..4 in a 2 × 2 grid, each 4695 × 2775 (the size of a small plot).
inline constexpr double kPrintFormWidth = 10230;
inline constexpr double kPrintFormHeight = 6990;
LogicalRect printPictureBox(int dataSet);

// The page of the print form: the picture of every data set given (index 1..4, null for
// one not printed) in its place, the X axis title under the grid and the Y axis title
// beside it.
PrintPage composePrintForm(const std::array<const PlotSurface*, kMaxDataSets + 1>& pictures,
                           const std::string& yAxisTitle, const std::string& xAxisTitle);
// The page of the print form while the combined plot is shown: that picture over the
// whole grid, with the same axis titles.
PrintPage composeCombinedPrintForm(const PlotSurface& combined, const std::string& yAxisTitle,
                                   const std::string& xAxisTitle);

}  // namespace lumo::ui
