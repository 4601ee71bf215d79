#pragma once
// The tools of the converter's plot view and their dialog frames: adding and removing
// curves, colours, line width, titles and captions, scale factor, background and the
// point filter. Each acts on the plot store and redraws; none changes a file.
//
// The frames' text boxes are mirrored here (the window writes what is typed); the OK
// buttons read them.
#include <string>
#include <vector>

namespace lumo::converter {

class PlotView;

enum class PlotDialog {
  None,
  AddPlot,
  MinusPlot,
  ChangeColour,
  BackgroundSub,
  ScaleFactor,
  Titles,
  LineWidth
};

// Every second character of `text` (the 1st, 3rd, ...), and every character followed by
// a space: the Y caption's letters without and with their spacing. Characters are
// whole UTF-8 sequences.
std::string everySecondCharacter(const std::string& text);
std::string spacedCharacters(const std::string& text);

class PlotTools {
 public:
  explicit PlotTools(PlotView& view) : view_(view) {}

  PlotDialog openDialog() const { return open_; }
  // The tool panel and "&Return" are disabled while the add, remove or colour frame is open.
  bool panelEnabled() const;
  // Closes any frame without acting (the view is left or another file shown).
  void closeAll() { open_ = PlotDialog::None; }

  // Adding a curve: the list of the selected files; a row is 0-based, -1 for none.
  void SSCAddPlot_Click();
  const std::vector<std::string>& lstAddPlot() const { return addList_; }
  void cmdAddPlot_Click(int row);
  void cmdAddPlotReturn_Click();

  // Removing a curve and colours: the list of curves, with its two heading rows.
  std::vector<std::string> curveList() const;
  void SSCMinusPlot_Click();
  void cmdMinusPlotDelete_Click(int row);
  void cmdMinusPlotReturn_Click();
  void SSCColour_Click();
  void lstChangeColour_Click(int row);
  void SSRibbon1_Click(int colour);
  // The palette button shown pressed: the colour of the selected curve, -1 for none.
  int pressedPaletteButton() const { return paletteButton_; }
  void cmdChangeColourReturn_Click();

  void SSCLineWidth_Click();
  void cmdLineWidthOK_Click();
  void SSCommand3_Click();
  void cmdTitleChangeOK_Click();
  void SSCScaleFactor_Click();
  void cmdScaleFactorOK_Click();
  // The background frame, opened by a pick on the plot with the level picked.
  void openBackgroundFrame(double level);
  void cmdBackGroundSubOK_Click();
  // "&Cancel" of the background, scale, titles and line-width frames.
  void cmdCancel_Click();
  // The point filter.
  void SSCommand1_Click();

  std::string txtLineWidth, txtNewTitle, txtNewXAxis, txtNewYAxis, txtScaleFactor,
      txtBackGroundToSubtract;

 private:
  void close();
  int curveOfRow(int row) const;

  PlotView& view_;
  PlotDialog open_ = PlotDialog::None;
  std::vector<std::string> addList_;
  int selectedCurve_ = 0;
  int paletteButton_ = -1;
};

}  // namespace lumo::converter
