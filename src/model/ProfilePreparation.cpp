// Prof_Calc_1 and its variants: refractive indices, normal wave numbers and phase
// thicknesses of every medium at every calculation point.
#include <algorithm>
#include <cmath>

#include "files/DisplayScale.h"
#include "model/ReflectivityEngine.h"

namespace lumo {
namespace {

using simd::V4;

// sin θ of a point: the sine of Q × λ/(4π), or with the standard kinematics the
// argument itself (so that the incident wave vector is Q/2).
//
// A negative Q is no angle of reflection: taken as one it gives a negative incident wave
// number and R > 1. Loaded data never hold one (the display moves every Q <= 0 to the
// smallest positive Q of its set); any other caller's negative Q, and a NaN, are
// calculated at the grazing limit Q = 0, where R = 1.
double sinThetaOf(double q, bool exactQ) {
  const double argument = (q > 0 ? q : 0.0) * 12.0 / 12.56637061436;
  return exactQ ? argument : std::sin(argument);
}

// Normal wave number and phase thickness of a medium from v = n² − n1² cos² θ: real
// above the medium's critical angle, imaginary below it, zero exactly at it.
LUMO_ALWAYS_INLINE void waveAndPhase(V4 v, double thicknessK0, V4& waveRe, V4& waveIm,
                                     V4& phaseRe, V4& phaseIm) {
  const V4 root = simd::sqrt(simd::abs(v));
  const V4 zero{};
  const auto real = v > 0;
  const auto imaginary = v < 0;
  waveRe = simd::select(real, root, zero);
  waveIm = simd::select(imaginary, root, zero);
  const V4 phase = thicknessK0 * root;
  phaseRe = simd::select(real, phase, zero);
  phaseIm = simd::select(imaginary, phase, zero);
}

}  // namespace

ReflectivityEngine::ReflectivityEngine()
    : angles_((kMaxDataSets + 1) * kBlocks),
      refIndex_((kMaxDataSets + 1) * kMediumSlots),
      indexSquared_((kMaxDataSets + 1) * kMediumSlots),
      effectiveSLD_((kMaxDataSets + 1) * kMediumSlots),
      media_((kMaxDataSets + 1) * kMediumSlots * kBlocks),
      interface_((kMaxDataSets + 1) * kMediumSlots * kBlocks),
      product_((kMaxDataSets + 1) * kMediumSlots * kBlocks),
      sets_(kMaxDataSets + 1) {}

Cplx ReflectivityEngine::WaveNumber(int ds, int pt, int m) const {
  const MediumBlock& b = media_[index(ds, m, block(pt))];
  return {b.waveRe[lane(pt)], b.waveIm[lane(pt)]};
}

Cplx ReflectivityEngine::Phase(int ds, int pt, int m) const {
  const MediumBlock& b = media_[index(ds, m, block(pt))];
  return {b.phaseRe[lane(pt)], b.phaseIm[lane(pt)]};
}

void ReflectivityEngine::computeSinTheta(const DataStore& store, const CalcOptions& options,
                                         int ds, int first, int last) {
  const DataSet& set = store[ds];
  for (int pt = first; pt <= last; ++pt) {
    double q = options.gridMode ? set.GridQ[pt] : set.DataQ[pt];
    if (!options.gridMode && options.logX) q = pow10Of(q);
    angles_[blockIndex(ds, pt)].sinTheta[lane(pt)] = sinThetaOf(q, options.exactQ);
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

LUMO_VECTOR_CLONES void ReflectivityEngine::prepareBoundaryMedia(const LayerModel& model, int ds, int first,
                                              int last) {
  SetState& st = sets_[static_cast<size_t>(ds)];
  const int solvent = model.NumLayers + 2;
  refIndex_[mediumIndex(ds, 1)] = 1 - static_cast<double>(model.IncidentSLD) * physics::SLDToIndex;
  refIndex_[mediumIndex(ds, solvent)] =
      1 - static_cast<double>(model.SolventSLD[static_cast<size_t>(ds)]) * physics::SLDToIndex;
  setIndexSquared(model, ds, 1);
  setIndexSquared(model, ds, solvent);
  // With the standard kinematics the incident medium's index is taken as 1: the normal
  // wave number of medium m is then √(sin² θ − (λ²/π)(ρm − ρ1)), i.e. kz = √(Q²/4 − 4πΔρ)/k0.
  const double incident = standardKinematics_ ? 1.0 : refIndex_[mediumIndex(ds, 1)];
  const double solventSquared = indexSquared_[mediumIndex(ds, solvent)];
  for (int b = block(first); b <= block(last); ++b) {
    AngleBlock& angle = angles_[static_cast<size_t>(ds * kBlocks + b)];
    const V4 s = angle.sinTheta;
    const V4 t = incident * incident * (1 - s * s);
    angle.transverse = t;
    MediumBlock& top = media_[index(ds, 1, b)];
    top.waveRe = s * incident;
    top.waveIm = top.phaseRe = top.phaseIm = V4{};
    MediumBlock& bottom = media_[index(ds, solvent, b)];
    waveAndPhase(solventSquared - t, 0.0, bottom.waveRe, bottom.waveIm, bottom.phaseRe,
                 bottom.phaseIm);
  }
  st.waveVersion[1] = st.phaseVersion[1] = newVersion();
  st.waveVersion[solvent] = st.phaseVersion[solvent] = newVersion();
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

LUMO_VECTOR_CLONES void ReflectivityEngine::computeLayerMedium(const LayerModel& model, int ds, int m, int first,
                                            int last) {
  SetState& st = sets_[static_cast<size_t>(ds)];
  const double nSquared = indexSquared_[mediumIndex(ds, m)];
  const float d = model.Thickness[static_cast<size_t>(m - 1)];
  const double thicknessK0 = static_cast<double>(d) * physics::K0;
  for (int b = block(first); b <= block(last); ++b) {
    MediumBlock& medium = media_[index(ds, m, b)];
    waveAndPhase(nSquared - angles_[static_cast<size_t>(ds * kBlocks + b)].transverse, thicknessK0,
                 medium.waveRe, medium.waveIm, medium.phaseRe, medium.phaseIm);
  }
  // The wave numbers are new only when the index changed (or were never computed); a
  // thickness alone changes the phases.
  const double n = refIndex_[mediumIndex(ds, m)];
  if (n != st.usedRefIndex[m] || st.waveVersion[m] == 0) st.waveVersion[m] = newVersion();
  st.phaseVersion[m] = newVersion();
  st.usedRefIndex[m] = n;
  st.usedThickness[m] = d;
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
  // Every medium's wave numbers are recomputed for (possibly) new points.
  std::fill(std::begin(st.waveVersion), std::end(st.waveVersion), 0);
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
