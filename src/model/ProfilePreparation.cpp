// Prof_Calc_1 and its variants: sin θ and the incident wave number of every calculation
// point, and the refractive index, index shift and phase scale of every medium.
#include <algorithm>
#include <cmath>

#include "model/ReflectivityEngine.h"

namespace lumo {
namespace {

// The arrays of one contrast: three of points, then seventeen per medium or interface.
constexpr size_t kPointArrays = 3;
constexpr size_t kMediumArrays = 17;
constexpr size_t kDoublesPerSet =
    (kPointArrays + kMediumArrays * kernel::kMediumRows) * kernel::kPointStride;

kernel::SetArrays carve(double* p) {
  const auto next = [&p](size_t rows) {
    double* at = p;
    p += rows * kernel::kPointStride;
    return at;
  };
  kernel::SetArrays a{};
  a.sinTheta = next(1);
  a.incident = next(1);
  a.square = next(1);
  a.wave = next(kernel::kMediumRows);
  a.phase0 = next(kernel::kMediumRows);
  a.phase1 = next(kernel::kMediumRows);
  a.fresnelRe = next(kernel::kMediumRows);
  a.fresnelIm = next(kernel::kMediumRows);
  for (double*& rows : a.rows) rows = next(kernel::kMediumRows);
  for (double*& column : a.column) column = next(kernel::kMediumRows);
  return a;
}

}  // namespace

ReflectivityEngine::ReflectivityEngine(InstructionSet set)
    : set_(set),
      kernel_(&kernel::tableFor(set)),
      arrays_(kMaxDataSets + 1),
      sets_(kMaxDataSets + 1) {
  const size_t doubles = kDoublesPerSet * kMaxDataSets;
  buffer_.reset(static_cast<double*>(
      ::operator new[](doubles * sizeof(double), std::align_val_t{64})));
  // Points beyond a set's range share a vector with calculated points: they hold zeros
  // or earlier values, never garbage.
  std::fill(buffer_.get(), buffer_.get() + doubles, 0.0);
  for (int ds = 1; ds <= kMaxDataSets; ++ds)
    arrays_[slot(ds)] = carve(buffer_.get() + kDoublesPerSet * static_cast<size_t>(ds - 1));
}

ReflectivityEngine::~ReflectivityEngine() = default;
ReflectivityEngine::ReflectivityEngine(ReflectivityEngine&&) noexcept = default;
ReflectivityEngine& ReflectivityEngine::operator=(ReflectivityEngine&&) noexcept = default;

ResolutionSmearing& ReflectivityEngine::smearing() {
  if (!smearing_) {
    smearing_ = std::make_unique<ResolutionSmearing>(set_);
    smearing_->setFocusLayer(focus_);
  }
  return *smearing_;
}

void ReflectivityEngine::setFocusLayer(int layer) {
  focus_ = layer < 0 ? kNoFocus : layer;
  if (smearing_) smearing_->setFocusLayer(focus_);
}

double ReflectivityEngine::TransverseTerm(int ds, int pt) const {
  const double n1 = sets_[slot(ds)].incidentIndex;
  const double s = SinTheta(ds, pt);
  return n1 * n1 * (1 - s * s);
}

Cplx ReflectivityEngine::WaveNumber(int ds, int pt, int m) const {
  if (m == 1) return {arrays(ds).incident[pt], 0};
  const double v = sets_[slot(ds)].shift[m] + arrays(ds).square[pt];
  if (v > 0) return {std::sqrt(v), 0};
  if (v < 0) return {0, std::sqrt(-v)};
  return {0, 0};
}

Cplx ReflectivityEngine::Phase(int ds, int pt, int m) const {
  const Cplx k = WaveNumber(ds, pt, m);
  const double scale = sets_[slot(ds)].phaseScale[m];
  return {scale * k.re, scale * k.im};
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
}

// sin θ is the sine of Q × λ/(4π), or with the standard kinematics the argument itself
// (so that the incident wave vector is Q/2).
//
// A negative Q is no angle of reflection: taken as one it gives a negative incident wave
// number and R > 1. Loaded data never hold one (the display moves every Q <= 0 to the
// smallest positive Q of its set); any other caller's negative Q, and a NaN, are
// calculated at the grazing limit Q = 0, where R = 1.
void ReflectivityEngine::preparePoints(const DataStore& store, const CalcOptions& options, int ds,
                                       int first, int last) {
  SetState& st = sets_[slot(ds)];
  const DataSet& set = store[ds];
  const double* q = options.gridMode ? set.GridQ.data() : set.DataQ.data();
  if (first <= last)
    kernel_->points(q, first, last, !options.gridMode && options.logX, options.exactQ,
                    st.incidentIndex, arrays(ds));
  st.preparedFirst = first;
  st.preparedLast = last;
}

// Refractive indices n = 1 − SLDToIndex × SLD, and the shift n_m² − n_1² that makes the
// normal wave number √(shift + (n1 sin θ)²): the same as √(n_m² − n_1² cos² θ), with the
// difference of the two squares formed from the SLDs so that it keeps its digits. With
// the standard kinematics n_1 is taken as 1 and n_m² as 1 − 2 SLDToIndex (ρ_m − ρ_1), so
// that kz = √(Q²/4 − 4π(ρ_m − ρ_1)).
void ReflectivityEngine::updateLayerIndex(const LayerModel& model, int ds, int num) {
  SetState& st = sets_[slot(ds)];
  const double incident = model.IncidentSLD;
  const double solvent = model.SolventSLD[slot(ds)];
  const int m = num + 1;
  double sld = incident;
  if (num == model.NumLayers + 1) {
    sld = solvent;
  } else if (num >= 1) {
    const double fraction = model.SolventFraction[static_cast<size_t>(num)];
    sld = (1 - fraction) * static_cast<double>(model.LayerSLD[static_cast<size_t>(num)]) +
          solvent * fraction;
    st.effectiveSLD[num] = sld;
  }
  st.refIndex[m] = 1 - sld * physics::SLDToIndex;
  const double difference = (incident - sld) * physics::SLDToIndex;  // n_m − n_1
  st.shift[m] = standardKinematics_ ? 2 * difference : difference * (st.refIndex[m] + st.refIndex[1]);
}

void ReflectivityEngine::updateThicknesses(const LayerModel& model, int ds) {
  SetState& st = sets_[slot(ds)];
  for (int m = 2; m <= model.NumLayers + 1; ++m)
    st.phaseScale[m] = static_cast<double>(model.Thickness[static_cast<size_t>(m - 1)]) * physics::K0;
}

void ReflectivityEngine::prepareMedia(const LayerModel& model, int ds) {
  SetState& st = sets_[slot(ds)];
  st.numLayers = model.NumLayers;
  for (int num = 0; num <= model.NumLayers + 1; ++num) updateLayerIndex(model, ds, num);
  st.incidentIndex = standardKinematics_ ? 1.0 : st.refIndex[1];
  std::fill(std::begin(st.phaseScale), std::end(st.phaseScale), 0.0);
  updateThicknesses(model, ds);
  st.fresh = true;
  st.kept = false;
}

void ReflectivityEngine::Prof_Calc_1(const LayerModel& model, DataStore& store,
                                     const CalcOptions& options) {
  const int sets = std::clamp(store.NumDataSets, 0, kMaxDataSets);
  standardKinematics_ = options.exactQ;
  smeared_ = options.resolution.active();
  if (smeared_) {
    // The unsmeared terms are left unprepared: a later calculation without resolution
    // prepares them in full.
    for (int ds = 1; ds <= sets; ++ds) {
      chooseQPoints(store, options, ds);
      sets_[slot(ds)].numLayers = -1;
    }
    smearing().prepare(model, store, options);
    return;
  }
  for (int ds = 1; ds <= sets; ++ds) {
    chooseQPoints(store, options, ds);
    prepareMedia(model, ds);
    preparePoints(store, options, ds, store[ds].CalcFirst, store[ds].CalcLast);
  }
}

// The variants prepare the sets FirstCalcSet..LastCalcSet. A set whose layer count
// changed is left for Prof_Calc_2 to prepare in full.
void ReflectivityEngine::preparedVariant(const LayerModel& model, const DataStore& store, int num,
                                         bool index) {
  for (int ds = std::max(store.FirstCalcSet, 1); ds <= std::min(store.LastCalcSet, kMaxDataSets);
       ++ds) {
    if (sets_[slot(ds)].numLayers != model.NumLayers) continue;
    if (index && num >= 1 && num <= model.NumLayers) updateLayerIndex(model, ds, num);
    updateThicknesses(model, ds);
  }
}

void ReflectivityEngine::Prof_Calc_1_SLDChange(const LayerModel& model, const DataStore& store,
                                               int num) {
  if (smeared_) return smearing().afterChange(model, store, ResolutionSmearing::Change::SLD, num);
  preparedVariant(model, store, num, true);
}

void ReflectivityEngine::Prof_Calc_1_SolventChange(const LayerModel& model,
                                                   const DataStore& store, int num) {
  if (smeared_) return smearing().afterChange(model, store, ResolutionSmearing::Change::Solvent, num);
  preparedVariant(model, store, num, true);
}

void ReflectivityEngine::Prof_Calc_1_ThicknessChange(const LayerModel& model,
                                                     const DataStore& store, int num) {
  if (smeared_)
    return smearing().afterChange(model, store, ResolutionSmearing::Change::Thickness, num);
  preparedVariant(model, store, num, false);
}

}  // namespace lumo
