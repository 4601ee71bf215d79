#include "converter/PlotView.h"

#include <filesystem>

#include "converter/CurveSaving.h"
#include "plot/FigurePage.h"
#include "ui/FigureExportFlow.h"

namespace lumo::converter {

const char* const kPlotXCaption = "Q / \u00C5-1";
const char* const kLinearYCaption = "R e f l e c t i v i t y";
const char* const kLogYCaption = "L o g   R e f l e c t i v i t y";

PlotView::PlotView(Dialogs& dialogs, ConvData& data)
    : dialogs_(dialogs), data_(data), tools_(*this), pointer_(*this) {
  // Reflectivity falls by decades: the view starts on a log Y axis.
  store_.logY = true;
  picPlot_.setVisible(true);
}

void PlotView::open(const FileSelection& selection, const OpenOptions& options) {
  selection_ = selection;
  options_ = options;
  showFile(1);
  previousEnabled = false;
  nextEnabled = selection_.NumFiles > 1;
}

void PlotView::SSCNextPlot_Click() {
  if (CurrentFile >= selection_.NumFiles) return;
  showFile(CurrentFile + 1);
  nextEnabled = CurrentFile < selection_.NumFiles;
  previousEnabled = true;
}

void PlotView::SSCPreviousPlot_Click() {
  if (CurrentFile <= 1) return;
  showFile(CurrentFile - 1);
  previousEnabled = CurrentFile > 1;
  nextEnabled = true;
}

bool PlotView::readFile(int index) {
  const std::string& path = selection_.FullName[static_cast<size_t>(index)];
  const auto refusal = OpenData(path, options_, data_);
  if (!refusal) return true;
  dialogs_.showMessage({"Error Opening File!\n\n" + path + "\n" + *refusal, "Data Manager",
                        MessageIcon::Exclamation, MessageButtons::Ok});
  return false;
}

bool PlotView::takeFile(int index, bool onlyCurve) {
  const bool read = readFile(index);
  if (!read && !onlyCurve) return false;
  const auto at = static_cast<size_t>(index);
  std::string fullName = selection_.FullName[at], name = selection_.FileName[at];
  if (read && options_.format == InputFormat::UserDefinedData && !data_.sourcePath.empty()) {
    fullName = data_.sourcePath;
    name = std::filesystem::path(fullName).filename().string();
  }
  if (onlyCurve)
    store_.startWith(read ? data_ : ConvData{}, fullName, name);
  else
    store_.add(data_, fullName, name);
  return read;
}

// The plot starts over with the one file: its curve (none when the file is refused), the
// captions and the corrections as at the start.
void PlotView::showFile(int index) {
  CurrentFile = index;
  tools_.closeAll();
  pointer_.reset();
  LineWidth = 1;
  lblXAxis = kPlotXCaption;
  TitleSetByUser = false;
  lblBgd = "Bgd:  0";
  lblScaleFactor = "sf:     1";
  TotalBackground = 0;
  TotalScale = 1;
  backgroundSub_ = false;
  takeFile(index, true);
  txtPlotName = store_.curve(1).PlotName;
  PlotIt_CentreTitle();
  redraw();
}

void PlotView::PlotIt_CentreTitle() {
  if (data_.ConvTitle.empty() && !TitleSetByUser) data_.ConvTitle = "Title ?";
  lblTitle = data_.ConvTitle;
}

PlotDisplay PlotView::display() const { return {points_, line_, errorBars_, LineWidth, lblTitle}; }

void PlotView::redraw() {
  axes_ = PlotIt(picPlot_, store_, display());
  pointer_.drawLines(picPlot_);
}

void PlotView::setSwitch(PlotSwitch which, bool down) {
  switch (which) {
    case PlotSwitch::SSRBackGroundSub:
      backgroundSub_ = down;
      pointer_.setBackgroundPick(down);
      break;
    case PlotSwitch::SSRLogX:
      store_.logX = down;
      break;
    case PlotSwitch::SSRLogY:
      store_.logY = down;
      lblYAxis = down ? kLogYCaption : kLinearYCaption;
      break;
    case PlotSwitch::SSRErrorBars:
      errorBars_ = down;
      break;
    case PlotSwitch::SSRPoints:
      points_ = down;
      break;
    case PlotSwitch::SSRLine:
      line_ = down;
      break;
  }
  redraw();
}

bool PlotView::switchDown(PlotSwitch which) const {
  switch (which) {
    case PlotSwitch::SSRBackGroundSub:
      return backgroundSub_;
    case PlotSwitch::SSRLogX:
      return store_.logX;
    case PlotSwitch::SSRLogY:
      return store_.logY;
    case PlotSwitch::SSRErrorBars:
      return errorBars_;
    case PlotSwitch::SSRPoints:
      return points_;
    case PlotSwitch::SSRLine:
      return line_;
  }
  return false;
}

bool PlotView::saveEnabled() const { return options_.format == InputFormat::UserDefinedData; }

void PlotView::SSCSavePlot_Click() {
  if (saveEnabled()) saveShownCurves(store_, dialogs_);
}

namespace {

// The printed page: an A4 sheet in landscape, less its margins.
constexpr FigureSize kPrintedPlot{270, 180, 300};

}  // namespace

PrintPage PlotView::figurePage(const FigureSize& size) const {
  PlotSurface picture;
  PlotIt(picture, store_, display());
  FigureContent content;
  content.plots = {{&picture}, lblYAxis, lblXAxis};
  return composeFigure(content, size);
}

void PlotView::SSCPrint_Click() {
  if (!printAvailable()) return;
  const PrintResult result = printer_->print(figurePage(kPrintedPlot), "Lumo plot");
  if (result.outcome == PrintOutcome::Failed)
    dialogs_.showMessage({"The plot was not printed.\n" + result.error, "Print", MessageIcon::Exclamation,
                          MessageButtons::Ok});
}

void PlotView::SSCExportPlot_Click() {
  if (exportAvailable()) export_.visible = true;
}

void PlotView::cmdExportPlotOK_Click() {
  if (!exportAvailable()) return;
  const std::vector<std::string> inputs = selection_.fullNames();
  // The shown file's name with the figure's extension, in its folder.
  const bool shown = CurrentFile >= 1 && CurrentFile < static_cast<int>(selection_.FullName.size());
  std::filesystem::path proposed(shown ? selection_.FullName[static_cast<size_t>(CurrentFile)] : "plot");
  const ui::FigureExportRequest request{proposed.replace_extension(".svg").string(), inputs,
                                        [this](const FigureSize& size) { return figurePage(size); },
                                        "Export Plot"};
  if (ui::exportFigure(export_, dialogs_, *figureWriter_, request)) export_.visible = false;
}

}  // namespace lumo::converter
