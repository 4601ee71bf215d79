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

using simd::V4;

struct C4 {  // complex numbers at four points
  V4 re, im;
};

LUMO_ALWAYS_INLINE C4 mul(C4 a, C4 b) {
  return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}

// r = (k1 − k2) / (k1 + k2), and 0 where k1 + k2 is exactly zero.
LUMO_ALWAYS_INLINE C4 fresnel(C4 k1, C4 k2) {
  const V4 sumRe = k1.re + k2.re, sumIm = k1.im + k2.im;
  const auto zero = (sumRe == 0) & (sumIm == 0);
  const V4 d = sumRe * sumRe + sumIm * sumIm;
  const V4 re = ((k1.re * k1.re + k1.im * k1.im) - (k2.re * k2.re + k2.im * k2.im)) / d;
  const V4 im = ((k1.im - k2.im) * (k1.re + k2.re) - (k1.im + k2.im) * (k1.re - k2.re)) / d;
  return {simd::select(zero, V4{}, re), simd::select(zero, V4{}, im)};
}

// exp(re) × (cos im + i sin im). Wave numbers are real or imaginary, so one of the two
// parts is usually exactly zero; exp(0) = cos(0) = 1 and sin(0) = 0 exactly, and the
// functions are only evaluated for blocks that need them.
LUMO_ALWAYS_INLINE C4 expOf(V4 re, V4 im) {
  const V4 one = simd::splat(1.0);
  const auto reZero = re == 0, imZero = im == 0;
  const V4 magnitude = simd::any(~reZero) ? simd::select(reZero, one, simd::exp(re)) : one;
  V4 c = one, s{};
  if (simd::any(~imZero)) {
    simd::sincos(im, s, c);
    c = simd::select(imZero, one, c);
    s = simd::select(imZero, V4{}, s);
  }
  return {magnitude * c, magnitude * s};
}

// Fresnel coefficient damped by exp(−RoughnessFactor σ² k1 k2).
LUMO_ALWAYS_INLINE C4 dampedFresnel(C4 k1, C4 k2, float sigma) {
  const C4 r = fresnel(k1, k2);
  if (sigma == 0) return r;  // the damping factor is exactly 1
  const double a = -static_cast<double>(physics::RoughnessFactor) *
                   (static_cast<double>(sigma) * static_cast<double>(sigma));
  const C4 k1k2 = mul(k1, k2);
  return mul(r, expOf(a * k1k2.re, a * k1k2.im));
}

// The phase factors exp(iβ) = exp(−Im β)(cos Re β + i sin Re β) and
// exp(−iβ) = exp(Im β)(cos Re β − i sin Re β).
LUMO_ALWAYS_INLINE void phaseFactors(V4 betaRe, V4 betaIm, C4& forward, C4& backward) {
  const V4 one = simd::splat(1.0);
  V4 c = one, s{};
  const auto reZero = betaRe == 0;
  if (simd::any(~reZero)) {
    simd::sincos(betaRe, s, c);
    c = simd::select(reZero, one, c);
    s = simd::select(reZero, V4{}, s);
  }
  V4 down = one, up = one;
  const auto imZero = betaIm == 0;
  if (simd::any(~imZero)) {
    down = simd::select(imZero, one, simd::exp(-betaIm));
    up = simd::select(imZero, one, simd::exp(betaIm));
  }
  forward = {down * c, down * s};
  backward = {up * c, up * -s};
}

// R = |M21|² / |M11|², and 1 where M11 is exactly zero; stored as log10 R while the
// Y axis is logarithmic. R = 0 (every medium of one SLD) has no logarithm: it is stored
// as the logarithm of the smallest normal double, far below anything plotted.
LUMO_ALWAYS_INLINE V4 storedReflectivity(V4 m11re, V4 m11im, V4 m21re, V4 m21im, bool logY) {
  const auto singular = (m11re == 0) & (m11im == 0);
  V4 r = simd::select(singular, simd::splat(1.0),
                      (m21re * m21re + m21im * m21im) / (m11im * m11im + m11re * m11re));
  // Several thick layers below their critical angle can grow the product beyond the
  // double range (inf / inf); such a stack reflects totally.
  r = simd::select(r == r, r, simd::splat(1.0));
  if (!logY) return r;
  static const double ln10 = std::log(10.0);
  static const double logOfZero = log10Of(std::numeric_limits<double>::min());
  const auto positive = r > 0;
  return simd::select(positive, simd::log(simd::select(positive, r, simd::splat(1.0))) / ln10,
                      simd::splat(logOfZero));
}

}  // namespace

