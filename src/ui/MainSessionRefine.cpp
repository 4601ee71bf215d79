// The session's refinement of many layer parameters: the panel with a tick box per
// parameter of the layers in use, the seed, and the results table; the run itself goes
// through the fit driver like the scans (slices, progress, Esc / Cancel).
#include <cstdint>
#include <optional>

#include "fitting/RefineReport.h"
#include "fitting/Refinement.h"
#include "ui/FitJob.h"
#include "ui/MainSession.h"

namespace lumo::ui {
namespace {

constexpr const char* kNothingTickedMessage = "Tick at least one parameter to refine !";
constexpr const char* kBadSeedMessage = "The seed must be a whole number of up to 18 digits !";

// A seed is 1 to 18 digits, so that every value fits the generator's 64 bits.
std::optional<std::uint64_t> parseSeed(const std::string& text) {
  if (text.empty() || text.size() > 18) return std::nullopt;
  std::uint64_t seed = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    seed = seed * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return seed;
}

}  // namespace

std::vector<RefineChoice> MainSession::refineChoices() const {
  return refine_.choices(editor_.value({ScrollFamily::NumLayers}));
}

void MainSession::SSCRefine_Click() {
  if (fitRunning() || !dataLoaded()) return;
  refine_.visible = true;
}

void MainSession::chkRefine_Click(ScrollId id, bool ticked) {
  if (!fitRunning()) refine_.setTicked(id, ticked);
}

void MainSession::setRefineSeedText(const std::string& text) {
  if (!fitRunning()) refine_.seedText = text;
}

void MainSession::cmdRefineCancel_Click() {
  if (!fitRunning()) refine_.visible = false;
}

void MainSession::cmdRefineStart_Click() {
  if (fitRunning() || !refine_.visible) return;
  fitting::RefineRequest request;
  std::vector<ScrollId> ids;
  for (const RefineChoice& c : refineChoices()) {
    if (!c.ticked) continue;
    const ScrollBar& bar = editor_.bar(c.id);
    request.parameters.push_back({parameterFamily(c.id.family), c.id.index, {bar.Min, bar.Max, bar.SmallChange}});
    ids.push_back(c.id);
  }
  const std::optional<std::uint64_t> seed = parseSeed(refine_.seedText);
  const char* refusal = ids.empty() ? kNothingTickedMessage : !seed ? kBadSeedMessage : nullptr;
  if (refusal) {
    dialogs_.showMessage({refusal, kMessageTitle, MessageIcon::Exclamation, MessageButtons::Ok});
    return;
  }
  if (!readyToFit()) return;
  request.seed = *seed;
  auto job = std::make_unique<FitJob>();
  for (ScrollId id : ids) job->shown.push_back({id, editor_.control(id).text, editor_.control(id).labelColour});
  job->refinement = std::make_unique<fitting::Refinement>(
      fitWorkers(), fitting::FitStart{model_, store_, calcOptions(), panels_.measure}, request);
  job->refined = std::move(ids);
  job->description = "Refinement";
  startRun(std::move(job));
  // The table of an earlier run goes while this one runs (a cancel brings it back).
  refine_.results.clear();
  refine_.summary.clear();
}

// Every refined bar is set with the calculation paused; one recalculation then takes up
// the whole model, and the table shows what the run found.
void MainSession::finishRefinement() {
  const fitting::RefineResult r = job_->refinement->result();
  const std::vector<ScrollId> ids = job_->refined;
  job_.reset();
  const bool saved = calcPaused_;
  calcPaused_ = true;
  for (size_t k = 0; k < ids.size(); ++k) setScrollValueAndNotify(ids[k], r.parameters[k].value);
  calcPaused_ = saved;
  if (!calcPaused_ && fittingOn()) {
    recalculate();
    curveRefresh();
  }
  for (const fitting::RefinedParameter& p : r.parameters)
    refine_.results.push_back(
        {fitting::parameterName(p.parameter.family, p.parameter.index), fitting::resultText(p)});
  refine_.summary = fitting::summaryText(r);
}

}  // namespace lumo::ui
