// The session's fits in progress: a parameter scan, a constrained thickness fit or a
// refinement is
// started on a copy of the model and data, stepped in slices by fitTick(), shown in the
// text boxes it fits as it goes, and at its end written back through the scroll bars.
// A cancelled fit puts back what the text boxes and labels showed.
#include <cmath>

#include "files/NumberText.h"
#include "plot/StandardColour.h"
#include "ui/FitJob.h"
#include "ui/MainSession.h"

namespace lumo::ui {
namespace {

constexpr const char* kNoDataMessage =
    "Open data files before fitting: a fit compares the model with measured data !";

std::string scanDescription(ScrollId id) {
  if (id.family == ScrollFamily::Roughness && id.index == 0) return "Roughness Layer 0";
  const char* name = id.family == ScrollFamily::Thickness ? "Thickness"
                     : id.family == ScrollFamily::SLD     ? "SLD"
                     : id.family == ScrollFamily::Solvent ? "% Solvent"
                                                          : "Roughness";
  return std::string(name) + " of layer " + std::to_string(id.index);
}

std::string constrainedDescription(const fitting::ConstrainedFitPlan& plan) {
  std::string text = plan.count == 1 ? "Layer " : "Layers ";
  for (int k = 1; k <= plan.count; ++k) {
    if (k > 1) text += ", ";
    text += std::to_string(plan.layer[static_cast<size_t>(k)]);
  }
  return text;
}

void remember(FitJob& job, const ParameterControl& control, ScrollId id) {
  job.shown.push_back({id, control.text, control.labelColour});
}

}  // namespace

fitting::FitWorkers& MainSession::fitWorkers() {
  if (!workers_) workers_ = std::make_unique<fitting::FitWorkers>();
  return *workers_;
}

// A fit needs measured data; it starts from the scroll bars' values, which the model
// arrays follow except the contrasts' solvent SLDs (read only when preparing).
bool MainSession::readyToFit() {
  if (!dataLoaded() || store_.NumDataSets < 1) {
    dialogs_.showMessage({kNoDataMessage, kMessageTitle, MessageIcon::Exclamation, MessageButtons::Ok});
    return false;
  }
  syncModelFromScrollBars();
  return true;
}

void MainSession::scanLabelClicked(ScrollId id) {
  if (fitRunning() || !tools_.down(Tool::SSRAutoFit)) return;
  const fitting::ParameterFamily family = parameterFamily(id.family);
  if (!fitting::isParameterOf(model_, family, id.index) || !readyToFit()) return;
  auto job = std::make_unique<FitJob>();
  ParameterControl& control = editor_.control(id);
  remember(*job, control, id);
  const ScrollBar& bar = control.bar;
  job->scan = std::make_unique<fitting::ParameterScan>(
      fitWorkers(), fitting::FitStart{model_, store_, calcOptions(), panels_.measure},
      fitting::ParameterScanRequest{family, id.index, {bar.Min, bar.Max, bar.SmallChange}});
  job->scanned = id;
  job->description = scanDescription(id);
  if (id.family == ScrollFamily::Thickness) control.labelColour = colour::Red;
  startRun(std::move(job));
}

void MainSession::startConstrainedFit(const fitting::ConstrainedFitPlan& plan) {
  if (!readyToFit()) return;
  auto job = std::make_unique<FitJob>();
  for (int k = 1; k <= plan.count; ++k) {
    const ScrollId id{ScrollFamily::Thickness, plan.layer[static_cast<size_t>(k)]};
    remember(*job, editor_.control(id), id);
  }
  job->constrained = std::make_unique<fitting::ConstrainedFit>(
      fitWorkers(), fitting::FitStart{model_, store_, calcOptions(), panels_.measure}, plan);
  job->description = constrainedDescription(plan);
  // Every selected layer starts at the Min of its range.
  for (const ShownControl& shown : job->shown)
    editor_.control(shown.id).text = std::to_string(editor_.bar(shown.id).Min);
  startRun(std::move(job));
}

void MainSession::startRun(std::unique_ptr<FitJob> job) {
  job->cumulativeCaption = cumulativeResidual_;
  job->refineTable = refine_.results;
  job->refineSummary = refine_.summary;
  job_ = std::move(job);
  controller_.start(job_->run());
}

void MainSession::fitTick() {
  if (!job_) return;
  const bool finished = controller_.tick();
  showTrial();
  if (!finished) return;
  if (job_->scan)
    finishScan();
  else if (job_->refinement)
    finishRefinement();
  else
    finishConstrainedFit();
}

// The text boxes show the values of the last evaluation (a refinement's many values are
// shown once it ends), and the cumulative residual its total while the residual display
// is on.
void MainSession::showTrial() {
  const fitting::FitProgress& p = job_->run().progress();
  if (p.done == 0) return;
  if (job_->scan) {
    editor_.control(job_->scanned).text = LayerEditorState::textForm(job_->scanned.family, p.trial[0]);
  } else if (job_->constrained) {
    for (int k = 0; k < p.trialSize; ++k)
      editor_.control(job_->shown[static_cast<size_t>(k)].id).text =
          std::to_string(p.trial[static_cast<size_t>(k)]);
  }
  if (tools_.down(Tool::SSRResidual)) cumulativeResidual_ = text::formatSci4(p.trialTotal);
}

// A value set by a fit runs the change handler also when the bar already holds it, so
// that the model, the text box and the curves follow in every case.
void MainSession::setScrollValueAndNotify(ScrollId id, int value) {
  ScrollBar& bar = editor_.bar(id);
  bar.Value = bar.clamp(value);
  dispatchScrollChange(id);
}

void MainSession::finishScan() {
  const int best = job_->scan->result().bestValue;
  const ScrollId id = job_->scanned;
  job_.reset();
  setScrollValueAndNotify(id, best);
  if (id.family == ScrollFamily::Thickness) editor_.control(id).labelColour = colour::DarkBlue;
}

// Layers 2..n are set with the calculation paused, then layer 1, whose change handler
// takes up every changed thickness in one recalculation.
void MainSession::finishConstrainedFit() {
  const fitting::ConstrainedFitResult r = job_->constrained->result();
  job_.reset();
  const bool saved = calcPaused_;
  calcPaused_ = true;
  for (int j = 2; j <= r.count; ++j)
    setScrollValueAndNotify({ScrollFamily::Thickness, r.layer[static_cast<size_t>(j)]},
                            r.thickness[static_cast<size_t>(j)]);
  calcPaused_ = saved;
  setScrollValueAndNotify({ScrollFamily::Thickness, r.layer[1]}, r.thickness[1]);
}

void MainSession::cancelFit() {
  if (!job_) return;
  controller_.stop();
  for (const ShownControl& shown : job_->shown) {
    ParameterControl& c = editor_.control(shown.id);
    c.text = shown.text;
    c.labelColour = shown.labelColour;
  }
  cumulativeResidual_ = job_->cumulativeCaption;
  refine_.results = job_->refineTable;
  refine_.summary = job_->refineSummary;
  job_.reset();
}

FitStatus MainSession::fitStatus() const {
  FitStatus s;
  if (!job_) return s;
  const fitting::FitProgress& p = job_->run().progress();
  s.running = true;
  s.progressVisible = controller_.progressVisible();
  s.done = p.done;
  s.total = p.total;
  s.fraction = p.total > 0 ? static_cast<double>(p.done) / static_cast<double>(p.total) : 0.0;
  s.text = job_->description + ": " + std::to_string(p.done) + " of " + std::to_string(p.total) +
           (job_->scan ? " trials" : " evaluations") + ", best residual " +
           (std::isfinite(p.bestTotal) ? text::formatSci4(p.bestTotal) : std::string("---"));
  return s;
}

}  // namespace lumo::ui
