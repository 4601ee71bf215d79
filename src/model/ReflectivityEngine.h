#pragma once
// Profile preparation and reflectivity of the layer model for every contrast.
//
// Preparation (Prof_Calc_1 and its variants) turns the model into the normal wave number
// and phase thickness of every medium at every calculation point; Prof_Calc_2 multiplies
// the interface matrices into each data set's reflectivity curve and residual.
//
// What does not change between calls is kept: a variant recomputes only the media whose
// refractive index or thickness differs from what their stored values were computed
// with, and Prof_Calc_2 keeps each interface matrix (Fresnel coefficient with its
// roughness damping and the phase factors) and the running matrix product after every
// interface. A change of one layer therefore recomputes one interface matrix and the
// products below it. Each kept value is what the plain calculation would compute again
// from the same inputs in the same order, so results are bit-identical to recomputing
// everything.
#include <cstdint>
#include <vector>

#include "files/DataSet.h"
#include "model/CalcOptions.h"
#include "model/LayerModel.h"
#include "model/Matrix.h"

namespace lumo {

class ReflectivityEngine {
 public:
  ReflectivityEngine();

  // Full preparation: chooses the Q points (grid or data), sets CalcFirst/CalcLast of
  // data sets 1..NumDataSets and derives every refractive index, wave number and phase.
  void Prof_Calc_1(const LayerModel& model, DataStore& store, const CalcOptions& options);
  // After LayerSLD(num) or SolventFraction(num) changed (data sets FirstCalcSet..LastCalcSet).
  void Prof_Calc_1_SLDChange(const LayerModel& model, const DataStore& store, int num);
  void Prof_Calc_1_SolventChange(const LayerModel& model, const DataStore& store, int num);
  // After Thickness(num) changed.
  void Prof_Calc_1_ThicknessChange(const LayerModel& model, const DataStore& store, int num);
  // Roughness enters only the reflectivity step.
  void Prof_Calc_1_RoughnessChange(int /*num*/) {}

  // Reflectivity (CalcR) of data sets FirstCalcSet..LastCalcSet over their calculation
  // ranges; with the residual on, their SetResidual. Returns the cumulative residual, the
  // sum of SetResidual over the calculated sets.
  float Prof_Calc_2(const LayerModel& model, DataStore& store, const CalcOptions& options);

  // Prepared values, for tests and diagnostics.
  double SinTheta(int ds, int pt) const { return sinTheta_[pointIndex(ds, pt)]; }
  double TransverseTerm(int ds, int pt) const { return transverse_[pointIndex(ds, pt)]; }
  double RefIndex(int ds, int m) const { return refIndex_[mediumIndex(ds, m)]; }
  double EffectiveSLD(int ds, int i) const { return effectiveSLD_[mediumIndex(ds, i)]; }
  Cplx WaveNumber(int ds, int pt, int m) const { return waveNumber_[index(ds, pt, m)]; }
  Cplx Phase(int ds, int pt, int m) const { return phase_[index(ds, pt, m)]; }

 private:
  static constexpr int kPointSlots = kMaxPoints + 1;
  static constexpr int kMediumSlots = kMaxMedia + 1;
  static size_t pointIndex(int ds, int pt) { return static_cast<size_t>(ds * kPointSlots + pt); }
  static size_t mediumIndex(int ds, int m) { return static_cast<size_t>(ds * kMediumSlots + m); }
  static size_t index(int ds, int pt, int m) {
    return (static_cast<size_t>(ds) * kPointSlots + static_cast<size_t>(pt)) * kMediumSlots +
           static_cast<size_t>(m);
  }

  // What an interface matrix was computed from.
  struct InterfaceKey {
    std::uint64_t upper = 0, lower = 0;  // versions of the two media
    float roughness = 0.0f;
    bool operator==(const InterfaceKey&) const = default;
  };

  struct SetState {
    int numLayers = 0;
    int preparedFirst = 1, preparedLast = 0;  // points with valid wave numbers
    int cachedFirst = 1, cachedLast = 0;      // points with valid matrices and products
    int productsValidTo = 0;                  // last interface with a valid running product
    std::uint64_t version[kMediumSlots] = {};
    double usedRefIndex[kMediumSlots] = {};
    float usedThickness[kMediumSlots] = {};
    InterfaceKey key[kMediumSlots] = {};
  };

  void computeSinTheta(const DataStore& store, const CalcOptions& options, int ds, int first,
                       int last);
  void chooseQPoints(DataStore& store, const CalcOptions& options, int ds);
  void prepareSet(const LayerModel& model, int ds, int first, int last);
  void prepareBoundaryMedia(const LayerModel& model, int ds, int first, int last);
  void updateLayerIndices(const LayerModel& model, int ds, int num);
  void setIndexSquared(const LayerModel& model, int ds, int m);
  void refreshChangedLayers(const LayerModel& model, int ds, int first, int last);
  void computeLayerMedium(const LayerModel& model, int ds, int m, int first, int last);
  void computeInterface(const LayerModel& model, int ds, int m, int first, int last);
  void refreshInterfaces(const LayerModel& model, int ds, int first, int last);
  void multiply(int ds, int first, int last, bool logY, DataSet& set);
  std::uint64_t newVersion() { return ++lastVersion_; }

  std::vector<double> sinTheta_, transverse_;
  std::vector<double> refIndex_;
  // RefIndex² of each medium; with the standard kinematics 1 − (λ²/π)(ρm − ρ1) instead.
  std::vector<double> indexSquared_;
  std::vector<double> effectiveSLD_;
  bool standardKinematics_ = false;
  std::vector<Cplx> waveNumber_, phase_;
  std::vector<Mat2> interface_, product_;
  std::vector<SetState> sets_;
  std::uint64_t lastVersion_ = 0;
};

}  // namespace lumo
