#include "converter/PlotTools.h"

#include <algorithm>
#include <cmath>

#include "converter/ConversionRun.h"
#include "converter/PlotView.h"
#include "files/NumberText.h"

namespace lumo::converter {
namespace {

// Wider lines would hide the curves they draw.
constexpr int kWidestLine = 20;
constexpr int kHeadingRows = 2;

// The length of the UTF-8 sequence that starts at s[i], within the text.
size_t sequenceLength(const std::string& s, size_t i) {
  const auto c = static_cast<unsigned char>(s[i]);
  const size_t n = c < 0xC0 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
  return std::min(n, s.size() - i);
}

// A number as plain text with its leading zero: "2", "0.5", "-0.25".
std::string plainNumber(float value) {
  std::string text = text::shortestSingle(value);
  const size_t point = text.find('.');
  if (point == 0 || (point == 1 && text[0] == '-')) text.insert(point, 1, '0');
  return text;
}

}  // namespace

std::string everySecondCharacter(const std::string& text) {
  std::string out;
  bool keep = true;
  for (size_t i = 0; i < text.size(); keep = !keep) {
    const size_t n = sequenceLength(text, i);
    if (keep) out.append(text, i, n);
    i += n;
  }
  return out;
}

std::string spacedCharacters(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size();) {
    const size_t n = sequenceLength(text, i);
    out.append(text, i, n).push_back(' ');
    i += n;
  }
  return out;
}

bool PlotTools::panelEnabled() const {
  return open_ != PlotDialog::AddPlot && open_ != PlotDialog::MinusPlot &&
         open_ != PlotDialog::ChangeColour;
}

void PlotTools::close() {
  open_ = PlotDialog::None;
  view_.redraw();
}

void PlotTools::SSCAddPlot_Click() {
  const FileSelection& s = view_.selection();
  addList_.assign(s.FileName.begin() + 1, s.FileName.begin() + 1 + s.NumFiles);
  open_ = PlotDialog::AddPlot;
}

void PlotTools::cmdAddPlot_Click(int row) {
  if (open_ != PlotDialog::AddPlot || row < 0 || row >= static_cast<int>(addList_.size())) return;
  if (view_.store().NumPlots() >= kMaxPlots) {
    open_ = PlotDialog::None;
    return;
  }
  if (view_.takeFile(row + 1, false)) view_.redraw();
}

void PlotTools::cmdAddPlotReturn_Click() { close(); }

std::vector<std::string> PlotTools::curveList() const {
  std::vector<std::string> rows{"               Current Plots", ""};
  for (int k = 1; k <= view_.store().NumPlots(); ++k)
    rows.push_back(std::to_string(k) + "     " + view_.store().curve(k).PlotName);
  return rows;
}

int PlotTools::curveOfRow(int row) const {
  const int curve = row - kHeadingRows + 1;
  return curve >= 1 && curve <= view_.store().NumPlots() ? curve : 0;
}

void PlotTools::SSCMinusPlot_Click() {
  if (view_.store().NumPlots() > 1) open_ = PlotDialog::MinusPlot;
}

void PlotTools::cmdMinusPlotDelete_Click(int row) {
  const int curve = curveOfRow(row);
  if (open_ != PlotDialog::MinusPlot || curve == 0) return;
  view_.store().remove(curve);
  if (view_.store().NumPlots() > 1)
    view_.redraw();
  else
    close();
}

void PlotTools::cmdMinusPlotReturn_Click() { close(); }

void PlotTools::SSCColour_Click() {
  selectedCurve_ = 0;
  paletteButton_ = -1;
  open_ = PlotDialog::ChangeColour;
}

void PlotTools::lstChangeColour_Click(int row) {
  selectedCurve_ = curveOfRow(row);
  paletteButton_ = selectedCurve_ ? view_.store().curve(selectedCurve_).PlotColour : -1;
}

void PlotTools::SSRibbon1_Click(int colour) {
  if (open_ != PlotDialog::ChangeColour || selectedCurve_ == 0 || colour < 0 ||
      colour >= kCurveColours)
    return;
  view_.store().curve(selectedCurve_).PlotColour = colour;
  paletteButton_ = colour;
  view_.redraw();
}

void PlotTools::cmdChangeColourReturn_Click() { close(); }

void PlotTools::SSCLineWidth_Click() {
  txtLineWidth = std::to_string(view_.LineWidth);
  open_ = PlotDialog::LineWidth;
}

void PlotTools::cmdLineWidthOK_Click() {
  const auto width = parseSLDText(txtLineWidth);
  if (!width || !(*width > 0)) return;
  view_.LineWidth = static_cast<int>(std::clamp(std::lround(*width), 1L, long{kWidestLine}));
  close();
}

void PlotTools::SSCommand3_Click() {
  txtNewTitle = view_.data().ConvTitle;
  txtNewXAxis = view_.lblXAxis;
  txtNewYAxis = everySecondCharacter(view_.lblYAxis);
  open_ = PlotDialog::Titles;
}

void PlotTools::cmdTitleChangeOK_Click() {
  view_.data().ConvTitle = txtNewTitle;
  view_.lblXAxis = txtNewXAxis;
  view_.lblYAxis = spacedCharacters(txtNewYAxis);
  view_.TitleSetByUser = true;
  view_.PlotIt_CentreTitle();
  close();
}

void PlotTools::SSCScaleFactor_Click() { open_ = PlotDialog::ScaleFactor; }

void PlotTools::cmdScaleFactorOK_Click() {
  const auto factor = parseSLDText(txtScaleFactor);
  if (factor && *factor > 0) {
    view_.store().scale(*factor);
    view_.lblScaleFactor = "sf:    " + plainNumber(*factor * view_.TotalScale);
    view_.TotalScale *= *factor;
  }
  close();
}

void PlotTools::openBackgroundFrame(double level) {
  txtBackGroundToSubtract = text::formatSci2(level);
  open_ = PlotDialog::BackgroundSub;
}

void PlotTools::cmdBackGroundSubOK_Click() {
  if (txtBackGroundToSubtract.find_first_not_of(" \t") == std::string::npos) return;
  const auto background = parseSLDText(txtBackGroundToSubtract);
  if (!background) {
    view_.dialogs().showMessage(
        {"The background \"" + txtBackGroundToSubtract + "\" is not a number.", "Data Manager",
         MessageIcon::Exclamation, MessageButtons::Ok});
    return;
  }
  view_.store().subtractBackground(*background);
  view_.pointer().hideBackgroundLine();
  view_.lblBgd = "Bgd:   " + text::formatSci2(*background + view_.TotalBackground);
  view_.TotalBackground += *background;
  close();
}

void PlotTools::cmdCancel_Click() {
  const bool background = open_ == PlotDialog::BackgroundSub;
  open_ = PlotDialog::None;
  if (background)
    view_.setSwitch(PlotSwitch::SSRBackGroundSub, false);
  else
    view_.redraw();
}

void PlotTools::SSCommand1_Click() {
  view_.store().keepPositivePoints();
  view_.redraw();
}

}  // namespace lumo::converter
