#pragma once
// The per-point formulas of the reflectivity kernels on vectors of points: wave numbers,
// damped Fresnel coefficients, phase factors and the vector-matrix products. Included
// only by model/ReflectivityKernel.cpp, once per instruction set; everything here has
// internal linkage, so each compilation keeps its own copy.
#include "model/SimdMath.h"

#ifndef LUMO_KERNEL_LANES
#define LUMO_KERNEL_LANES 4
#endif

namespace lumo::kernel {
namespace {

constexpr int W = LUMO_KERNEL_LANES;
using V = simd::Vec<W>;
using M = simd::Mask<V>;
using simd::fma;
using simd::select;
using simd::splat;

LUMO_ALWAYS_INLINE V load(const double* p) { return *reinterpret_cast<const V*>(p); }
LUMO_ALWAYS_INLINE void store(double* p, V v) { *reinterpret_cast<V*>(p) = v; }

struct Cx {  // complex numbers at W points
  V re, im;
};

LUMO_ALWAYS_INLINE Cx operator+(Cx a, Cx b) { return {a.re + b.re, a.im + b.im}; }
LUMO_ALWAYS_INLINE Cx operator*(Cx a, Cx b) {
  return {fma(a.re, b.re, -(a.im * b.im)), fma(a.re, b.im, a.im * b.re)};
}

// The signed root of v = shift + (n1 sin θ)²: √v, −√(−v) for an imaginary wave number,
// or 0; and the complex wave number it stands for.
LUMO_ALWAYS_INLINE V signedRoot(V v) {
  const V root = simd::sqrt(simd::abs(v));
  return select<V>(v < 0, -root, root);
}
LUMO_ALWAYS_INLINE Cx waveOf(V signedRoot) {
  return {select<V>(signedRoot > 0, signedRoot, V{}), select<V>(signedRoot < 0, -signedRoot, V{})};
}

// r = (k1 − k2) / (k1 + k2), and 0 where k1 + k2 is exactly zero.
LUMO_ALWAYS_INLINE Cx fresnel(Cx k1, Cx k2) {
  const V sumRe = k1.re + k2.re, sumIm = k1.im + k2.im;
  const M zero = (sumRe == 0) & (sumIm == 0);
  const V inverse = 1.0 / fma(sumRe, sumRe, sumIm * sumIm);
  const V re = (fma(k1.re, k1.re, k1.im * k1.im) - fma(k2.re, k2.re, k2.im * k2.im)) * inverse;
  const V im = fma(k1.im - k2.im, sumRe, -((k1.im + k2.im) * (k1.re - k2.re))) * inverse;
  return {select<V>(zero, V{}, re), select<V>(zero, V{}, im)};
}

// exp(re) × (cos im + i sin im). Wave numbers are real or imaginary, so one of the two
// parts is usually exactly zero; exp(0) = cos(0) = 1 and sin(0) = 0 exactly, and each
// function is evaluated only when some point of the vector needs it.
LUMO_ALWAYS_INLINE Cx expOf(V re, V im) {
  const V one = splat<V>(1.0);
  const V magnitude = simd::any(re != 0) ? simd::exp(re) : one;
  V c = one, s{};
  if (simd::any(im != 0)) simd::sincos(im, s, c);
  return {magnitude * c, magnitude * s};
}

// The Fresnel coefficient of the interface between k1 and k2, damped by
// exp(damping × k1 k2) with damping = −RoughnessFactor σ².
LUMO_ALWAYS_INLINE Cx dampedFresnel(Cx k1, Cx k2, double damping) {
  const Cx r = fresnel(k1, k2);
  if (damping == 0) return r;  // the damping factor is exactly 1
  const Cx k1k2 = k1 * k2;
  return r * expOf(damping * k1k2.re, damping * k1k2.im);
}

// The phase factors of a medium, as kept: (cos β, sin β) for a real wave number,
// (e^−|β|, e^|β|) for an imaginary one, (1, 0) for zero; β = thickness × K0 × |k|.
struct PhasePair {
  V p0, p1;
};
LUMO_ALWAYS_INLINE PhasePair phaseOf(V signedRoot, double scale) {
  const M imaginary = signedRoot < 0;
  if (scale == 0) return {splat<V>(1.0), select<V>(imaginary, splat<V>(1.0), V{})};
  const V beta = scale * simd::abs(signedRoot);
  const M real = signedRoot > 0;
  V c = splat<V>(1.0), s{};
  if (simd::any(real)) simd::sincos(select<V>(real, beta, V{}), s, c);
  if (!simd::any(imaginary)) return {c, s};
  const V gamma = select<V>(imaginary, beta, V{});
  return {select<V>(imaginary, simd::exp(-gamma), c), select<V>(imaginary, simd::exp(gamma), s)};
}

// f = exp(iβ) and b = exp(−iβ) from the kept pair: (cos β ± i sin β) for a real wave
// number, e^∓|β| for an imaginary one.
struct PhaseFactors {
  Cx f, b;
};
LUMO_ALWAYS_INLINE PhaseFactors factorsOf(V signedRoot, PhasePair p) {
  const M imaginary = signedRoot < 0;
  return {{p.p0, select<V>(imaginary, V{}, p.p1)},
          {select<V>(imaginary, p.p1, p.p0), select<V>(imaginary, V{}, -p.p1)}};
}

struct Column {  // (x, y)
  Cx x, y;
};
struct Rows {  // the 2 × 2 product above an interface
  Cx a11, a12, a21, a22;
};

// C (x, y)ᵀ = (f (x + r y), b (r x + y)).
LUMO_ALWAYS_INLINE Column applyColumn(const PhaseFactors& c, Cx r, Column v) {
  return {c.f * (v.x + r * v.y), c.b * (r * v.x + v.y)};
}

// (c1, c2) C = (p + q r, p r + q), p = c1 f, q = c2 b.
LUMO_ALWAYS_INLINE void applyRow(const PhaseFactors& c, Cx r, Cx& c1, Cx& c2) {
  const Cx p = c1 * c.f, q = c2 * c.b;
  c1 = p + q * r;
  c2 = p * r + q;
}

LUMO_ALWAYS_INLINE Rows identityRows() {
  const V one = splat<V>(1.0);
  return {{one, V{}}, {V{}, V{}}, {V{}, V{}}, {one, V{}}};
}

// R = |M21|² / |M11|², 1 where M11 is exactly zero; stored as log10 R for a logarithmic
// Y axis. A product that left the double range (several thick layers below their
// critical angle) gives inf / inf: such a stack reflects totally. R = 0 (every medium of
// one SLD) has no logarithm and is stored as that of the smallest normal double.
LUMO_ALWAYS_INLINE V reflectivity(Cx m11, Cx m21, bool logY) {
  const M singular = (m11.re == 0) & (m11.im == 0);
  V r = fma(m21.re, m21.re, m21.im * m21.im) / fma(m11.im, m11.im, m11.re * m11.re);
  r = select<V>(singular | ~(simd::abs(r) <= 1.7976931348623157e308), splat<V>(1.0), r);
  if (!logY) return r;
  constexpr double kLn10 = 2.30258509299404568402;
  constexpr double kLogOfZero = -307.65265556858878;  // log10 of the smallest normal double
  const M positive = r > 0;
  return select<V>(positive, simd::log(select<V>(positive, r, splat<V>(1.0))) / kLn10,
                   splat<V>(kLogOfZero));
}

}  // namespace
}  // namespace lumo::kernel
