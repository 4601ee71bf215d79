// The session's data operations: background subtraction, scale factor, negative values,
// and saving data sets ("Save Data:"). The arithmetic is dataops' and files'; this file
// holds the dialogs' rules.
#include <algorithm>
#include <array>
#include <cmath>

#include "dataops/Background.h"
#include "dataops/NegativeValues.h"
#include "dataops/ScaleFactor.h"
#include "editor/TypedEntry.h"
#include "files/DataFileWriter.h"
#include "files/FileText.h"
#include "files/JoinText.h"
#include "files/NumberText.h"
#include "ui/MainSession.h"

namespace lumo::ui {
namespace {

using text::join;

bool blank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

// A factor as its box shows it: the shortest text that reads back as the same single,
// with a leading zero ("0.89").
std::string factorText(float factor) {
  const std::string t = text::shortestSingle(factor);
  if (t.rfind('.', 0) == 0) return join("0", t);
  if (t.rfind("-.", 0) == 0) return join("-0", t.substr(1));
  return t;
}

std::string quoted(const std::string& box) { return join("\"", box, "\""); }

}  // namespace

void MainSession::showError(const std::string& text) {
  dialogs_.showMessage({text, kMessageTitle, MessageIcon::Exclamation, MessageButtons::Ok});
}

void MainSession::hideDataDialogs() {
  dataPanels_.background.visible = false;
  dataPanels_.scale.visible = false;
  dataPanels_.negatives.visible = false;
  dataPanels_.save.visible = false;
  dataPanels_.yRange.visible = false;
  tools_[Tool::SSRRemoveNegatives].down = false;
}

// The model is unchanged, but the residual compares it with the data at once, and after
// points were removed every per-point value of the calculation is made again.
void MainSession::dataChanged() {
  recalculate();
  redrawSequence();
}

void MainSession::SSRBackGroundSub_Click(bool down) {
  if (!down) interaction_.hideBackgroundLines();
  if (dataLoaded()) redrawSequence();
}

void MainSession::cmdBackGroundSubOK_Click() {
  BackgroundDialog& dialog = dataPanels_.background;
  if (fitRunning() || blank(dialog.text)) return;
  double b = 0;
  if (!parseTypedNumber(dialog.text, b)) {
    showError(join(quoted("Background to Subtract"), " is not a number: ", dialog.text));
    return;
  }
  dialog.visible = false;
  if (!dataLoaded() || !dataSetReady(dialog.dataSet)) return;
  dataops::subtractBackground(store_[dialog.dataSet], b, tools_.down(Tool::SSRLogY));
  dataChanged();
}

void MainSession::cmdBackGroundSubCancel_Click() { dataPanels_.background.visible = false; }

void MainSession::SSRScaleFactor_Click() {
  ScaleFactorDialog& dialog = dataPanels_.scale;
  dialog.boxes = dataLoaded() ? store_.NumDataSets : 0;
  for (int k = 1; k <= dialog.boxes; ++k)
    dialog.text[static_cast<size_t>(k)] = factorText(store_[k].ScaleFactor);
  dialog.visible = true;
  tools_[Tool::SSRScaleFactor].down = false;
}

void MainSession::setScaleFactorText(int k, const std::string& text) {
  if (k >= 1 && k <= kMaxDataSets) dataPanels_.scale.text[static_cast<size_t>(k)] = text;
}

void MainSession::cmdScaleFactorOK_Click() {
  ScaleFactorDialog& dialog = dataPanels_.scale;
  if (fitRunning()) return;
  // Every box is checked before any data set changes; an empty box leaves its set alone.
  std::array<float, kMaxDataSets + 1> target{};
  for (int k = 1; k <= dialog.boxes; ++k) {
    const std::string& text = dialog.text[static_cast<size_t>(k)];
    const std::string box = quoted(join("Scale Factor, Data Set ", std::to_string(k)));
    double v = 0;
    if (blank(text)) {
      target[static_cast<size_t>(k)] = store_[k].ScaleFactor;
    } else if (!parseTypedNumber(text, v)) {
      showError(join(box, " is not a number: ", text));
      return;
    } else if (!(static_cast<float>(v) > 0) || !std::isfinite(static_cast<float>(v))) {
      showError(join(box, " must be a factor above zero: ", text));
      return;
    } else {
      target[static_cast<size_t>(k)] = static_cast<float>(v);
    }
  }
  dialog.visible = false;
  if (!dataLoaded()) return;
  for (int k = 1; k <= std::min(dialog.boxes, store_.NumDataSets); ++k)
    dataops::scaleTo(store_[k], target[static_cast<size_t>(k)], tools_.down(Tool::SSRLogY));
  dataChanged();
}

void MainSession::cmdScaleFactorCancel_Click() { dataPanels_.scale.visible = false; }

void MainSession::SSRRemoveNegatives_Click(bool down) {
  if (down) dataPanels_.negatives.visible = true;
}

void MainSession::cmdRemoveNegativesOK_Click() {
  NegativesDialog& dialog = dataPanels_.negatives;
  if (fitRunning()) return;
  double s = 0;
  const bool read = parseTypedNumber(dialog.text, s);
  if (!read && dialog.setToValue) {
    showError(join(quoted("Set To :"), " is not a number: ", dialog.text));
    return;
  }
  // Whichever option is chosen, a value that is not above zero is put back to 1e-7.
  if (read && !(static_cast<float>(s) > 0)) {
    dialog.text = "1e-7";
    return;
  }
  dialog.visible = false;
  tools_[Tool::SSRRemoveNegatives].down = false;
  if (!dataLoaded()) return;
  const bool logY = tools_.down(Tool::SSRLogY);
  for (int ds = 1; ds <= store_.NumDataSets; ++ds) {
    if (dialog.setToValue)
      dataops::setPlaceholdersTo(store_[ds], static_cast<float>(s), logY);
    else
      dataops::removePlaceholders(store_[ds], logY);
  }
  dataChanged();
}

void MainSession::cmdRemoveNegativesCancel_Click() {
  dataPanels_.negatives.visible = false;
  tools_[Tool::SSRRemoveNegatives].down = false;
}

void MainSession::SSRSaveData_Click() {
  dataPanels_.save.boxes = dataLoaded() ? store_.NumDataSets : 0;
  dataPanels_.save.visible = true;
  tools_[Tool::SSRSaveData].down = false;
}

void MainSession::chkLumoDataSave_Click(int i, bool checked) {
  if (i >= 1 && i <= kMaxDataSets) dataPanels_.save.checked[static_cast<size_t>(i)] = checked;
}

void MainSession::cmdOKLumoDataSave_Click() {
  if (fitRunning()) return;
  busy_ = true;
  SaveLumoData();
  dataPanels_.save.visible = false;
  busy_ = false;
}

void MainSession::cmdCancelLumoDataSave_Click() { dataPanels_.save.visible = false; }

void MainSession::SaveLumoData() {
  if (!dataLoaded()) return;
  for (int i = 1; i <= std::min(dataPanels_.save.boxes, store_.NumDataSets); ++i) {
    if (!dataPanels_.save.checked[static_cast<size_t>(i)]) continue;
    // Cancelling a dialog ends the saving; the files written stay written.
    if (!saveOneDataSet(i)) break;
  }
  // The titles may carry their background now.
  redrawSequence();
}

bool MainSession::saveOneDataSet(int i) {
  DataSet& set = store_[i];
  FileDialogRequest request;
  request.save = true;
  request.title = "Enter File To Save Data To";
  request.filter = "Data Files (*.VLB)|*.VLB|All Files (*.*)|*.*";
  request.fileName = savedDataFileName(set.DataFileName);
  request.defaultExtension = "VLB";
  const auto path = dialogs_.chooseFile(request);
  if (!path) return false;
  markBackgroundInTitle(set);
  const DataFileText file = savedDataFileText(set, storeHoldsLogX(), tools_.down(Tool::SSRLogY));
  if (file.written == 0) {
    showError(join("Error Saving File!\n\n", *path, "\nData Set ", std::to_string(i),
                   " holds no point with a reflectivity above zero."));
    return true;
  }
  if (const auto error = text::writeTextFileAtomically(*path, file.text)) {
    showError(join("Error Saving File!\n\n", *path, "\n", *error));
    return true;
  }
  if (file.leftOut > 0)
    dialogs_.showMessage({join(std::to_string(file.leftOut), file.leftOut == 1 ? " point" : " points",
                               " with R <= 0 left out of\n", *path),
                          kMessageTitle, MessageIcon::Information, MessageButtons::Ok});
  return true;
}

}  // namespace lumo::ui
