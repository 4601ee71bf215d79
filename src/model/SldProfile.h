#pragma once
// The scattering length density of the layer model against depth, per contrast.
//
// Depth z (Å) is 0 at the interface between the incident medium and layer 1 and grows
// into the sample: layer j lies between z_{j−1} and z_j = z_{j−1} + Thickness(j), the
// solvent of the contrast below z_N. Each medium has the SLD the calculation gives it
// (a layer's own SLD mixed with the contrast's solvent by its solvent fraction), and
// interface j (between the medium above z_j and the one below) is smoothed as an error
// function of its roughness σ_j centred on z_j:
//
//   ρ(z) = ρ_1 + Σ_j (ρ_{j+2} − ρ_{j+1}) · ½ [1 + erf((z − z_j) / (σ_j √2))],
//
// so that the SLD rises from 16 % to 84 % of a step over z_j ± σ_j. An interface of no
// roughness is a sharp step.
#include <array>
#include <cstddef>
#include <vector>

#include "model/LayerModel.h"

namespace lumo {

// The SLD (Å^-2) of every medium of contrast `contrast` as the calculation uses it:
// media 1 (incident), 2..N+1 (layers), N+2 (the contrast's solvent).
using MediaSLD = std::array<double, kMaxMedia + 1>;
MediaSLD mediaSLD(const LayerModel& model, int contrast);

// The depth z_j of every interface j = 0..N.
std::array<double, kMaxLayers + 1> interfaceDepths(const LayerModel& model);

// The depths a profile is shown over: the whole stack with a margin on either side of
// a tenth of its thickness, at least 10 Å and at least four times the largest roughness.
struct DepthRange {
  double zMin = 0, zMax = 0;
};
DepthRange profileDepthRange(const LayerModel& model);

// ρ(z) of contrast `contrast` at each depth of `z`, in Å^-2. At the depth of a sharp
// interface the value is the mean of the two media.
std::vector<double> sldAtDepths(const LayerModel& model, int contrast, const std::vector<double>& z);

inline constexpr int kProfilePoints = 401;

// The profiles of contrasts 1..count on one set of depths, for drawing: `points` evenly
// spaced depths over profileDepthRange, plus points that trace every interface narrower
// than the spacing (both sides of a sharp step at its depth, so that it is drawn
// upright). Recomputing reuses the storage of the last computation.
class SldProfiles {
 public:
  void compute(const LayerModel& model, int contrasts, int points = kProfilePoints);

  DepthRange range() const { return range_; }
  int contrasts() const { return contrasts_; }
  const std::vector<double>& z() const { return z_; }
  // Å^-2, one value per depth.
  const std::vector<double>& sld(int contrast) const { return sld_[static_cast<std::size_t>(contrast)]; }

 private:
  // A depth, and at a sharp step the side it is taken on: −1 above, +1 below, 0 the mean.
  struct Depth {
    double z;
    int side;
  };
  void chooseDepths(const LayerModel& model, int points);

  DepthRange range_;
  int contrasts_ = 0;
  std::vector<Depth> depths_;
  std::vector<double> z_;
  std::vector<double> step_;  // per depth and interface: the fraction of step j reached
  std::array<std::vector<double>, kMaxContrasts + 1> sld_;
};

}  // namespace lumo
