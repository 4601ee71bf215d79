// The session's data-file commands: opening up to four files, reloading, closing, and
// adding one file (load pictures, history entries).
#include <variant>

#include "editor/TypedEntry.h"
#include "files/DataLoading.h"
#include "files/DisplayScale.h"
#include "files/NumberText.h"
#include "files/PrintableText.h"
#include "model/CalcGrid.h"
#include "ui/MainSession.h"

namespace lumo::ui {
namespace {

constexpr const char* kOpenFilter =
    "Lumo Files (*.VLD)|*.VLD|Lumo(with bgd sub)(*.VLB)|*.VLB|ORSO Files (*.ort)|*.ort;*.ORT|"
    "All Files (*.*)|*.*";
constexpr const char* kAddFilter =
    "Open Lumo Files (*.VLD)|*.VLD|Open Drydoc Files (*.DAT)|*.DAT|Calculated Files "
    "(*.CAL)|*.CAL|Open ORSO Files (*.ort)|*.ort;*.ORT|All Files (*.*)|*.*";

FileDialogRequest openRequest(int slot, const char* filter) {
  FileDialogRequest r;
  r.title = "Select Data Set " + std::to_string(slot);
  r.filter = filter;
  return r;
}

// The paths of "Open Data Files": one dialog for each slot in turn.
std::function<std::optional<std::string>(int)> askForEach(Dialogs& dialogs) {
  return [&dialogs](int slot) { return dialogs.chooseFile(openRequest(slot, kOpenFilter)); };
}

// The commands that need loaded data, enabled on loading and disabled on closing.
constexpr Tool kDataTools[] = {Tool::SSRCloseData,    Tool::SSRIncreasePoints, Tool::SSRResidual,
                               Tool::SSRBackGroundSub, Tool::SSRScaleFactor,   Tool::SSRRemoveNegatives,
                               Tool::SSCReload,        Tool::SSRSaveData,       Tool::SSCRefine};
constexpr Menu kDataMenus[] = {Menu::mnuCloseFiles, Menu::mnuPointsInCalculation,
                               Menu::mnuResidual, Menu::mnuData, Menu::mnuRefine};

void tellSkipped(Dialogs& dialogs, const std::string& path, const SlotsFilled& slots) {
  if (slots.skipped > 0)
    dialogs.showMessage({skippedSetsMessage(path, slots), kMessageTitle, MessageIcon::Information,
                         MessageButtons::Ok});
}

}  // namespace

void MainSession::showFileError(const DataFileError& error) {
  dialogs_.showMessage({error.message(), kMessageTitle, MessageIcon::Exclamation, MessageButtons::Ok});
}

std::string MainSession::lblYAxis() const {
  return tools_.down(Tool::SSRLogY) ? kLogYAxisCaption : kLinearYAxisCaption;
}

void MainSession::enableDataCommands(bool loaded) {
  tools_[Tool::SSROpenData].enabled = !loaded;
  menus_.setEnabled(Menu::mnuOpenFiles, !loaded);
  for (Tool t : kDataTools) tools_[t].enabled = loaded;
  for (Menu m : kDataMenus) menus_.setEnabled(m, loaded);
  for (int i = 1; i <= kMaxDataSets; ++i) loadPictureVisible_[static_cast<size_t>(i)] = loaded;
  // The refinement panel refines against data; it closes with them.
  if (!loaded) refine_.visible = false;
  updateFittingMenus();
}

void MainSession::hideAllPlots() {
  for (PlotSurface& s : picPlot_) s.setVisible(false);
}

void MainSession::showSmallPlots() {
  for (int k = 1; k <= store_.NumDataSets; ++k) picPlot_[static_cast<size_t>(k)].setVisible(true);
}

// The contrast of a slot takes the solvent SLD its file was measured with; a value its
// "SLD Run" bar cannot hold takes the nearest end of the bar, and the user is told. A file
// without one (ORSO) leaves the contrast's "SLD Run" as it is, and the slot records that SLD.
void MainSession::setSolventFromFile(int slot) {
  const ScrollId run{ScrollFamily::SLDRun, slot};
  DataSet& set = store_[slot];
  if (!set.SolventFromFile) {
    set.FileSolventSLD = editor_.value(run) / 100.0;
    return;
  }
  const double wanted = double(set.FileSolventSLD) * 100;
  const ScrollBar& bar = editor_.bar(run);
  setScrollValue(run, bar.clamp(roundHalfEven(wanted)));
  if (wanted >= bar.Min - 0.5 && wanted <= bar.Max + 0.5) return;
  dialogs_.showMessage({"The solvent SLD " + text::shortestDouble(set.FileSolventSLD) + " of\n" +
                            text::printable(set.DataFileName) + "\nlies outside the range of SLD Run " +
                            std::to_string(slot) + "; " + editor_.control(run).text + " is used.",
                        kMessageTitle, MessageIcon::Exclamation, MessageButtons::Ok});
}

void MainSession::LoadData() { loadDataFrom(askForEach(dialogs_)); }

void MainSession::loadDataFrom(const NextPath& nextPath) {
  store_.NumDataSets = 0;
  // One file a slot; a file of several data sets (ORSO) fills several slots.
  while (store_.NumDataSets < kMaxDataSets) {
    const int i = store_.NumDataSets + 1;
    const auto path = nextPath(i);
    if (!path) break;
    const auto loaded = loadSlots(store_, i, *path, PointCount::UntilEnd);
    if (const auto* error = std::get_if<DataFileError>(&loaded)) {
      showFileError(*error);
      break;
    }
    store_.NumDataSets += std::get<SlotsFilled>(loaded).filled;
    UpdateMenu(i);
    tellSkipped(dialogs_, *path, std::get<SlotsFilled>(loaded));
  }
  // Every slot read is converted, also after a file that could not be read, so that the
  // store never mixes linear and logarithmic slots.
  for (int i = 1; i <= store_.NumDataSets; ++i)
    convertForDisplay(store_[i], tools_.down(Tool::SSRLogX), tools_.down(Tool::SSRLogY));
}

bool MainSession::ReLoadData() {
  if (auto error = reloadAll(store_, storeHoldsLogX(), tools_.down(Tool::SSRLogY))) {
    showFileError(*error);
    return false;
  }
  return true;
}

// Steps shared by opening and reloading, after the files were read.
void MainSession::finishOpening() {
  hideDataDialogs();
  const bool saved = calcPaused_;
  calcPaused_ = true;
  hideAllPlots();
  for (int i = 1; i <= store_.NumDataSets; ++i) {
    setSolventFromFile(i);
    store_[i].DataFirst = 1;
    store_[i].DataLast = store_[i].NumPoints;
  }
  store_.FirstCalcSet = 1;
  store_.LastCalcSet = store_.NumDataSets;
  for (int i = 1; i <= kMaxDataSets; ++i) {
    store_[i].ScaleFactor = 1.0f;
    store_[i].Background = 0.0f;
  }
  yFixVisible_.fill(true);
  if (store_.NumDataSets > 0) enableDataCommands(true);
  for (int i = 1; i <= store_.NumDataSets; ++i) {
    PlotSurface& s = picPlot_[static_cast<size_t>(i)];
    s.setPersistentDrawing(true);
    PlotIt_Data(i);
    s.setPersistentDrawing(false);
  }
  showSmallPlots();
  calcPaused_ = saved;
  // While "Calculate Fit" is on the curves follow the new data at once.
  fullRecalculation();
}

void MainSession::openDataAction() { openFrom(askForEach(dialogs_)); }

void MainSession::openFrom(const NextPath& nextPath) {
  busy_ = true;
  setMarker("0");
  loadDataFrom(nextPath);
  finishOpening();
  busy_ = false;
  tools_[Tool::SSROpenData].down = false;
}

void MainSession::openDataFiles(const std::vector<std::string>& paths) {
  if (fitRunning() || paths.empty()) return;
  if (paths.size() > kMaxDataSets) {
    std::string text = "Only four data files can be opened at once; these were not opened:";
    for (size_t i = kMaxDataSets; i < paths.size(); ++i) text += "\n" + paths[i];
    dialogs_.showMessage({text, kMessageTitle, MessageIcon::Exclamation, MessageButtons::Ok});
  }
  // The files in turn, whatever slot comes next: a file of several data sets (ORSO)
  // fills several slots.
  size_t next = 0;
  openFrom([&paths, &next](int) -> std::optional<std::string> {
    if (next >= paths.size()) return std::nullopt;
    return paths[next++];
  });
}

void MainSession::reloadDataAction() {
  if (!dataLoaded()) return;
  busy_ = true;
  // A file that cannot be read changes nothing: every slot keeps its data, range,
  // scale factor and background.
  if (ReLoadData()) {
    setMarker("0");
    finishOpening();
  }
  busy_ = false;
}

void MainSession::closeDataAction() {
  // The combined plot goes with the data: the next data start on the small plots, with
  // the commands it had disabled enabled again.
  if (tools_.down(Tool::SSRMultiPlot)) {
    tools_[Tool::SSRMultiPlot].down = false;
    SSRMultiPlot_Click(false);
  }
  currentPlot_ = 1;
  enableDataCommands(false);
  hideDataDialogs();
  menus_.setChecked(Menu::mnuOff, true);
  menus_.setChecked(Menu::mnuOn, false);
  hideAllPlots();
  pointsPanelVisible_ = false;
  // The slots stay in memory but no longer count as data sets.
  store_.NumDataSets = 0;
  store_.LastCalcSet = 0;
  tools_[Tool::SSRFitting].down = false;
  SSRFitting_Click(false);
  tools_[Tool::SSRCloseData].down = false;
}

void MainSession::commitDataSets(const std::vector<DataFileContents>& sets, const std::string& path) {
  const int first = store_.NumDataSets + 1;
  hideDataDialogs();
  const bool saved = calcPaused_;
  calcPaused_ = true;
  const SlotsFilled slots = fillSlots(store_, first, sets, path);
  store_.NumDataSets += slots.filled;
  store_.FirstCalcSet = 1;
  store_.LastCalcSet = store_.NumDataSets;
  enableDataCommands(true);
  for (int k = first; k <= store_.NumDataSets; ++k) {
    DataSet& set = store_[k];
    setSolventFromFile(k);
    convertForDisplay(set, tools_.down(Tool::SSRLogX), tools_.down(Tool::SSRLogY));
    // On a calculation grid the new set gets its grid too, over its own data range.
    if (marker_ != "0") {
      const double q1 = storeHoldsLogX() ? pow10Of(set.DataQ[set.DataFirst]) : set.DataQ[set.DataFirst];
      const double q2 = storeHoldsLogX() ? pow10Of(set.DataQ[set.DataLast]) : set.DataQ[set.DataLast];
      buildGrid(set, gridPoints_, q1, q2);
    }
  }
  calcPaused_ = saved;
  recalculate();
  if (!picPlot_[0].visible()) showSmallPlots();
  redrawSequence();
  tellSkipped(dialogs_, path, slots);
}

bool MainSession::LoadOneDataSet(const std::string& path) {
  if (store_.NumDataSets >= kMaxDataSets) return false;
  DataFileSetsResult result = readDataFileSets(path, PointCount::AsAnnounced);
  if (auto* error = std::get_if<DataFileError>(&result)) {
    showFileError(*error);
    return false;
  }
  commitDataSets(std::get<std::vector<DataFileContents>>(result), path);
  return true;
}

void MainSession::picLoadFile_Click(int /*index*/) {
  if (fitRunning() || !dataLoaded() || store_.NumDataSets >= kMaxDataSets) return;
  busy_ = true;
  if (const auto path = dialogs_.chooseFile(openRequest(store_.NumDataSets + 1, kAddFilter)))
    LoadOneDataSet(*path);
  busy_ = false;
}

void MainSession::mnuFileArray_Click(int index) {
  if (fitRunning() || index < 1 || index > history_.count()) return;
  const int loaded = dataLoaded() ? store_.NumDataSets : 0;
  if (loaded >= kMaxDataSets) return;
  busy_ = true;
  DataFileSetsResult result = readDataFileSets(history_.path(index), PointCount::AsAnnounced);
  if (auto* error = std::get_if<DataFileError>(&result)) {
    // Nothing changes: what is shown stays shown.
    showFileError(*error);
  } else {
    if (loaded == 0) {
      // The start-up curves give way to the data.
      setMarker("0");
      hideAllPlots();
      yFixVisible_.fill(true);
      store_.NumDataSets = 0;
    }
    commitDataSets(std::get<std::vector<DataFileContents>>(result), history_.path(index));
  }
  busy_ = false;
}

}  // namespace lumo::ui
