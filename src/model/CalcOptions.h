#pragma once
// Window state that the calculation reads at the time of each call.

namespace lumo {

enum class ResidualMeasure { LeastSquares, ChiSquared };

// Instrument resolution: the calculated curve smeared with a Gaussian in Q.
inline constexpr double kMaxResolutionPercent = 20;
struct Resolution {
  // dQ/Q as a full width at half maximum, in per cent; 0 leaves the curve unsmeared.
  double percent = 0;
  // Data sets that carry their own resolution (an ORSO file's sQz) are smeared with it,
  // point by point; the others with `percent`.
  bool fromData = false;

  bool active() const { return percent > 0 || fromData; }
  bool operator==(const Resolution&) const = default;
};

struct CalcOptions {
  // Increase-points marker "1": calculate on GridQ (linear Q) instead of the data's Q.
  bool gridMode = false;
  // Number of grid points (the "Number Of Points" box); used in grid mode.
  int gridPoints = 0;
  // "Log X": the data store holds log10 Q.
  bool logX = false;
  // "Log Y": the calculated curve is stored as log10 R.
  bool logY = true;
  // Standard kinematics, for validation against other programs: sin θ = Qλ/(4π) instead
  // of the sine of that argument, and normal wave vectors kz = √(Q²/4 − 4π(ρ − ρ1)) in
  // place of k0 √(n² − n1² cos² θ) with n = 1 − λ²ρ/(2π).
  bool exactQ = false;
  // "Show Residual": the residual of every data set is recomputed.
  bool residualOn = false;
  ResidualMeasure measure = ResidualMeasure::LeastSquares;
  // Off by default: every curve is then calculated exactly as without it.
  Resolution resolution;
};

}  // namespace lumo
