// Prof_Calc_2: the characteristic-matrix product over every interface, with Fresnel
// coefficients damped by the Névot–Croce roughness factor.
#include <algorithm>
#include <cmath>
#include <limits>

#include "files/DisplayScale.h"
#include "model/ReflectivityEngine.h"
#include "model/Residual.h"

namespace lumo {
namespace {

// r = (k1 − k2) / (k1 + k2), and 0 where k1 + k2 is exactly zero.
Cplx fresnel(Cplx k1, Cplx k2) {
  const Cplx sum = k1 + k2;
  if (sum.re == 0 && sum.im == 0) return {};
  const double d = sum.re * sum.re + sum.im * sum.im;
  return {((k1.re * k1.re + k1.im * k1.im) - (k2.re * k2.re + k2.im * k2.im)) / d,
          ((k1.im - k2.im) * (k1.re + k2.re) - (k1.im + k2.im) * (k1.re - k2.re)) / d};
}

// exp(re) × (cos im + i sin im). Wave numbers are real or imaginary, so one of the two
// parts is usually exactly zero; exp(0) = cos(0) = 1 and sin(0) = 0 exactly, so skipping
// those calls changes no bit of the result.
Cplx expOf(double re, double im) {
  const double magnitude = re == 0 ? 1.0 : std::exp(re);
  if (im == 0) return {magnitude * 1.0, magnitude * 0.0};
  return {magnitude * std::cos(im), magnitude * std::sin(im)};
}

// Fresnel coefficient damped by exp(−RoughnessFactor σ² k1 k2).
Cplx dampedFresnel(Cplx k1, Cplx k2, float sigma) {
  const Cplx r = fresnel(k1, k2);
  if (sigma == 0) return r;  // the damping factor is exactly 1
  const double a = -static_cast<double>(physics::RoughnessFactor) *
                   (static_cast<double>(sigma) * static_cast<double>(sigma));
  const Cplx k1k2 = k1 * k2;
  return r * expOf(a * k1k2.re, a * k1k2.im);
}

// The interface matrix [[exp(iβ), exp(iβ) r], [exp(−iβ) r, exp(−iβ)]].
Mat2 interfaceMatrix(Cplx r, Cplx beta) {
  const double c = beta.re == 0 ? 1.0 : std::cos(beta.re);
  const double s = beta.re == 0 ? 0.0 : std::sin(beta.re);
  const double down = beta.im == 0 ? 1.0 : std::exp(-beta.im);
  const double up = beta.im == 0 ? 1.0 : std::exp(beta.im);
  Mat2 c2;
  c2.m11 = {down * c, down * s};
  c2.m22 = {up * c, up * -s};
  c2.m12 = c2.m11 * r;
  c2.m21 = c2.m22 * r;
  return c2;
}

double reflectivityOf(const Mat2& m) {
  if (m.m11.re == 0 && m.m11.im == 0) return 1.0;
  return (m.m21.re * m.m21.re + m.m21.im * m.m21.im) /
         (m.m11.im * m.m11.im + m.m11.re * m.m11.re);
}

// R = 0 (every medium of one SLD) has no logarithm; it is stored as the logarithm of
// the smallest normal double, far below anything plotted.
double storedLog(double r) {
  static const double logOfZero = log10Of(std::numeric_limits<double>::min());
  return r > 0 ? log10Of(r) : logOfZero;
}

}  // namespace

void ReflectivityEngine::computeInterface(const LayerModel& model, int ds, int m, int first,
                                          int last) {
  const float sigma = model.Roughness[static_cast<size_t>(m - 1)];
  for (int pt = first; pt <= last; ++pt) {
    const size_t at = index(ds, pt, m);
    const Cplx r = dampedFresnel(waveNumber_[at], waveNumber_[at + 1], sigma);
    interface_[at] = interfaceMatrix(r, phase_[at]);
  }
}

void ReflectivityEngine::refreshInterfaces(const LayerModel& model, int ds, int first,
                                           int last) {
  SetState& st = sets_[static_cast<size_t>(ds)];
  if (first != st.cachedFirst || last != st.cachedLast) {
    std::fill(std::begin(st.key), std::end(st.key), InterfaceKey{});
    st.productsValidTo = 0;
    st.cachedFirst = first;
    st.cachedLast = last;
  }
  for (int m = 1; m <= st.numLayers + 1; ++m) {
    const InterfaceKey key{st.version[m], st.version[m + 1],
                           model.Roughness[static_cast<size_t>(m - 1)]};
    if (key == st.key[m]) continue;
    computeInterface(model, ds, m, first, last);
    st.key[m] = key;
    st.productsValidTo = std::min(st.productsValidTo, m - 1);
  }
}

void ReflectivityEngine::multiply(int ds, int first, int last, bool logY, DataSet& set) {
  SetState& st = sets_[static_cast<size_t>(ds)];
  const int lastInterface = st.numLayers + 1;
  const int start = st.productsValidTo + 1;
  for (int pt = first; pt <= last; ++pt) {
    const size_t base = index(ds, pt, 0);
    Mat2 m = start == 1 ? Mat2{} : product_[base + static_cast<size_t>(start - 1)];
    for (int k = start; k <= lastInterface; ++k) {
      Mat2 p;
      Matrix(m, interface_[base + static_cast<size_t>(k)], p);
      m = p;
      product_[base + static_cast<size_t>(k)] = m;
    }
    const double r = reflectivityOf(m);
    set.CalcR[pt] = logY ? storedLog(r) : r;
  }
  st.productsValidTo = lastInterface;
}

float ReflectivityEngine::Prof_Calc_2(const LayerModel& model, DataStore& store,
                                      const CalcOptions& options) {
  float total = 0.0f;
  for (int ds = std::max(store.FirstCalcSet, 1); ds <= std::min(store.LastCalcSet, kMaxDataSets);
       ++ds) {
    DataSet& set = store[ds];
    const int first = std::max(set.CalcFirst, 1);
    const int last = std::min(set.CalcLast, kMaxPoints);
    if (first <= last) {
      const SetState& st = sets_[static_cast<size_t>(ds)];
      // A range outside the prepared points (a restored point range) or a changed layer
      // count is prepared first, so that no stale wave number is ever used.
      if (st.numLayers != model.NumLayers || first < st.preparedFirst || last > st.preparedLast) {
        computeSinTheta(store, options, ds, first, last);
        prepareSet(model, ds, first, last);
      }
      refreshInterfaces(model, ds, first, last);
      multiply(ds, first, last, options.logY, set);
    }
    if (options.residualOn) updateResidual(set, options.measure);
    total += set.SetResidual;
  }
  return total;
}

}  // namespace lumo
