// Prof_Calc_1 and its variants: refractive indices, normal wave numbers and phase
// thicknesses of every medium at every calculation point.
#include <algorithm>
#include <cmath>

#include "files/DisplayScale.h"
#include "model/ReflectivityEngine.h"

namespace lumo {
namespace {

// sin θ of a point: the sine of Q × λ/(4π), or with the standard kinematics the
// argument itself (so that the incident wave vector is Q/2).
double sinThetaOf(double q, bool exactQ) {
  const double argument = q * 12.0 / 12.56637061436;
  return exactQ ? argument : std::sin(argument);
}

// Normal wave number and phase of a medium from v = n² − n1² cos² θ.
void waveAndPhase(double v, double thicknessK0, Cplx& wave, Cplx& phase) {
  if (v > 0) {
    const double root = std::sqrt(v);
    wave = {root, 0.0};
    phase = {thicknessK0 * root, 0.0};
  } else if (v < 0) {
    const double root = std::sqrt(-v);
    wave = {0.0, root};
    phase = {0.0, thicknessK0 * root};
  } else {
    wave = {};
    phase = {};
  }
}

}  // namespace

ReflectivityEngine::ReflectivityEngine()
    : sinTheta_((kMaxDataSets + 1) * kPointSlots),
      transverse_((kMaxDataSets + 1) * kPointSlots),
      refIndex_((kMaxDataSets + 1) * kMediumSlots),
      indexSquared_((kMaxDataSets + 1) * kMediumSlots),
      effectiveSLD_((kMaxDataSets + 1) * kMediumSlots),
      waveNumber_((kMaxDataSets + 1) * kPointSlots * kMediumSlots),
      phase_((kMaxDataSets + 1) * kPointSlots * kMediumSlots),
      interface_((kMaxDataSets + 1) * kPointSlots * kMediumSlots),
      product_((kMaxDataSets + 1) * kPointSlots * kMediumSlots),
      sets_(kMaxDataSets + 1) {}

void ReflectivityEngine::computeSinTheta(const DataStore& store, const CalcOptions& options,
                                         int ds, int first, int last) {
  const DataSet& set = store[ds];
  for (int pt = first; pt <= last; ++pt) {
    double q = options.gridMode ? set.GridQ[pt] : set.DataQ[pt];
    if (!options.gridMode && options.logX) q = pow10Of(q);
    sinTheta_[pointIndex(ds, pt)] = sinThetaOf(q, options.exactQ);
  }
}

void ReflectivityEngine::chooseQPoints(DataStore& store, const CalcOptions& options, int ds) {
  DataSet& set = store[ds];
  if (options.gridMode) {
    set.CalcFirst = 1;
    set.CalcLast = std::clamp(options.gridPoints, 0, kMaxPoints);
  } else {
    set.CalcFirst = std::max(set.DataFirst, 1);
    set.CalcLast = std::min(set.DataLast, kMaxPoints);
  }
  computeSinTheta(store, options, ds, set.CalcFirst, set.CalcLast);
}

void ReflectivityEngine::prepareBoundaryMedia(const LayerModel& model, int ds, int first,
                                              int last) {
  SetState& st = sets_[static_cast<size_t>(ds)];
  const int solvent = model.NumLayers + 2;
  const double n1 = 1 - static_cast<double>(model.IncidentSLD) * physics::SLDToIndex;
  const double ns = 1 - static_cast<double>(model.SolventSLD[static_cast<size_t>(ds)]) *
                            physics::SLDToIndex;
  refIndex_[mediumIndex(ds, 1)] = n1;
  refIndex_[mediumIndex(ds, solvent)] = ns;
  setIndexSquared(model, ds, 1);
  setIndexSquared(model, ds, solvent);
  // With the standard kinematics the incident medium's index is taken as 1: the normal
  // wave number of medium m is then √(sin² θ − (λ²/π)(ρm − ρ1)), i.e. kz = √(Q²/4 − 4πΔρ)/k0.
  const double incident = standardKinematics_ ? 1.0 : n1;
  const double solventSquared = indexSquared_[mediumIndex(ds, solvent)];
  for (int pt = first; pt <= last; ++pt) {
    const double s = sinTheta_[pointIndex(ds, pt)];
    const double t = incident * incident * (1 - s * s);
    transverse_[pointIndex(ds, pt)] = t;
    waveNumber_[index(ds, pt, 1)] = {s * incident, 0.0};
    phase_[index(ds, pt, 1)] = {};
    Cplx unusedPhase;
    waveAndPhase(solventSquared - t, 0.0, waveNumber_[index(ds, pt, solvent)], unusedPhase);
  }
  st.version[1] = newVersion();
  st.version[solvent] = newVersion();
}

void ReflectivityEngine::updateLayerIndices(const LayerModel& model, int ds, int num) {
  const auto i = static_cast<size_t>(num);
  const double fraction = model.SolventFraction[i];
  const double effective = (1 - fraction) * static_cast<double>(model.LayerSLD[i]) +
                           static_cast<double>(model.SolventSLD[static_cast<size_t>(ds)]) * fraction;
  effectiveSLD_[mediumIndex(ds, num)] = effective;
  refIndex_[mediumIndex(ds, num + 1)] = 1 - effective * physics::SLDToIndex;
  setIndexSquared(model, ds, num + 1);
}

void ReflectivityEngine::setIndexSquared(const LayerModel& model, int ds, int m) {
  const size_t at = mediumIndex(ds, m);
  if (!standardKinematics_) {
    indexSquared_[at] = refIndex_[at] * refIndex_[at];
    return;
  }
  const double incident = model.IncidentSLD;
  double sld = incident;
  if (m == model.NumLayers + 2)
    sld = model.SolventSLD[static_cast<size_t>(ds)];
  else if (m >= 2)
    sld = effectiveSLD_[mediumIndex(ds, m - 1)];
  indexSquared_[at] = 1 - 2 * physics::SLDToIndex * (sld - incident);
}

void ReflectivityEngine::computeLayerMedium(const LayerModel& model, int ds, int m, int first,
                                            int last) {
  SetState& st = sets_[static_cast<size_t>(ds)];
  const double n = refIndex_[mediumIndex(ds, m)];
  const double nSquared = indexSquared_[mediumIndex(ds, m)];
  const float d = model.Thickness[static_cast<size_t>(m - 1)];
  const double thicknessK0 = static_cast<double>(d) * physics::K0;
  for (int pt = first; pt <= last; ++pt) {
    waveAndPhase(nSquared - transverse_[pointIndex(ds, pt)], thicknessK0,
                 waveNumber_[index(ds, pt, m)], phase_[index(ds, pt, m)]);
  }
  st.usedRefIndex[m] = n;
  st.usedThickness[m] = d;
  st.version[m] = newVersion();
}

void ReflectivityEngine::refreshChangedLayers(const LayerModel& model, int ds, int first,
                                              int last) {
  const SetState& st = sets_[static_cast<size_t>(ds)];
  for (int m = 2; m <= st.numLayers + 1; ++m) {
    if (refIndex_[mediumIndex(ds, m)] != st.usedRefIndex[m] ||
        model.Thickness[static_cast<size_t>(m - 1)] != st.usedThickness[m])
      computeLayerMedium(model, ds, m, first, last);
  }
}

void ReflectivityEngine::prepareSet(const LayerModel& model, int ds, int first, int last) {
  SetState& st = sets_[static_cast<size_t>(ds)];
  st.numLayers = model.NumLayers;
  prepareBoundaryMedia(model, ds, first, last);
  for (int i = 1; i <= model.NumLayers; ++i) updateLayerIndices(model, ds, i);
  for (int m = 2; m <= model.NumLayers + 1; ++m) computeLayerMedium(model, ds, m, first, last);
  st.preparedFirst = first;
  st.preparedLast = last;
}

void ReflectivityEngine::Prof_Calc_1(const LayerModel& model, DataStore& store,
                                     const CalcOptions& options) {
  const int sets = std::clamp(store.NumDataSets, 0, kMaxDataSets);
  standardKinematics_ = options.exactQ;
  for (int ds = 1; ds <= sets; ++ds) chooseQPoints(store, options, ds);
  for (int ds = 1; ds <= sets; ++ds)
    prepareSet(model, ds, store[ds].CalcFirst, store[ds].CalcLast);
}

void ReflectivityEngine::Prof_Calc_1_SLDChange(const LayerModel& model, const DataStore& store,
                                               int num) {
  for (int ds = std::max(store.FirstCalcSet, 1); ds <= std::min(store.LastCalcSet, kMaxDataSets);
       ++ds) {
    const SetState& st = sets_[static_cast<size_t>(ds)];
    if (st.numLayers != model.NumLayers) {
      prepareSet(model, ds, st.preparedFirst, st.preparedLast);
      continue;
    }
    if (num >= 1 && num <= model.NumLayers) updateLayerIndices(model, ds, num);
    refreshChangedLayers(model, ds, st.preparedFirst, st.preparedLast);
  }
}

void ReflectivityEngine::Prof_Calc_1_SolventChange(const LayerModel& model,
                                                   const DataStore& store, int num) {
  Prof_Calc_1_SLDChange(model, store, num);
}

void ReflectivityEngine::Prof_Calc_1_ThicknessChange(const LayerModel& model,
                                                     const DataStore& store, int /*num*/) {
  // Every layer whose thickness differs from its stored phase is recomputed, so that
  // several thicknesses changed before one call are all taken up.
  for (int ds = std::max(store.FirstCalcSet, 1); ds <= std::min(store.LastCalcSet, kMaxDataSets);
       ++ds) {
    const SetState& st = sets_[static_cast<size_t>(ds)];
    if (st.numLayers != model.NumLayers)
      prepareSet(model, ds, st.preparedFirst, st.preparedLast);
    else
      refreshChangedLayers(model, ds, st.preparedFirst, st.preparedLast);
  }
}

}  // namespace lumo
