#include "model/SldProfile.h"

#include <algorithm>
#include <cmath>

namespace lumo {
namespace {

// Beyond six standard deviations an error-function step is complete to double precision.
constexpr double kStepEnd = 6.0;
// The points that trace an interface narrower than the spacing, in units of its roughness.
constexpr double kTrace[] = {-3, -2, -1, -0.5, 0, 0.5, 1, 2, 3};

size_t at(int i) { return static_cast<size_t>(i); }

// The fraction of the step of an interface at depth zj with roughness sigma reached at
// depth z; at a sharp step, `side` chooses the limit from above (−1) or below (+1), 0 the mean.
double stepFraction(double z, double zj, double sigma, int side) {
  if (sigma > 0) {
    const double u = (z - zj) / (sigma * std::sqrt(2.0));
    if (u < -kStepEnd) return 0;
    if (u > kStepEnd) return 1;
    return 0.5 * std::erfc(-u);
  }
  if (z != zj) return z < zj ? 0 : 1;
  return side < 0 ? 0 : side > 0 ? 1 : 0.5;
}

double roughnessOf(const LayerModel& model, int j) {
  return std::max(0.0, static_cast<double>(model.Roughness[at(j)]));
}

}  // namespace

MediaSLD mediaSLD(const LayerModel& model, int contrast) {
  MediaSLD sld{};
  const int n = std::clamp(model.NumLayers, 0, kMaxLayers);
  const double solvent = model.SolventSLD[at(std::clamp(contrast, 0, kMaxContrasts))];
  sld[1] = model.IncidentSLD;
  // As the calculation mixes them (ProfilePreparation.cpp).
  for (int i = 1; i <= n; ++i) {
    const double fraction = model.SolventFraction[at(i)];
    sld[at(i + 1)] = (1 - fraction) * static_cast<double>(model.LayerSLD[at(i)]) + solvent * fraction;
  }
  sld[at(n + 2)] = solvent;
  return sld;
}

std::array<double, kMaxLayers + 1> interfaceDepths(const LayerModel& model) {
  std::array<double, kMaxLayers + 1> z{};
  const int n = std::clamp(model.NumLayers, 0, kMaxLayers);
  for (int j = 1; j <= n; ++j) z[at(j)] = z[at(j - 1)] + std::max(0.0f, model.Thickness[at(j)]);
  return z;
}

DepthRange profileDepthRange(const LayerModel& model) {
  const int n = std::clamp(model.NumLayers, 0, kMaxLayers);
  const double total = interfaceDepths(model)[at(n)];
  double roughest = 0;
  for (int j = 0; j <= n; ++j) roughest = std::max(roughest, roughnessOf(model, j));
  const double margin = std::max({10.0, 0.1 * total, 4 * roughest});
  return {-margin, total + margin};
}

std::vector<double> sldAtDepths(const LayerModel& model, int contrast, const std::vector<double>& z) {
  const int n = std::clamp(model.NumLayers, 0, kMaxLayers);
  const MediaSLD sld = mediaSLD(model, contrast);
  const auto depth = interfaceDepths(model);
  std::vector<double> out;
  out.reserve(z.size());
  for (const double zi : z) {
    double rho = sld[1];
    for (int j = 0; j <= n; ++j)
      rho += (sld[at(j + 2)] - sld[at(j + 1)]) * stepFraction(zi, depth[at(j)], roughnessOf(model, j), 0);
    out.push_back(rho);
  }
  return out;
}

void SldProfiles::chooseDepths(const LayerModel& model, int points) {
  const int n = std::clamp(model.NumLayers, 0, kMaxLayers);
  points = std::max(points, 2);
  range_ = profileDepthRange(model);
  const double spacing = (range_.zMax - range_.zMin) / (points - 1);
  const auto depth = interfaceDepths(model);
  depths_.clear();
  for (int i = 0; i < points; ++i) depths_.push_back({range_.zMin + i * spacing, 0});
  for (int j = 0; j <= n; ++j) {
    const double sigma = roughnessOf(model, j), zj = depth[at(j)];
    if (sigma == 0) {
      depths_.push_back({zj, -1});
      depths_.push_back({zj, 1});
    } else if (sigma < spacing) {
      for (const double k : kTrace) depths_.push_back({zj + k * sigma, 0});
    }
  }
  std::sort(depths_.begin(), depths_.end(), [](const Depth& a, const Depth& b) {
    return a.z < b.z || (a.z == b.z && a.side < b.side);
  });
  z_.clear();
  for (const Depth& d : depths_) z_.push_back(d.z);
}

void SldProfiles::compute(const LayerModel& model, int contrasts, int points) {
  const int n = std::clamp(model.NumLayers, 0, kMaxLayers);
  contrasts_ = std::clamp(contrasts, 0, kMaxContrasts);
  chooseDepths(model, points);
  // The steps depend on the depths and roughnesses only: shared by every contrast.
  const auto depth = interfaceDepths(model);
  const size_t interfaces = at(n + 1);
  step_.resize(depths_.size() * interfaces);
  for (size_t i = 0; i < depths_.size(); ++i)
    for (int j = 0; j <= n; ++j)
      step_[i * interfaces + at(j)] =
          stepFraction(depths_[i].z, depth[at(j)], roughnessOf(model, j), depths_[i].side);
  for (int k = 1; k <= contrasts_; ++k) {
    const MediaSLD sld = mediaSLD(model, k);
    std::vector<double>& out = sld_[at(k)];
    out.resize(depths_.size());
    for (size_t i = 0; i < depths_.size(); ++i) {
      double rho = sld[1];
      const double* step = &step_[i * interfaces];
      for (int j = 0; j <= n; ++j) rho += (sld[at(j + 2)] - sld[at(j + 1)]) * step[j];
      out[i] = rho;
    }
  }
}

}  // namespace lumo
