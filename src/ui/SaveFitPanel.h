#pragma once
// The Save Fit panel ("Create Fits For:") as state: which data sets get a model file,
// on which points, with or without the data, and the Q grid boxes.
#include <array>
#include <string>

#include "files/DataSet.h"
#include "platform/Dialogs.h"

namespace lumo::ui {

// The text boxes of the panel.
enum class SaveFitBox { QStart, QFinish, QNumPts };

struct SaveFitPanel {
  bool visible = false;
  // chkDataSet(1..4), "Data Set 1" .. "Data Set 4".
  std::array<bool, kMaxDataSets + 1> dataSetVisible{};
  std::array<bool, kMaxDataSets + 1> dataSetChecked{};
  // chkKeepOriginalPoints ("Use Original Points") and chkSaveDataAsWell ("Save Data As Well").
  bool keepOriginalPoints = true;
  bool keepOriginalPointsEnabled = true;
  bool saveDataAsWell = false;
  bool saveDataAsWellEnabled = false;
  // txtQStart, txtQFinish, txtQNumPts with their design texts.
  std::string txtQStart = "0";
  std::string txtQFinish = "0.5";
  std::string txtQNumPts = "101";

  std::string& text(SaveFitBox box);
  const std::string& text(SaveFitBox box) const { return const_cast<SaveFitPanel&>(*this).text(box); }
  bool anyChecked() const;
};

// The dialogs of the model-file commands.
FileDialogRequest openFitRequest();
// The save dialog of data set `slot`, proposing its data file's name with "FIT" for
// its extension.
FileDialogRequest saveFitRequest(int slot, const std::string& dataFileName);

}  // namespace lumo::ui
