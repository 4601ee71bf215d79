#include "TextbookReflectivity.h"

#include <cmath>
#include <complex>

namespace lumo::bench {

std::vector<double> textbookLogReflectivity(const LayerModel& model, int contrast,
                                            const std::vector<double>& q) {
  using C = std::complex<double>;
  const int n = model.NumLayers;
  const double k0 = physics::K0;
  std::vector<double> sld(static_cast<size_t>(n + 2));
  sld[0] = model.IncidentSLD;
  for (int i = 1; i <= n; ++i) {
    const double f = model.SolventFraction[i];
    sld[static_cast<size_t>(i)] = (1 - f) * model.LayerSLD[i] + f * model.SolventSLD[contrast];
  }
  sld[static_cast<size_t>(n + 1)] = model.SolventSLD[contrast];
  std::vector<double> result;
  result.reserve(q.size());
  std::vector<C> kz(static_cast<size_t>(n + 2));
  for (double qv : q) {
    const double sinTheta = std::sin(qv * 12.0 / 12.56637061436);
    const double n1 = 1 - sld[0] * physics::SLDToIndex;
    const double cos2 = n1 * n1 * (1 - sinTheta * sinTheta);
    for (size_t m = 0; m < kz.size(); ++m) {
      const double index = 1 - sld[m] * physics::SLDToIndex;
      kz[m] = k0 * std::sqrt(C(index * index - cos2, 0.0));
    }
    C m11 = 1, m12 = 0, m21 = 0, m22 = 1;
    for (int j = 0; j <= n; ++j) {
      const C k1 = kz[static_cast<size_t>(j)], k2 = kz[static_cast<size_t>(j + 1)];
      const double sigma = model.Roughness[static_cast<size_t>(j)];
      C r = (k1 + k2 == C(0.0)) ? C(0.0) : (k1 - k2) / (k1 + k2);
      // Névot–Croce: exp(−2 kz1 kz2 σ²), with the factor 2 = RoughnessFactor / k0².
      r *= std::exp(-(physics::RoughnessFactor / (k0 * k0)) * k1 * k2 * sigma * sigma);
      const double thickness = j == 0 ? 0.0 : model.Thickness[static_cast<size_t>(j)];
      const C forward = std::exp(C(0, 1) * k1 * thickness);
      const C backward = std::exp(-C(0, 1) * k1 * thickness);
      const C c11 = forward, c12 = forward * r, c21 = backward * r, c22 = backward;
      const C a11 = m11 * c11 + m12 * c21, a12 = m11 * c12 + m12 * c22;
      const C a21 = m21 * c11 + m22 * c21, a22 = m21 * c12 + m22 * c22;
      m11 = a11, m12 = a12, m21 = a21, m22 = a22;
    }
    const double reflectivity = m11 == C(0.0) ? 1.0 : std::norm(m21) / std::norm(m11);
    result.push_back(std::log10(reflectivity));
  }
  return result;
}

}  // namespace lumo::bench
