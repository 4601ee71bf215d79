// Prof_Calc_2: the characteristic-matrix product over every interface, with Fresnel
// coefficients damped by the Névot–Croce roughness factor, formed by the kernels from
// what changed since the last calculation.
#include <algorithm>

#include "model/ReflectivityEngine.h"
#include "model/Residual.h"

namespace lumo {

float ReflectivityEngine::Prof_Calc_2(const LayerModel& model, DataStore& store,
                                      const CalcOptions& options) {
  if (options.resolution.active()) {
    // The unsmeared terms are not kept up to date meanwhile.
    for (SetState& st : sets_) st.numLayers = -1;
    smeared_ = true;
    return smearing().calculate(model, store, options);
  }
  smeared_ = false;
  float total = 0.0f;
  for (int ds = std::max(store.FirstCalcSet, 1); ds <= std::min(store.LastCalcSet, kMaxDataSets);
       ++ds) {
    DataSet& set = store[ds];
    const int first = std::max(set.CalcFirst, 1);
    const int last = std::min(set.CalcLast, kMaxPoints);
    if (first <= last) {
      const SetState& st = sets_[slot(ds)];
      // A range outside the prepared points (a restored point range) or a changed layer
      // count is prepared first, so that no stale value is ever used.
      if (st.numLayers != model.NumLayers || first < st.preparedFirst || last > st.preparedLast) {
        CalcOptions prepared = options;
        prepared.exactQ = standardKinematics_;
        prepareMedia(model, ds);
        preparePoints(store, prepared, ds, first, last);
      }
      calculateSet(model, set, ds, options.logY);
    }
    if (options.residualOn) updateResidual(set, options.measure, options.logY);
    total += set.SetResidual;
  }
  return total;
}

int ReflectivityEngine::focusInterface(const SetState& st) const {
  if (focus_ == kNoFocus) return 0;
  return std::clamp(focus_ + 1, 1, st.numLayers + 1);
}

void ReflectivityEngine::calculateSet(const LayerModel& model, DataSet& set, int ds, bool logY) {
  SetState& st = sets_[slot(ds)];
  for (int m = 1; m <= st.numLayers + 1; ++m) {
    const double sigma = model.Roughness[static_cast<size_t>(m - 1)];
    st.damping[m] = -static_cast<double>(physics::RoughnessFactor) * (sigma * sigma);
  }
  const int first = std::max(set.CalcFirst, 1);
  const int last = std::min(set.CalcLast, kMaxPoints);
  if (!st.kept || first != st.keptFirst || last != st.keptLast)
    fullPass(set, ds, first, last, logY);
  else
    partialPass(set, ds, first, last, logY);
}

// Right after a full preparation nothing is kept: the next change may well be another
// full one. Otherwise (a change of one layer is likely to follow) every term is kept.
void ReflectivityEngine::fullPass(DataSet& set, int ds, int first, int last, bool logY) {
  SetState& st = sets_[slot(ds)];
  kernel::Pass p;
  p.numLayers = st.numLayers;
  p.shift = st.shift;
  p.phaseScale = st.phaseScale;
  p.damping = st.damping;
  p.keep = focus_ != kNoFocus || !st.fresh;
  p.logY = logY;
  p.out = set.CalcR.data();
  kernel_->full(arrays(ds), p, first, last);
  st.fresh = false;
  st.kept = p.keep;
  if (!p.keep) return;
  st.keptFirst = first;
  st.keptLast = last;
  std::copy(std::begin(st.shift), std::end(st.shift), std::begin(st.keptShift));
  std::copy(std::begin(st.phaseScale), std::end(st.phaseScale), std::begin(st.keptPhaseScale));
  std::copy(std::begin(st.damping), std::end(st.damping), std::begin(st.keptDamping));
  st.rowsTo = 1;
  st.columnsFrom = 1;
  st.split = 1;
  // With a focus the result is always formed at its split, also now.
  if (focusInterface(st) > 1) partialPass(set, ds, first, last, logY);
}

void ReflectivityEngine::partialPass(DataSet& set, int ds, int first, int last, bool logY) {
  SetState& st = sets_[slot(ds)];
  kernel::Pass p;
  p.numLayers = st.numLayers;
  p.shift = st.shift;
  p.phaseScale = st.phaseScale;
  p.damping = st.damping;
  for (int m = 2; m <= st.numLayers + 1; ++m) {
    if (st.shift[m] != st.keptShift[m]) p.newWaves |= 1u << m;
    if (st.shift[m] != st.keptShift[m] || st.phaseScale[m] != st.keptPhaseScale[m])
      p.newPhases |= 1u << m;
  }
  for (int m = 1; m <= st.numLayers + 1; ++m)
    if ((p.newWaves >> m & 3u) != 0 || st.damping[m] != st.keptDamping[m]) p.newFresnel |= 1u << m;
  // The interface matrix C_m holds the Fresnel term of interface m and the phase of medium m.
  const std::uint32_t changed = p.newFresnel | p.newPhases;
  if (changed != 0) {
    st.rowsTo = std::min(st.rowsTo, __builtin_ctz(changed));
    st.columnsFrom = std::max(st.columnsFrom, 32 - __builtin_clz(changed));
  }
  const int focus = focusInterface(st);
  p.split = focus > 0 ? focus : changed != 0 ? __builtin_ctz(changed) : st.split;
  p.rowsFrom = st.rowsTo;
  p.columnsFrom = st.columnsFrom;
  p.logY = logY;
  p.out = set.CalcR.data();
  kernel_->partial(arrays(ds), p, first, last);
  st.rowsTo = std::max(st.rowsTo, p.split);
  st.columnsFrom = std::min(st.columnsFrom, p.split + 1);
  st.split = p.split;
  std::copy(std::begin(st.shift), std::end(st.shift), std::begin(st.keptShift));
  std::copy(std::begin(st.phaseScale), std::end(st.phaseScale), std::begin(st.keptPhaseScale));
  std::copy(std::begin(st.damping), std::end(st.damping), std::begin(st.keptDamping));
}

}  // namespace lumo
