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
// roughness damping and the phase factors) and the running matrix product above the
// layers that have been changed. A change of one layer therefore recomputes one
// interface matrix and the products below it. Each kept value is what the calculation would compute again from
// the same inputs in the same order, so results are bit-identical to recomputing
// everything.
//
// Points are stored in blocks of four and calculated four at a time (model/SimdMath.h);
// every point still goes through exactly the operations of a one-point calculation.
#include <cstdint>
#include <vector>

#include "files/DataSet.h"
#include "model/CalcOptions.h"
#include "model/LayerModel.h"
#include "model/Matrix.h"
#include "model/SimdMath.h"

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
  // After Thickness(num) changed. Every layer whose thickness differs from its stored
  // phase is recomputed, so several thicknesses changed before one call are all taken up.
  void Prof_Calc_1_ThicknessChange(const LayerModel& model, const DataStore& store, int num);
  // Roughness enters only the reflectivity step.
  void Prof_Calc_1_RoughnessChange(int /*num*/) {}

  // Reflectivity (CalcR) of data sets FirstCalcSet..LastCalcSet over their calculation
  // ranges; with the residual on, their SetResidual. Returns the cumulative residual, the
  // sum of SetResidual over the calculated sets.
  float Prof_Calc_2(const LayerModel& model, DataStore& store, const CalcOptions& options);

  // Prepared values, for tests and diagnostics.
  double SinTheta(int ds, int pt) const { return angles_[blockIndex(ds, pt)].sinTheta[lane(pt)]; }
  double TransverseTerm(int ds, int pt) const {
    return angles_[blockIndex(ds, pt)].transverse[lane(pt)];
  }
  double RefIndex(int ds, int m) const { return refIndex_[mediumIndex(ds, m)]; }
  double EffectiveSLD(int ds, int i) const { return effectiveSLD_[mediumIndex(ds, i)]; }
  Cplx WaveNumber(int ds, int pt, int m) const;
  Cplx Phase(int ds, int pt, int m) const;

 private:
  using V4 = simd::V4;
  static constexpr int kBlocks = kMaxPoints / simd::kLanes + 1;  // points 0..515
  static constexpr int kMediumSlots = kMaxMedia + 1;

  // sin θ and n1² cos² θ at four points. (Vectors live in structs: a vector type's
  // alignment is lost when it is a template argument directly.)
  struct AngleBlock {
    V4 sinTheta, transverse;
  };
  // Normal wave numbers and phase thicknesses of one medium at four points.
  struct MediumBlock {
    V4 waveRe, waveIm, phaseRe, phaseIm;
  };
  // A complex 2×2 matrix at four points.
  struct MatrixBlock {
    V4 m11re, m11im, m12re, m12im, m21re, m21im, m22re, m22im;
  };

  static int lane(int pt) { return pt % simd::kLanes; }
  static int block(int pt) { return pt / simd::kLanes; }
  static size_t blockIndex(int ds, int pt) {
    return static_cast<size_t>(ds * kBlocks + block(pt));
  }
  static size_t mediumIndex(int ds, int m) { return static_cast<size_t>(ds * kMediumSlots + m); }
  static size_t index(int ds, int m, int b) {
    return (static_cast<size_t>(ds) * kMediumSlots + static_cast<size_t>(m)) * kBlocks +
           static_cast<size_t>(b);
  }

  // What an interface matrix was computed from.
  struct InterfaceKey {
    // Versions of the upper medium's wave numbers and phases and of the lower medium's
    // wave numbers: a changed thickness touches only the interface below the layer's top.
    std::uint64_t upperWave = 0, upperPhase = 0, lowerWave = 0;
    float roughness = 0.0f;
    bool operator==(const InterfaceKey&) const = default;
  };

  struct SetState {
    int numLayers = 0;
    int preparedFirst = 1, preparedLast = 0;  // points with valid wave numbers
    int cachedFirst = 1, cachedLast = 0;      // points with valid matrices and products
    int productsValidTo = 0;                  // last interface with a valid stored product
    int keepProductsTo = 0;                   // products stored up to this interface
    std::uint64_t waveVersion[kMediumSlots] = {};
    std::uint64_t phaseVersion[kMediumSlots] = {};
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

  std::vector<AngleBlock> angles_;         // [ds][block]
  std::vector<double> refIndex_;           // [ds][medium]
  // RefIndex² of each medium; with the standard kinematics 1 − (λ²/π)(ρm − ρ1) instead.
  std::vector<double> indexSquared_;
  std::vector<double> effectiveSLD_;       // [ds][layer]
  std::vector<MediumBlock> media_;         // [ds][medium][block]
  std::vector<MatrixBlock> interface_;     // [ds][interface][block]
  std::vector<MatrixBlock> product_;       // [ds][interface][block], product up to it
  std::vector<SetState> sets_;
  std::uint64_t lastVersion_ = 0;
  bool standardKinematics_ = false;
};

}  // namespace lumo
