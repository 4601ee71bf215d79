#include "fitting/Refinement.h"

#include <algorithm>
#include <stdexcept>

#include "fitting/CurvatureUncertainty.h"
#include "fitting/WeightedResiduals.h"

namespace lumo::fitting {
namespace {

void checkRequest(const LayerModel& model, const RefineRequest& request) {
  if (request.parameters.empty()) throw std::invalid_argument("no parameter to refine");
  for (size_t i = 0; i < request.parameters.size(); ++i) {
    const RefineParameter& p = request.parameters[i];
    if (!isParameterOf(model, p.family, p.index) || gridSize(p.range) < 1)
      throw std::invalid_argument("a refined parameter is not part of the model");
    for (size_t j = 0; j < i; ++j)
      if (request.parameters[j].family == p.family && request.parameters[j].index == p.index)
        throw std::invalid_argument("a parameter is refined twice");
  }
}

int scrollValueOf(const LayerModel& model, const RefineParameter& p) {
  const auto at = static_cast<size_t>(p.index);
  const double units = unitsPerScrollValue(p.family);
  switch (p.family) {
    case ParameterFamily::Thickness: return static_cast<int>(std::nearbyint(model.Thickness[at]));
    case ParameterFamily::Roughness: return static_cast<int>(std::nearbyint(model.Roughness[at]));
    case ParameterFamily::SLD: return static_cast<int>(std::nearbyint(model.LayerSLD[at] * 1e6 / units));
    case ParameterFamily::Solvent:
      return static_cast<int>(std::nearbyint(model.SolventFraction[at] * 100.0));
  }
  return 0;
}

}  // namespace

Refinement::Refinement(FitWorkers& workers, const FitStart& start, const RefineRequest& request)
    : workers_(workers), request_(request), measure_(start.measure) {
  checkRequest(start.model, request);
  for (const RefineParameter& p : request_.parameters) {
    sizes_.push_back(gridSize(p.range));
    origin_.push_back(nearestGridPoint(p.range, scrollValueOf(start.model, p)));
  }
  workers_.loadAll(start, ReflectivityEngine::kNoFocus);
  progress_.trialSize = static_cast<int>(std::min<size_t>(sizes_.size(), kMaxConstrainedLayers));
  startRun();
}

// Run k of the evolution; every run starts from the caller's point and a population of
// its own, drawn from the seed and the run's number.
void Refinement::startRun() {
  phase_ = Phase::Evolution;
  const std::uint64_t seed = request_.seed + 0x9E3779B97F4A7C15ull * static_cast<std::uint64_t>(run_);
  evolution_ = std::make_unique<DifferentialEvolution>(sizes_, origin_, seed, request_.evolution);
  setBatch(evolution_->proposals(), false);
}

void Refinement::startScans(const GridPoint& from, float total) {
  phase_ = Phase::Scans;
  scans_ = std::make_unique<CoordinatePolish>(sizes_, from, total);
  if (scans_->ended()) return startSteps(from, total);
  setBatch(scans_->proposals(), false);
}

void Refinement::startSteps(const GridPoint& from, float total) {
  phase_ = Phase::Steps;
  steps_ = std::make_unique<GridLevenbergMarquardt>(sizes_, from, total);
  setBatch(steps_->proposals(), steps_->wantsResiduals());
}

void Refinement::endRun(const GridPoint& best, float total) {
  generations_ += evolution_->generation();
  ++run_;
  if (total < bestTotal_) {
    best_ = best;
    bestTotal_ = total;
  }
  if (run_ < std::max(request_.runs, 1))
    startRun();
  else
    startCurvature();
}

void Refinement::setBatch(const std::vector<GridPoint>& points, bool withResiduals) {
  batch_ = points;
  ++batchSerial_;
  // A scan moves one parameter from the polish's present best point.
  scanned_ = -1;
  if (phase_ == Phase::Scans && !batch_.empty())
    for (size_t j = 0; j < batch_[0].size(); ++j)
      if (batch_[0][j] != scans_->best()[j]) scanned_ = static_cast<int>(j);
  totals_.assign(batch_.size(), 0.0f);
  withResiduals_ = withResiduals;
  residuals_.assign(withResiduals ? batch_.size() : 0, {});
  next_ = 0;
  updateTotal();
}

// The evaluations still to come, estimated: those of the present run's evolution at most,
// two rounds of scans and the curvature (further runs are not foreseen).
void Refinement::updateTotal() {
  std::int64_t remaining = static_cast<std::int64_t>(batch_.size() - next_);
  const std::int64_t curvature = 2 * static_cast<std::int64_t>(sizes_.size()) + 1;
  std::int64_t round = 0;
  for (int n : sizes_) round += n - 1;
  if (phase_ == Phase::Evolution)
    remaining = evolution_->remainingBound() + 2 * round + curvature;
  else if (phase_ == Phase::Scans || phase_ == Phase::Steps)
    remaining += round + curvature;
  progress_.total = progress_.done + remaining;
}

void Refinement::storePoint(FitWorkspace& ws, const GridPoint& point) const {
  for (size_t j = 0; j < point.size(); ++j) {
    const RefineParameter& p = request_.parameters[j];
    storeScrollValue(ws.model, p.family, p.index, gridValue(p.range, point[j]));
  }
}

float Refinement::evaluate(FitWorkspace& ws, const GridPoint& point) const {
  storePoint(ws, point);
  ws.engine.setFocusLayer(ReflectivityEngine::kNoFocus);
  ws.engine.Prof_Calc_1(ws.model, ws.store, ws.options);
  return ws.calculate();
}

// A scan point through the engine's incremental preparation: the worker's engine is
// focused on the scanned parameter's layer and prepared in full once a scan, then each
// point changes only that parameter. With a focus the totals depend on the model alone,
// so any worker gives the same bits.
float Refinement::evaluateScanPoint(int worker, const GridPoint& point) {
  FitWorkspace& ws = workers_.workspace(worker);
  const RefineParameter& p = request_.parameters[static_cast<size_t>(scanned_)];
  std::uint64_t& prepared = preparedFor_[static_cast<size_t>(worker)];
  if (prepared != batchSerial_) {
    storePoint(ws, point);
    ws.engine.setFocusLayer(p.index);
    ws.engine.Prof_Calc_1(ws.model, ws.store, ws.options);
    prepared = batchSerial_;
    return ws.calculate();
  }
  const auto j = static_cast<size_t>(scanned_);
  storeScrollValue(ws.model, p.family, p.index, gridValue(p.range, point[j]));
  prepareAfterChange(ws.engine, ws.model, ws.store, p.family, p.index);
  return ws.calculate();
}

// The pending points shared out in turn, point k to worker k mod count.
void Refinement::evaluatePending() {
  const size_t workers = static_cast<size_t>(workers_.count());
  preparedFor_.resize(workers, 0);
  workers_.runOnAll([this, workers](int worker) {
    FitWorkspace& ws = workers_.workspace(worker);
    for (size_t k = static_cast<size_t>(worker); k < pending_.size(); k += workers) {
      const size_t i = pending_[k];
      totals_[i] = scanned_ >= 0 ? evaluateScanPoint(worker, batch_[i]) : evaluate(ws, batch_[i]);
      if (withResiduals_) weightedResiduals(ws.store, measure_, residuals_[i]);
    }
  });
  for (size_t i : pending_) {
    if (!withResiduals_) seen_.emplace(batch_[i], totals_[i]);
    if (totals_[i] < progress_.bestTotal) progress_.bestTotal = totals_[i];
  }
  if (pending_.empty()) return;
  const size_t last = pending_.back();
  for (size_t j = 0; j < batch_[last].size() && j < progress_.trial.size(); ++j)
    progress_.trial[j] = gridValue(request_.parameters[j].range, batch_[last][j]);
  progress_.trialTotal = totals_[last];
  progress_.done += static_cast<std::int64_t>(pending_.size());
}

// Each step evaluates up to `maxEvaluations` points of the present stage at once; points
// met before take their known totals without an evaluation.
bool Refinement::step(std::int64_t maxEvaluations) {
  std::int64_t made = 0;
  while (!finished() && made < maxEvaluations) {
    if (next_ == batch_.size()) {
      finishBatch();
      continue;
    }
    pending_.clear();
    repeats_.clear();
    group_.clear();
    for (; next_ < batch_.size() && made + static_cast<std::int64_t>(pending_.size()) < maxEvaluations;
         ++next_) {
      if (withResiduals_) {
        pending_.push_back(next_);
      } else if (const auto known = seen_.find(batch_[next_]); known != seen_.end()) {
        totals_[next_] = known->second;
      } else if (const auto [first, fresh] = group_.emplace(batch_[next_], next_); !fresh) {
        repeats_.push_back({next_, first->second});
      } else {
        pending_.push_back(next_);
      }
    }
    evaluatePending();
    for (const auto& [repeat, first] : repeats_) totals_[repeat] = totals_[first];
    made += static_cast<std::int64_t>(pending_.size());
  }
  if (!finished() && next_ == batch_.size()) finishBatch();
  return finished();
}

void Refinement::finishBatch() {
  switch (phase_) {
    case Phase::Evolution:
      evolution_->report(totals_);
      if (!evolution_->ended()) return setBatch(evolution_->proposals(), false);
      return startScans(evolution_->best(), evolution_->bestTotal());
    case Phase::Scans:
      scans_->report(totals_);
      if (!scans_->ended()) return setBatch(scans_->proposals(), false);
      return startSteps(scans_->best(), scans_->bestTotal());
    case Phase::Steps:
      steps_->report(totals_, residuals_);
      if (!steps_->ended()) return setBatch(steps_->proposals(), steps_->wantsResiduals());
      if (steps_->improved()) return startScans(steps_->best(), steps_->bestTotal());
      return endRun(steps_->best(), steps_->bestTotal());
    case Phase::Curvature:
      return finishCurvature();
    case Phase::Done:
      return;
  }
}

// The best point with its grid neighbours, for the curvature.
void Refinement::startCurvature() {
  phase_ = Phase::Curvature;
  setBatch(withGridNeighbours(best_, sizes_), true);
}

void Refinement::finishCurvature() {
  CurvatureInput input;
  const std::vector<double>& base = residuals_.front();
  for (double r : base) input.chiSquared += r * r;
  for (size_t j = 0; j < best_.size(); ++j) {
    const RefineParameter& p = request_.parameters[j];
    const std::vector<double>& below = residuals_[1 + 2 * j];
    const std::vector<double>& above = residuals_[2 + 2 * j];
    const int width =
        gridValue(p.range, batch_[2 + 2 * j][j]) - gridValue(p.range, batch_[1 + 2 * j][j]);
    std::vector<double> column(base.size(), 0.0);
    if (width > 0 && below.size() == base.size() && above.size() == base.size())
      for (size_t i = 0; i < base.size(); ++i) column[i] = (above[i] - below[i]) / width;
    input.columns.push_back(std::move(column));
    input.span.push_back(std::max(p.range.Max - p.range.Min, 0));
  }
  const std::vector<ParameterSpread> spread = curvatureUncertainties(input);

  result_ = RefineResult{};
  for (size_t j = 0; j < best_.size(); ++j) {
    const RefineParameter& p = request_.parameters[j];
    result_.parameters.push_back({p, gridValue(p.range, best_[j]), spread[j].determined,
                                  spread[j].sigma * unitsPerScrollValue(p.family)});
  }
  result_.bestTotal = bestTotal_;
  result_.measure = measure_;
  result_.points = static_cast<int>(base.size());
  result_.generations = generations_;
  result_.runs = run_;
  phase_ = Phase::Done;
  progress_.total = progress_.done;
  progress_.bestTotal = bestTotal_;
}

RefineResult Refinement::result() const {
  RefineResult r = result_;
  r.evaluations = progress_.done;
  return r;
}

}  // namespace lumo::fitting
