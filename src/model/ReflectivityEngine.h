#pragma once
// Profile preparation and reflectivity of the layer model for every contrast.
//
// Preparation (Prof_Calc_1 and its variants) turns the model into what every medium and
// calculation point needs: sin θ, the incident wave number n1 sin θ and, per medium, the
// refractive index and phase scale (thickness × K0). Prof_Calc_2 forms each data set's
// curve and residual with the characteristic-matrix method: per point and interface a
// normal wave number, a Fresnel coefficient damped by the Névot–Croce factor, the phase
// factors of the medium above and a product of 2 × 2 complex matrices.
//
// What does not change between calculations is kept (model/ReflectivityKernel.h): the
// wave numbers, damped Fresnel terms and phase factors of every medium, and the product
// split at one interface into the rows above it and the column below it, both kept at
// every interface. A change of one layer therefore recomputes only that layer's terms
// and a few vector-matrix products per point, whatever its depth; after a full
// preparation the whole product is formed in one pass and nothing is kept.
//
// The kept product is associated differently from a fresh one, so an incremental result
// agrees with a fresh full calculation to rounding (within 1e-12 relative), not to the
// last bit. With a focus layer (setFocusLayer) the split stays below that layer and the
// results depend only on the model: the same model gives the same bits whatever changes
// came before, which lets a fit spread its evaluations over several engines.
//
// With a resolution in the options, Prof_Calc_1 and Prof_Calc_2 form every curve smeared
// (model/ResolutionSmearing.h); without one, nothing of it is touched.
//
// The loops over points run in the kernel of the processor's instruction set
// (model/InstructionSet.h); they hold no allocation.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

#include "files/DataSet.h"
#include "model/CalcOptions.h"
#include "model/InstructionSet.h"
#include "model/LayerModel.h"
#include "model/Matrix.h"
#include "model/ReflectivityKernel.h"
#include "model/ResolutionSmearing.h"

namespace lumo {

class ReflectivityEngine {
 public:
  static constexpr int kNoFocus = -1;

  explicit ReflectivityEngine(InstructionSet set = selectedInstructionSet());
  ~ReflectivityEngine();
  ReflectivityEngine(ReflectivityEngine&&) noexcept;
  ReflectivityEngine& operator=(ReflectivityEngine&&) noexcept;

  // Sets CalcFirst/CalcLast of data set ds: the grid's points or the data's used range.
  static void chooseQPoints(DataStore& store, const CalcOptions& options, int ds);

  // Full preparation: chooses the Q points (grid or data), sets CalcFirst/CalcLast of
  // data sets 1..NumDataSets and derives every refractive index and sin θ.
  void Prof_Calc_1(const LayerModel& model, DataStore& store, const CalcOptions& options);
  // After LayerSLD(num) or SolventFraction(num) changed (data sets FirstCalcSet..LastCalcSet);
  // also takes up every changed thickness.
  void Prof_Calc_1_SLDChange(const LayerModel& model, const DataStore& store, int num);
  void Prof_Calc_1_SolventChange(const LayerModel& model, const DataStore& store, int num);
  // After Thickness(num) changed. Every layer whose thickness differs from its prepared
  // one is taken up, so several thicknesses changed before one call are all calculated.
  void Prof_Calc_1_ThicknessChange(const LayerModel& model, const DataStore& store, int num);
  // Roughness enters only the reflectivity step, which reads it from the model.
  void Prof_Calc_1_RoughnessChange(int /*num*/) {}

  // Reflectivity (CalcR) of data sets FirstCalcSet..LastCalcSet over their calculation
  // ranges; with the residual on, their SetResidual. Returns the cumulative residual, the
  // sum of SetResidual over the calculated sets.
  float Prof_Calc_2(const LayerModel& model, DataStore& store, const CalcOptions& options);

  // The layer (0..NumLayers; 0 for "Roughness Layer 0") whose thickness, SLD, solvent
  // fraction or roughness the caller is about to change from one calculation to the
  // next, as a fit does; kNoFocus lets the split follow each change. With a focus, each
  // change of that layer costs O(1) matrix work per point, and results depend only on
  // the model.
  void setFocusLayer(int layer);
  InstructionSet instructionSet() const { return set_; }

  // Prepared values, for tests and diagnostics.
  double SinTheta(int ds, int pt) const { return arrays(ds).sinTheta[pt]; }
  double TransverseTerm(int ds, int pt) const;
  double RefIndex(int ds, int m) const { return sets_[slot(ds)].refIndex[m]; }
  double EffectiveSLD(int ds, int i) const { return sets_[slot(ds)].effectiveSLD[i]; }
  Cplx WaveNumber(int ds, int pt, int m) const;
  Cplx Phase(int ds, int pt, int m) const;

 private:
  static constexpr int kSlots = kMaxMedia + 1;  // media and interfaces 0..22

  // What the kept terms of a contrast were computed with, and how far they hold.
  struct SetState {
    int numLayers = 0;
    int preparedFirst = 1, preparedLast = 0;  // points with a valid sin θ
    bool fresh = false;                       // fully prepared, not calculated since
    bool kept = false;                        // wave numbers, phases and Fresnel terms kept
    int keptFirst = 1, keptLast = 0;          // ... for these points
    int rowsTo = 1;                           // rows A_m kept for m <= rowsTo
    int columnsFrom = kSlots;                 // columns v_m kept for m >= columnsFrom
    int split = 1;                            // split of the last calculation
    double incidentIndex = 1;                 // n1 of the prepared points
    double refIndex[kSlots] = {};
    double effectiveSLD[kSlots] = {};
    double shift[kSlots] = {};       // n_m² − n_1² (prepared)
    double phaseScale[kSlots] = {};  // thickness × K0 (prepared)
    double damping[kSlots] = {};     // −RoughnessFactor σ² (read at each calculation)
    double keptShift[kSlots] = {}, keptPhaseScale[kSlots] = {}, keptDamping[kSlots] = {};
  };

  struct AlignedDelete {
    void operator()(double* p) const { ::operator delete[](p, std::align_val_t{64}); }
  };

  static size_t slot(int ds) { return static_cast<size_t>(ds); }
  const kernel::SetArrays& arrays(int ds) const { return arrays_[slot(ds)]; }

  void preparePoints(const DataStore& store, const CalcOptions& options, int ds, int first,
                     int last);
  void prepareMedia(const LayerModel& model, int ds);
  void updateLayerIndex(const LayerModel& model, int ds, int num);
  void updateThicknesses(const LayerModel& model, int ds);
  void preparedVariant(const LayerModel& model, const DataStore& store, int num, bool index);
  ResolutionSmearing& smearing();

  void calculateSet(const LayerModel& model, DataSet& set, int ds, bool logY);
  void fullPass(DataSet& set, int ds, int first, int last, bool logY);
  void partialPass(DataSet& set, int ds, int first, int last, bool logY);
  int focusInterface(const SetState& st) const;

  InstructionSet set_;
  const kernel::Table* kernel_;
  int focus_ = kNoFocus;
  bool standardKinematics_ = false;
  std::unique_ptr<double[], AlignedDelete> buffer_;
  std::vector<kernel::SetArrays> arrays_;  // [ds]
  std::vector<SetState> sets_;             // [ds]
  std::unique_ptr<ResolutionSmearing> smearing_;
  bool smeared_ = false;  // prepared with a resolution
};

}  // namespace lumo
