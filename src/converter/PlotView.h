#pragma once
// The converter's plot view without the window: the selected files shown one at a time
// (or several overlaid) as curves of reflectivity against Q, with the display switches,
// the captions and the labels of the corrections. Its tools (PlotTools) and its mouse
// handling (PlotPointer) act on the same plot store; nothing here changes a file.
#include <string>

#include "converter/ConvData.h"
#include "converter/FileSelection.h"
#include "converter/OpenData.h"
#include "converter/PlotDrawing.h"
#include "converter/PlotPointer.h"
#include "converter/PlotStore.h"
#include "converter/PlotTools.h"
#include "platform/Dialogs.h"
#include "plot/FigureWriter.h"
#include "plot/PagePrinter.h"
#include "plot/PlotSurface.h"
#include "ui/ExportPlotPanel.h"

namespace lumo::converter {

// The two-state buttons of the tool panel.
enum class PlotSwitch { SSRBackGroundSub, SSRLogX, SSRLogY, SSRErrorBars, SSRPoints, SSRLine };

// "Q / Å-1", "R e f l e c t i v i t y", "L o g   R e f l e c t i v i t y".
extern const char* const kPlotXCaption;
extern const char* const kLinearYCaption;
extern const char* const kLogYCaption;

class PlotView {
 public:
  // `data` is the converter's working data, which every file is read into.
  PlotView(Dialogs& dialogs, ConvData& data);
  PlotView(const PlotView&) = delete;
  PlotView& operator=(const PlotView&) = delete;

  // cmdPlot, after the selection step and the extension check: the first selected file.
  void open(const FileSelection& selection, const OpenOptions& options);
  void SSCNextPlot_Click();
  void SSCPreviousPlot_Click();

  void setSwitch(PlotSwitch which, bool down);
  bool switchDown(PlotSwitch which) const;

  // PlotIt: redraws the plot from the store, and the pointer's lines over it.
  void redraw();
  // PlotIt_CentreTitle: the title label shows ConvTitle ("Title ?" while it is empty and
  // the user has not set the titles).
  void PlotIt_CentreTitle();
  // Reads selected file `index` into the working data and shows them as one more curve,
  // or as the only curve (then with no points when the file is refused). False, after
  // saying why, when the file is refused. With "User Defined" input nothing is read and
  // the working data show under the name of the file they were read from.
  bool takeFile(int index, bool onlyCurve);
  // Saving the shown curves acts only with the input option "User Defined".
  bool saveEnabled() const;
  void SSCSavePlot_Click();

  // ---- Printing and figure export: the plot drawn afresh (title, tick labels, curves,
  // without the pointer's lines) with the axis captions beside and under it.
  PrintPage figurePage(const FigureSize& size) const;
  void setPrinter(PagePrinter* printer) { printer_ = printer; }
  void setFigureWriter(FigureWriter* writer) { figureWriter_ = writer; }
  bool printAvailable() const { return printer_ && store_.NumPlots() > 0; }
  bool exportAvailable() const { return figureWriter_ && store_.NumPlots() > 0; }
  // SSCPrint: the plot as one landscape page through the printer (Qt's print dialog in
  // the window: a printer or a PDF file); no picture file is made on the way.
  void SSCPrint_Click();
  // "Export Plot", as in the main window's File menu.
  const ui::ExportPlotPanel& exportPanel() const { return export_; }
  void SSCExportPlot_Click();
  void setExportPlotText(ui::ExportPlotBox box, const std::string& text) { export_.text(box) = text; }
  void cmdExportPlotOK_Click();
  void cmdExportPlotCancel_Click() { export_.visible = false; }

  PlotStore& store() { return store_; }
  const PlotStore& store() const { return store_; }
  PlotSurface& picPlot() { return picPlot_; }
  const PlotSurface& picPlot() const { return picPlot_; }
  const PlotAxes& axes() const { return axes_; }
  const FileSelection& selection() const { return selection_; }
  ConvData& data() { return data_; }
  Dialogs& dialogs() { return dialogs_; }
  PlotTools& tools() { return tools_; }
  const PlotTools& tools() const { return tools_; }
  PlotPointer& pointer() { return pointer_; }
  const PlotPointer& pointer() const { return pointer_; }

  // Labels and states the window mirrors.
  std::string lblTitle;
  std::string lblXAxis = kPlotXCaption;
  std::string lblYAxis = kLogYCaption;
  std::string lblScaleFactor, lblBgd;
  std::string txtPlotName;
  bool previousEnabled = false, nextEnabled = false;

  // The corrections since the file was loaded, and the view's settings.
  float TotalScale = 1, TotalBackground = 0;
  int LineWidth = 1;
  bool TitleSetByUser = false;
  int CurrentFile = 0;

 private:
  void showFile(int index);
  bool readFile(int index);
  PlotDisplay display() const;

  Dialogs& dialogs_;
  ConvData& data_;
  FileSelection selection_;
  OpenOptions options_;
  PlotStore store_;
  PlotSurface picPlot_;
  PlotAxes axes_;
  bool points_ = true, line_ = false, errorBars_ = true, backgroundSub_ = false;
  PlotTools tools_;
  PlotPointer pointer_;
  PagePrinter* printer_ = nullptr;
  FigureWriter* figureWriter_ = nullptr;
  ui::ExportPlotPanel export_;
};

}  // namespace lumo::converter
