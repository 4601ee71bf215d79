#pragma once
// Test oracle: the reflectivity formulas evaluated point by point in long double (64-bit
// mantissa), in their plain order, with nothing kept between calls: refractive indices
// n = 1 − SLDToIndex × SLD, normal wave numbers √(n² − n1² cos² θ), Fresnel coefficients
// damped by exp(−RoughnessFactor σ² k1 k2), interface matrices [[f, f r], [b r, b]] and
// their product from the top down. The engine's double results must agree with it to
// well within the digits that the formulas themselves keep.
#include <cmath>
#include <complex>

#include "model/LayerModel.h"

namespace lumo::test {

using Real = long double;
using Complex = std::complex<Real>;

inline Complex longDoubleWave(Real v) {
  if (v > 0) return {std::sqrt(v), 0};
  if (v < 0) return {0, std::sqrt(-v)};
  return {0, 0};
}

// R of contrast ds at Q (the program's sine conversion, or the argument itself with the
// standard kinematics, where n1 is taken as 1 and n² as 1 − 2 SLDToIndex (ρ − ρ1)).
inline Real longDoubleReflectivity(const LayerModel& model, int ds, Real q, bool exactQ = false) {
  const Real pi = 3.14159265359L, lambda = 12.0L;
  const Real toIndex = lambda * lambda / (2 * pi), k0 = 2 * pi / lambda;
  const Real roughnessFactor = physics::RoughnessFactor;  // single precision, as in the program
  const int n = model.NumLayers;
  Real sld[kMaxMedia + 2];
  sld[1] = model.IncidentSLD;
  sld[n + 2] = model.SolventSLD[ds];
  for (int i = 1; i <= n; ++i) {
    const Real f = model.SolventFraction[i];
    sld[i + 1] = (1 - f) * Real(model.LayerSLD[i]) + Real(model.SolventSLD[ds]) * f;
  }
  const Real argument = (q > 0 ? q : 0) * 12.0L / 12.56637061436L;
  const Real s = exactQ ? argument : std::sin(argument);
  const Real n1 = exactQ ? 1 : 1 - sld[1] * toIndex;
  Complex wave[kMaxMedia + 2];
  wave[1] = {s * n1, 0};
  for (int m = 2; m <= n + 2; ++m) {
    const Real index = 1 - sld[m] * toIndex;
    const Real squared = exactQ ? 1 - 2 * toIndex * (sld[m] - sld[1]) : index * index;
    wave[m] = longDoubleWave(squared - n1 * n1 * (1 - s * s));
  }
  Complex m11 = 1, m12 = 0, m21 = 0, m22 = 1;
  for (int k = 1; k <= n + 1; ++k) {
    const Complex k1 = wave[k], k2 = wave[k + 1];
    Complex r = k1 + k2 == Complex(0) ? Complex(0) : (k1 - k2) / (k1 + k2);
    const Real sigma = model.Roughness[k - 1];
    r *= std::exp(-roughnessFactor * sigma * sigma * k1 * k2);
    const Real thickness = k == 1 ? 0 : Real(model.Thickness[k - 1]);
    const Complex beta = thickness * k0 * k1;
    const Complex f = std::exp(Complex(0, 1) * beta), b = std::exp(-Complex(0, 1) * beta);
    const Complex c11 = f, c12 = f * r, c21 = b * r, c22 = b;
    const Complex p11 = m11 * c11 + m12 * c21, p12 = m11 * c12 + m12 * c22;
    const Complex p21 = m21 * c11 + m22 * c21, p22 = m21 * c12 + m22 * c22;
    m11 = p11, m12 = p12, m21 = p21, m22 = p22;
  }
  if (m11 == Complex(0)) return 1;
  return std::norm(m21) / std::norm(m11);
}

}  // namespace lumo::test
