// The session's model-file commands: "Open Fit" puts a model file on the scroll bars,
// the Save Fit panel writes one model file per chosen data set.
#include <filesystem>
#include <variant>

#include "editor/TypedEntry.h"
#include "files/FileText.h"
#include "model/CalcGrid.h"
#include "model/FitCurve.h"
#include "ui/MainSession.h"

namespace lumo::ui {
namespace {

bool sameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  if (std::filesystem::equivalent(a, b, error)) return true;
  return std::filesystem::weakly_canonical(a, error) == std::filesystem::weakly_canonical(b, error);
}

}  // namespace

void MainSession::SSCOpen_Click() {
  if (fitRunning()) return;
  busy_ = true;
  if (const auto path = dialogs_.chooseFile(openFitRequest())) openModelFile(*path);
  busy_ = false;
}

bool MainSession::openModelFile(const std::string& path) {
  if (fitRunning()) return false;
  // The whole layer part is read and checked before anything changes.
  const ModelScrollResult read = readModelScrollValues(path);
  if (const auto* error = std::get_if<ModelFileError>(&read)) {
    dialogs_.showMessage({error->message(), kMessageTitle, MessageIcon::Exclamation, MessageButtons::Ok});
    return false;
  }
  putModelOnScrollBars(std::get<ModelScrollValues>(read));
  return true;
}

void MainSession::setScrollValueWidening(ScrollId id, int value) {
  // A value saved after the ranges were widened widens this bar's range again, so that
  // the model equals the file.
  ScrollBar& bar = editor_.bar(id);
  bar.Min = std::min(bar.Min, value);
  bar.Max = std::max(bar.Max, value);
  setScrollValue(id, value);
}

void MainSession::putModelOnScrollBars(const ModelScrollValues& values) {
  const bool saved = calcPaused_;
  calcPaused_ = true;
  setScrollValue({ScrollFamily::NumLayers}, values.numLayers);
  setScrollValueWidening({ScrollFamily::Roughness, 0}, values.roughness0);
  for (int i = 1; i <= values.numLayers; ++i) {
    editor_.setLayerEnabled(i, true);
    const LayerScrollValues& v = values.layers[static_cast<size_t>(i)];
    setScrollValueWidening({ScrollFamily::Thickness, i}, v.thickness);
    setScrollValueWidening({ScrollFamily::SLD, i}, v.sld);
    setScrollValueWidening({ScrollFamily::Solvent, i}, v.solvent);
    setScrollValueWidening({ScrollFamily::Roughness, i}, v.roughness);
  }
  calcPaused_ = saved;
  if (calcPaused_ || !fittingOn()) return;
  // The start-up curves follow the model as the data's curves do.
  recalculate();
  redrawSequence();
}

ModelScrollValues MainSession::modelScrollValues() const {
  ModelScrollValues m;
  m.numLayers = editor_.value({ScrollFamily::NumLayers});
  m.roughness0 = editor_.value({ScrollFamily::Roughness, 0});
  for (int i = 1; i <= m.numLayers; ++i)
    m.layers[static_cast<size_t>(i)] = {editor_.value({ScrollFamily::Thickness, i}),
                                        editor_.value({ScrollFamily::SLD, i}),
                                        editor_.value({ScrollFamily::Solvent, i}),
                                        editor_.value({ScrollFamily::Roughness, i})};
  return m;
}

void MainSession::SSCSave_Click() {
  if (fitRunning()) return;
  for (int i = 1; i <= kMaxDataSets; ++i) {
    const bool shown = i <= store_.NumDataSets;
    saveFit_.dataSetVisible[static_cast<size_t>(i)] = shown;
    saveFit_.dataSetChecked[static_cast<size_t>(i)] = shown;
  }
  // Without data there are no original points: the start-up curves are saved on a grid.
  saveFit_.keepOriginalPointsEnabled = dataLoaded();
  chkKeepOriginalPoints_Click(saveFit_.keepOriginalPoints);
  saveFit_.visible = true;
}

void MainSession::chkDataSet_Click(int slot, bool checked) {
  if (slot >= 1 && slot <= kMaxDataSets) saveFit_.dataSetChecked[static_cast<size_t>(slot)] = checked;
}

void MainSession::chkKeepOriginalPoints_Click(bool checked) {
  saveFit_.keepOriginalPoints = checked;
  saveFit_.saveDataAsWellEnabled = dataLoaded() && checked;
}

void MainSession::setSaveFitText(SaveFitBox box, const std::string& text) { saveFit_.text(box) = text; }