LUMO_VECTOR_CLONES void ReflectivityEngine::computeInterface(const LayerModel& model, int ds, int m, int first,
                                          int last) {
  const float sigma = model.Roughness[static_cast<size_t>(m - 1)];
  for (int b = block(first); b <= block(last); ++b) {
    const MediumBlock& upper = media_[index(ds, m, b)];
    const MediumBlock& lower = media_[index(ds, m + 1, b)];
    const C4 r = dampedFresnel({upper.waveRe, upper.waveIm}, {lower.waveRe, lower.waveIm}, sigma);
    C4 forward, backward;
    phaseFactors(upper.phaseRe, upper.phaseIm, forward, backward);
    const C4 c12 = mul(forward, r), c21 = mul(backward, r);
    interface_[index(ds, m, b)] = {forward.re, forward.im, c12.re,      c12.im,
                                   c21.re,     c21.im,     backward.re, backward.im};
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
  int firstChanged = 0;
  for (int m = 1; m <= st.numLayers + 1; ++m) {
    const InterfaceKey key{st.waveVersion[m], st.phaseVersion[m], st.waveVersion[m + 1],
                           model.Roughness[static_cast<size_t>(m - 1)]};
    if (key == st.key[m]) continue;
    computeInterface(model, ds, m, first, last);
    st.key[m] = key;
    st.productsValidTo = std::min(st.productsValidTo, m - 1);
    if (firstChanged == 0) firstChanged = m;
  }
  // A change below the top interface will likely come again (a scroll bar dragged, a
  // scan): from now on the running product above it is kept, so that the next change
  // there starts from it. Products further down are not stored, which saves their
  // memory traffic.
  if (firstChanged > 1) st.keepProductsTo = std::max(st.keepProductsTo, firstChanged - 1);
}

LUMO_VECTOR_CLONES void ReflectivityEngine::multiply(int ds, int first, int last, bool logY, DataSet& set) {
  SetState& st = sets_[static_cast<size_t>(ds)];
  const int lastInterface = st.numLayers + 1;
  const int start = st.productsValidTo + 1;
  const int keep = st.keepProductsTo;
  for (int b = block(first); b <= block(last); ++b) {
    MatrixBlock m = start == 1 ? MatrixBlock{simd::splat(1.0), V4{}, V4{}, V4{}, V4{}, V4{},
                                             simd::splat(1.0), V4{}}
                               : product_[index(ds, start - 1, b)];
    for (int k = start; k <= lastInterface; ++k) {
      const MatrixBlock& c = interface_[index(ds, k, b)];
      const C4 a11{m.m11re, m.m11im}, a12{m.m12re, m.m12im};
      const C4 a21{m.m21re, m.m21im}, a22{m.m22re, m.m22im};
      const C4 b11{c.m11re, c.m11im}, b12{c.m12re, c.m12im};
      const C4 b21{c.m21re, c.m21im}, b22{c.m22re, c.m22im};
      // The product of Matrix(): cc11 = aa11·bb11 + aa12·bb21, and so on.
      const C4 p11 = mul(a11, b11), q11 = mul(a12, b21);
      const C4 p12 = mul(a11, b12), q12 = mul(a12, b22);
      const C4 p21 = mul(a21, b11), q21 = mul(a22, b21);
      const C4 p22 = mul(a21, b12), q22 = mul(a22, b22);
      m = {p11.re + q11.re, p11.im + q11.im, p12.re + q12.re, p12.im + q12.im,
           p21.re + q21.re, p21.im + q21.im, p22.re + q22.re, p22.im + q22.im};
      if (k <= keep) product_[index(ds, k, b)] = m;
    }
    const V4 r = storedReflectivity(m.m11re, m.m11im, m.m21re, m.m21im, logY);
    for (int l = 0; l < simd::kLanes; ++l) {
      const int pt = b * simd::kLanes + l;
      if (pt >= first && pt <= last) set.CalcR[pt] = r[l];
    }
  }
  st.productsValidTo = std::max(start - 1, std::min(keep, lastInterface));
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
    if (options.residualOn) updateResidual(set, options.measure, options.logY);
    total += set.SetResidual;
  }
  return total;
}

}  // namespace lumo
