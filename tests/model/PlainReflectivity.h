#pragma once
// Test oracle: the reflectivity calculation written out point by point in the plain
// order of its formulas, with nothing kept between calls and nothing skipped (every
// exponential, sine and cosine is evaluated). The engine must agree with it bit for bit.
#include <cmath>

#include "files/DataSet.h"
#include "model/LayerModel.h"
#include "model/Matrix.h"

namespace lumo::test {

inline Cplx plainWave(double v) {
  if (v > 0) return {std::sqrt(v), 0};
  if (v < 0) return {0, std::sqrt(-v)};
  return {0, 0};
}

// R at one sin θ for contrast ds.
inline double plainReflectivity(const LayerModel& model, int ds, double sinTheta) {
  const int n = model.NumLayers;
  double refIndex[kMaxMedia + 2];
  refIndex[1] = 1 - static_cast<double>(model.IncidentSLD) * physics::SLDToIndex;
  refIndex[n + 2] = 1 - static_cast<double>(model.SolventSLD[ds]) * physics::SLDToIndex;
  for (int i = 1; i <= n; ++i) {
    const double f = model.SolventFraction[i];
    const double eff = (1 - f) * static_cast<double>(model.LayerSLD[i]) +
                       static_cast<double>(model.SolventSLD[ds]) * f;
    refIndex[i + 1] = 1 - eff * physics::SLDToIndex;
  }
  const double t = refIndex[1] * refIndex[1] * (1 - sinTheta * sinTheta);
  Cplx wave[kMaxMedia + 2], phase[kMaxMedia + 2];
  wave[1] = {sinTheta * refIndex[1], 0};
  phase[1] = {0, 0};
  wave[n + 2] = plainWave(refIndex[n + 2] * refIndex[n + 2] - t);
  for (int m = 2; m <= n + 1; ++m) {
    const double v = refIndex[m] * refIndex[m] - t;
    wave[m] = plainWave(v);
    const double dk = static_cast<double>(model.Thickness[m - 1]) * physics::K0;
    phase[m] = {dk * wave[m].re, dk * wave[m].im};
  }
  Mat2 m;
  for (int k = 1; k <= n + 1; ++k) {
    const Cplx k1 = wave[k], k2 = wave[k + 1];
    const Cplx s = k1 + k2;
    Cplx r{0, 0};
    if (!(s.re == 0 && s.im == 0)) {
      const double d = s.re * s.re + s.im * s.im;
      r = {((k1.re * k1.re + k1.im * k1.im) - (k2.re * k2.re + k2.im * k2.im)) / d,
           ((k1.im - k2.im) * (k1.re + k2.re) - (k1.im + k2.im) * (k1.re - k2.re)) / d};
    }
    const double sigma = model.Roughness[k - 1];
    const double a = -static_cast<double>(physics::RoughnessFactor) * (sigma * sigma);
    const Cplx p = k1 * k2;
    const double ere = a * p.re, eim = a * p.im;
    r = r * Cplx{std::exp(ere) * std::cos(eim), std::exp(ere) * std::sin(eim)};
    const Cplx beta = phase[k];
    Mat2 c;
    c.m11 = {std::exp(-beta.im) * std::cos(beta.re), std::exp(-beta.im) * std::sin(beta.re)};
    c.m22 = {std::exp(beta.im) * std::cos(beta.re), std::exp(beta.im) * -std::sin(beta.re)};
    c.m12 = c.m11 * r;
    c.m21 = c.m22 * r;
    Mat2 product;
    Matrix(m, c, product);
    m = product;
  }
  if (m.m11.re == 0 && m.m11.im == 0) return 1.0;
  return (m.m21.re * m.m21.re + m.m21.im * m.m21.im) /
         (m.m11.im * m.m11.im + m.m11.re * m.m11.re);
}

inline double plainSinTheta(double q, bool exactQ) {
  const double a = q * 12.0 / 12.56637061436;
  return exactQ ? a : std::sin(a);
}

}  // namespace lumo::test
