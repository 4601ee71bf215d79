#pragma once
// The dialog frames of the data operations as state: background subtraction, scale
// factor, negative values, the "Save Data:" panel and the Y-range dialog. The window
// shows them; the session's handlers change them.
#include <array>
#include <string>

#include "files/DataSet.h"

namespace lumo::ui {

// FrameSubtractBackground: lblBgdDataSet ("Data Set 2", its tag the number) and
// txtBackGroundToSubtract.
struct BackgroundDialog {
  bool visible = false;
  int dataSet = 0;
  std::string text;
};

// Frame(12): txtScaleFactor(1..4), those of the loaded sets shown.
struct ScaleFactorDialog {
  bool visible = false;
  int boxes = 0;  // boxes 1..boxes are shown
  std::array<std::string, kMaxDataSets + 1> text{"", "1", "1", "1", "1"};
};

// FrameRemoveNegatives: optRemoveNegatives / optSetNegativesToValue and
// txtSetNegativesToValue (enabled with "Set To :").
struct NegativesDialog {
  bool visible = false;
  bool setToValue = false;
  std::string text = "1e-7";
};

// "Save Data:": chkLumoDataSave(1..4), those of the loaded sets shown; the check marks
// keep their state between uses (all ticked at first).
struct SaveDataPanel {
  bool visible = false;
  int boxes = 0;
  std::array<bool, kMaxDataSets + 1> checked{false, true, true, true, true};
};

// Frame(8): "Set Y Scale For Data Set d", "Y Min"/"Y Max" (or "Log Y Min"/"Log Y Max"),
// txtYMinFix and txtYMaxFix.
struct YRangeDialog {
  bool visible = false;
  int dataSet = 0;
  bool logY = false;
  std::string minText, maxText;
};

struct DataOpsPanels {
  BackgroundDialog background;
  ScaleFactorDialog scale;
  NegativesDialog negatives;
  SaveDataPanel save;
  YRangeDialog yRange;
};

}  // namespace lumo::ui
