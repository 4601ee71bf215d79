// The session's printing: the print options, the print form composed from the plots of
// the ticked data sets, its preview and printing through the printer seam.
#include "plot/CombinedPlot.h"
#include "ui/MainSession.h"

namespace lumo::ui {

void MainSession::SSCPrint_Click() {
  // The combined plot is printed as it is shown, whole: there are no sets to choose.
  const bool combined = combinedPlotOn(0) && picPlot_[0].visible();
  for (int i = 1; i <= kMaxDataSets; ++i) {
    const bool shown = i <= store_.NumDataSets && !combined;
    print_.setVisible[static_cast<size_t>(i)] = shown;
    print_.setTicked[static_cast<size_t>(i)] = shown;
  }
  print_.optionsVisible = true;
}

void MainSession::chkPrintSet_Click(int slot, bool ticked) {
  if (slot >= 1 && slot <= kMaxDataSets) print_.setTicked[static_cast<size_t>(slot)] = ticked;
}

PlotSurface MainSession::figurePicture(int p) {
  // Drawing sets the mapping and tick counts that the mouse and the curve refresh of the
  // screen's plots use: they are put back afterwards.
  const auto mappings = mapping_;
  const int xTicks = xTicksPerUnit_, yTicks = yTicksPerUnit_;
  const int d = p == 0 ? currentPlot_ : p;
  PlotSurface picture;
  picture.setPersistentDrawing(true);
  plotDataOn(picture, p, false);
  // The curves stay in the overlay, which is cut at the axes as on the screen.
  picture.setPersistentDrawing(false);
  const PlotMapping& m = mapping_[static_cast<size_t>(d)];
  if (fittingOn() && combinedPlotOn(p))
    drawCombinedCurves(picture, store_, store_.NumDataSets, m, curveSource());
  else if (fittingOn())
    drawCurve(picture, store_[d], m, curveSource());
  mapping_ = mappings;
  xTicksPerUnit_ = xTicks;
  yTicksPerUnit_ = yTicks;
  return picture;
}

void MainSession::composePrintForm() {
  // The Y title follows "Log Y" as the main window's does.
  const std::string yTitle = tools_.down(Tool::SSRLogY) ? kLogYAxisCaption : kLinearYAxisCaption;
  if (combinedPlotOn(0) && picPlot_[0].visible()) {
    print_.page = composeCombinedPrintForm(figurePicture(0), yTitle, kXAxisCaption);
    print_.formVisible = true;
    ++print_.pageVersion;
    return;
  }
  // Each picture is drawn afresh into a surface of its own: the plots on the screen,
  // and any file of the user's, stay as they are.
  std::array<PlotSurface, kMaxDataSets + 1> pictures;
  std::array<const PlotSurface*, kMaxDataSets + 1> printed{};
  for (int i = 1; i <= store_.NumDataSets; ++i) {
    const auto k = static_cast<size_t>(i);
    if (!print_.setVisible[k] || !print_.setTicked[k]) continue;
    pictures[k] = printPicture(i);
    printed[k] = &pictures[k];
  }
  print_.page = ui::composePrintForm(printed, yTitle, kXAxisCaption);
  print_.formVisible = true;
  ++print_.pageVersion;
}

void MainSession::printPage() {
  if (!printer_) {
    dialogs_.showMessage({"No printer is available.", kMessageTitle, MessageIcon::Exclamation,
                          MessageButtons::Ok});
    return;
  }
  const PrintResult result = printer_->print(print_.page, "Lumo plots");
  if (result.outcome == PrintOutcome::Failed)
    dialogs_.showMessage({"The plots were not printed.\n" + result.error, kMessageTitle,
                          MessageIcon::Exclamation, MessageButtons::Ok});
}

void MainSession::cmdPrintPreview_Click() {
  if (fitRunning()) return;
  composePrintForm();
}

void MainSession::cmdPrintPrint_Click() {
  if (fitRunning()) return;
  composePrintForm();
  printPage();
}

void MainSession::cmdLumoPrintPrint_Click() {
  if (print_.formVisible) printPage();
}

}  // namespace lumo::ui
