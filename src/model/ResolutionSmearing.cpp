#include "model/ResolutionSmearing.h"

#include <algorithm>
#include <cmath>

#include "model/ReflectivityEngine.h"
#include "model/Residual.h"

namespace lumo {
namespace {

size_t at(int i) { return static_cast<size_t>(i); }

double totalThickness(const LayerModel& model) {
  double d = 0;
  for (int i = 1; i <= std::clamp(model.NumLayers, 0, kMaxLayers); ++i)
    d += std::max(0.0f, model.Thickness[at(i)]);
  return d;
}

// A Q the engine calculates at the grazing limit (negative, NaN) counts as 0.
double usableQ(double q) { return q > 0 && std::isfinite(q) ? q : 0; }
double usableSigma(double s) { return s > 0 && std::isfinite(s) ? s : 0; }

}  // namespace

SmearingRequest smearingRequest(const LayerModel& model, const DataStore& store,
                                const CalcOptions& options, int ds) {
  const DataSet& set = store[ds];
  const bool ownResolution = options.resolution.fromData && set.HasQResolution && !options.gridMode;
  SmearingRequest r;
  for (int pt = std::max(set.CalcFirst, 1); pt <= std::min(set.CalcLast, kMaxPoints); ++pt) {
    const double stored = options.gridMode ? set.GridQ[at(pt)] : set.DataQ[at(pt)];
    const double q = usableQ(!options.gridMode && options.logX ? std::pow(10.0, stored) : stored);
    r.q.push_back(q);
    r.sigma.push_back(usableSigma(ownResolution ? set.DataQResolution[at(pt)]
                                                : sigmaOfPercent(options.resolution.percent, q)));
  }
  r.spacing = fringeSpacing(totalThickness(model));
  r.edges = criticalEdges(model, ds, options.exactQ);
  return r;
}

ResolutionSmearing::ResolutionSmearing(InstructionSet set)
    : set_(set), focus_(ReflectivityEngine::kNoFocus) {}

ResolutionSmearing::~ResolutionSmearing() = default;

bool ResolutionSmearing::preparedFor(const CalcOptions& options) const {
  return prepared_ && options.resolution == options_.resolution && options.exactQ == options_.exactQ &&
         options.gridMode == options_.gridMode && options.logX == options_.logX;
}

void ResolutionSmearing::setFocusLayer(int layer) {
  focus_ = layer;
  for (auto& engine : engines_) engine->setFocusLayer(layer);
}

CalcOptions ResolutionSmearing::nodeOptions() const {
  CalcOptions o;
  o.logY = false;
  o.exactQ = options_.exactQ;
  return o;
}

void ResolutionSmearing::prepare(const LayerModel& model, const DataStore& store,
                                 const CalcOptions& options) {
  options_ = options;
  prepared_ = true;
  // A plan rests on its request alone: one that still fits is kept.
  updatePlans(model, store, options, 1, store.NumDataSets);
  placeNodes(store);
  for (int c = 0; c < chunks_; ++c) engines_[at(c)]->Prof_Calc_1(model, stores_[at(c)], nodeOptions());
}

bool ResolutionSmearing::updatePlans(const LayerModel& model, const DataStore& store,
                                     const CalcOptions& options, int first, int last) {
  bool moved = false;
  for (int ds = std::max(first, 1); ds <= std::min(last, kMaxDataSets); ++ds) {
    SmearingRequest request = smearingRequest(model, store, options, ds);
    if (request == requests_[at(ds)]) continue;
    requests_[at(ds)] = std::move(request);
    plans_[at(ds)].build(requests_[at(ds)]);
    moved = true;
  }
  return moved;
}

// Node k of set ds goes to chunk k / 512 as its point k % 512 + 1.
void ResolutionSmearing::placeNodes(const DataStore& store) {
  const int sets = std::clamp(store.NumDataSets, 0, kMaxDataSets);
  size_t most = 0;
  for (int ds = 1; ds <= sets; ++ds) most = std::max(most, plans_[at(ds)].nodes().size());
  chunks_ = static_cast<int>((most + kMaxPoints - 1) / kMaxPoints);
  while (static_cast<int>(engines_.size()) < chunks_) {
    engines_.push_back(std::make_unique<ReflectivityEngine>(set_));
    engines_.back()->setFocusLayer(focus_);
    stores_.emplace_back();
  }
  for (int c = 0; c < chunks_; ++c) {
    DataStore& nodes = stores_[at(c)];
    nodes.NumDataSets = sets;
    for (int ds = 1; ds <= sets; ++ds) {
      const std::vector<double>& q = plans_[at(ds)].nodes();
      const size_t begin = std::min(q.size(), at(c) * kMaxPoints);
      const size_t end = std::min(q.size(), begin + kMaxPoints);
      DataSet& set = nodes[ds];
      set.NumPoints = set.DataLast = static_cast<int>(end - begin);
      set.DataFirst = 1;
      std::copy(q.begin() + static_cast<long>(begin), q.begin() + static_cast<long>(end),
                set.DataQ.begin() + 1);
    }
  }
}

void ResolutionSmearing::afterChange(const LayerModel& model, const DataStore& store, Change change,
                                     int num) {
  for (int c = 0; c < chunks_; ++c) {
    DataStore& nodes = stores_[at(c)];
    nodes.FirstCalcSet = store.FirstCalcSet;
    nodes.LastCalcSet = store.LastCalcSet;
    ReflectivityEngine& engine = *engines_[at(c)];
    switch (change) {
      case Change::SLD: engine.Prof_Calc_1_SLDChange(model, nodes, num); break;
      case Change::Solvent: engine.Prof_Calc_1_SolventChange(model, nodes, num); break;
      case Change::Thickness: engine.Prof_Calc_1_ThicknessChange(model, nodes, num); break;
    }
  }
}

float ResolutionSmearing::calculate(const LayerModel& model, DataStore& store,
                                    const CalcOptions& options) {
  if (!preparedFor(options)) {
    prepare(model, store, options);
  } else if (updatePlans(model, store, options, store.FirstCalcSet, store.LastCalcSet)) {
    // A critical edge or the fringe spacing moved: the nodes of every set are placed again.
    placeNodes(store);
    for (int c = 0; c < chunks_; ++c)
      engines_[at(c)]->Prof_Calc_1(model, stores_[at(c)], nodeOptions());
  }
  options_ = options;
  for (int c = 0; c < chunks_; ++c) {
    DataStore& nodes = stores_[at(c)];
    nodes.FirstCalcSet = store.FirstCalcSet;
    nodes.LastCalcSet = store.LastCalcSet;
    engines_[at(c)]->Prof_Calc_2(model, nodes, nodeOptions());
  }
  float total = 0.0f;
  for (int ds = std::max(store.FirstCalcSet, 1); ds <= std::min(store.LastCalcSet, kMaxDataSets);
       ++ds) {
    DataSet& set = store[ds];
    smearSet(set, ds, options.logY);
    if (options.residualOn) updateResidual(set, options.measure, options.logY);
    total += set.SetResidual;
  }
  return total;
}

void ResolutionSmearing::smearSet(DataSet& set, int ds, bool logY) {
  const SmearingPlan& plan = plans_[at(ds)];
  nodeR_.clear();
  for (int c = 0; c < chunks_; ++c) {
    const DataSet& nodes = stores_[at(c)][ds];
    nodeR_.insert(nodeR_.end(), nodes.CalcR.begin() + 1, nodes.CalcR.begin() + 1 + nodes.DataLast);
  }
  smeared_.resize(at(plan.points()));
  if (nodeR_.size() < plan.nodes().size()) return;  // no calculation range
  plan.apply(nodeR_.data(), smeared_.data());
  const int first = std::max(set.CalcFirst, 1);
  for (int i = 0; i < plan.points(); ++i) {
    // The interpolating weights may take a vanishing R a hair below zero.
    const double r = std::max(smeared_[at(i)], 0.0);
    set.CalcR[at(first + i)] = logY ? std::log10(r) : r;
  }
}

}  // namespace lumo