void MainSession::cmdSaveFitCancel_Click() {
  // The marker is left as it is: invalid input never changes it here, and resetting it
  // would leave a grid calculation drawn against the data's points.
  saveFit_.visible = false;
}

std::optional<FitCurveRequest> MainSession::saveFitRequestFromPanel() {
  FitCurveRequest request;
  request.originalPoints = saveFit_.keepOriginalPoints && saveFit_.keepOriginalPointsEnabled;
  request.withData = request.originalPoints && saveFit_.saveDataAsWell && saveFit_.saveDataAsWellEnabled;
  if (request.originalPoints) return request;
  double values[3] = {0, 0, 0};
  const SaveFitBox boxes[] = {SaveFitBox::QNumPts, SaveFitBox::QStart, SaveFitBox::QFinish};
  const char* names[] = {"Number of Points", "Q Start", "Q Finish"};
  std::string problem;
  for (int k = 0; k < 3 && problem.empty(); ++k)
    if (!parseTypedNumber(saveFit_.text(boxes[k]), values[k]))
      problem = std::string(names[k]) + " is not a number.";
  if (problem.empty()) problem = fitGridProblem(values[0], values[1], values[2]);
  if (!problem.empty()) {
    dialogs_.showMessage({"Nothing was saved: " + problem, kMessageTitle, MessageIcon::Exclamation,
                          MessageButtons::Ok});
    return std::nullopt;
  }
  request.gridPoints = static_cast<int>(values[0]);
  request.q1 = values[1];
  request.q2 = values[2];
  return request;
}

std::vector<MainSession::PlannedFitFile> MainSession::chooseFitFiles() {
  std::vector<PlannedFitFile> plan;
  for (int ds = 1; ds <= kMaxDataSets; ++ds) {
    if (!saveFit_.dataSetVisible[static_cast<size_t>(ds)] || !saveFit_.dataSetChecked[static_cast<size_t>(ds)])
      continue;
    const auto path = dialogs_.chooseFile(saveFitRequest(ds, store_[ds].DataFileName));
    if (!path) break;  // cancelling ends the command: no further data set is asked for
    std::string clash;
    for (int k = 1; dataLoaded() && k <= store_.NumDataSets && clash.empty(); ++k)
      if (sameFile(*path, store_[k].DataFileName))
        clash = "it is the data file of Data Set " + std::to_string(k);
    for (const PlannedFitFile& earlier : plan)
      if (clash.empty() && sameFile(*path, earlier.path))
        clash = "it was chosen for Data Set " + std::to_string(earlier.slot) + " already";
    if (!clash.empty()) {
      dialogs_.showMessage({"The model file of Data Set " + std::to_string(ds) + " was not saved:\n" +
                                *path + "\n" + clash + ".",
                            kMessageTitle, MessageIcon::Exclamation, MessageButtons::Ok});
      continue;
    }
    plan.push_back({ds, *path});
  }
  return plan;
}

void MainSession::SaveFit(const std::vector<PlannedFitFile>& plan, const FitCurveRequest& request) {
  syncModelFromScrollBars();
  const ModelScrollValues layers = modelScrollValues();
  for (const PlannedFitFile& file : plan) {
    const FitCurve curve = calculateFitCurve(model_, store_[file.slot], file.slot, request, calcOptions());
    if (const auto error = text::writeTextFileAtomically(file.path, modelFileText(layers, curve)))
      dialogs_.showMessage({"Error Saving File!\n\n" + file.path + "\n" + *error, kMessageTitle,
                            MessageIcon::Exclamation, MessageButtons::Ok});
  }
}

void MainSession::cmdSaveFitOK_Click() {
  if (fitRunning() || !saveFit_.visible || !saveFit_.anyChecked()) return;
  const auto request = saveFitRequestFromPanel();
  if (!request) return;  // the panel stays open for a correction
  saveFit_.visible = false;
  busy_ = true;
  SaveFit(chooseFitFiles(), *request);
  // Saving on a grid leaves that grid behind, with its size in the "Number Of Points"
  // box, and the curves on the data's points. The start-up curves keep their own grid.
  if (!request->originalPoints && dataLoaded()) {
    setMarker("0");
    gridPoints_ = request->gridPoints;
    pointsText_ = std::to_string(request->gridPoints);
    for (int ds = 1; ds <= store_.NumDataSets; ++ds)
      buildGrid(store_[ds], request->gridPoints, request->q1, request->q2);
  }
  recalculate();
  redrawSequence();
  busy_ = false;
}

}  // namespace lumo::ui
