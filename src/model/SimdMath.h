#pragma once
// Vectors of doubles and the elementary functions the reflectivity needs, written once
// for any vector width, so that the kernels run over several calculation points at a
// time on every instruction set.
//
// The functions are our own (argument reduction and polynomials as in the classic fdlibm
// kernels); they agree with the C library to within one or two units in the last place
// and give exactly sin 0 = 0, cos 0 = 1 and exp 0 = 1, which the calculation relies on
// to keep real wave numbers real. Every operation acts lane by lane, so a point's result
// never depends on the other points of its vector.
//
// The kernels are compiled once per instruction set (model/ReflectivityKernel.cpp). The
// inline namespace gives each compilation's functions their own names, so that the
// linker never mixes an AVX-512 copy of a function into the generic path.
#include <cstdint>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

#ifndef LUMO_SIMD_ABI
#define LUMO_SIMD_ABI portable
#endif

#define LUMO_ALWAYS_INLINE inline __attribute__((always_inline))

namespace lumo::simd {
inline namespace LUMO_SIMD_ABI {

template <int W>
struct VectorOf {
  typedef double type __attribute__((vector_size(W * sizeof(double))));
};
// W doubles, and the mask that comparing two of them gives (64-bit integers, -1 or 0).
template <int W>
using Vec = typename VectorOf<W>::type;
template <class V>
using Mask = decltype(V{} < V{});
template <class V>
inline constexpr int kLanesOf = sizeof(V) / sizeof(double);

template <class V>
LUMO_ALWAYS_INLINE V splat(double x) {
  return V{} + x;
}
template <class V>
LUMO_ALWAYS_INLINE V select(Mask<V> mask, V a, V b) {
  return mask ? a : b;
}
// Whether any lane of a mask is set: one test instruction where the vector is the
// processor's own width.
template <class M>
LUMO_ALWAYS_INLINE bool any(M mask) {
#if defined(__AVX512F__)
  if constexpr (sizeof(M) == 64) return _mm512_test_epi64_mask((__m512i)mask, (__m512i)mask) != 0;
#endif
#if defined(__AVX__)
  if constexpr (sizeof(M) == 32) return !_mm256_testz_si256((__m256i)mask, (__m256i)mask);
#endif
#if defined(__SSE2__)
  if constexpr (sizeof(M) == 16) return _mm_movemask_pd((__m128d)mask) != 0;
#endif
  std::int64_t bits = 0;
  for (int i = 0; i < static_cast<int>(sizeof(M) / sizeof(std::int64_t)); ++i) bits |= mask[i];
  return bits != 0;
}
template <class V>
LUMO_ALWAYS_INLINE V bitsAsDouble(Mask<V> bits) {
  return (V)bits;  // a vector cast keeps the bits
}
template <class V>
LUMO_ALWAYS_INLINE Mask<V> doubleAsBits(V x) {
  return (Mask<V>)x;
}

// Lane by lane; the compiler turns these loops into single vector instructions when
// math errno is off (the kernels are built with -fno-math-errno).
template <class V>
LUMO_ALWAYS_INLINE V sqrt(V x) {
  V r;
  for (int i = 0; i < kLanesOf<V>; ++i) r[i] = __builtin_sqrt(x[i]);
  return r;
}

// a × b + c, with one rounding where the processor has fused multiply-add.
template <class V>
LUMO_ALWAYS_INLINE V fma(V a, V b, V c) {
#ifdef __FMA__
  V r;
  for (int i = 0; i < kLanesOf<V>; ++i) r[i] = __builtin_fma(a[i], b[i], c[i]);
  return r;
#else
  return a * b + c;
#endif
}

template <class V>
LUMO_ALWAYS_INLINE V abs(V x) {
  return bitsAsDouble<V>(doubleAsBits(x) & INT64_MAX);
}

// Adding 1.5 × 2^52 rounds |t| < 2^51 to the nearest integer and leaves that integer in
// the low bits of the sum.
inline constexpr double kRoundingShift = 6755399441055744.0;

// exp(x) = 2^n exp(r) with n = round(x / ln 2), |r| ≤ ln2 / 2.
template <class V>
LUMO_ALWAYS_INLINE V exp(V x) {
  constexpr double kInvLn2 = 1.44269504088896338700e+00;
  constexpr double kLn2Hi = 6.93147180369123816490e-01;  // 32 significant bits
  constexpr double kLn2Lo = 1.90821492927058770002e-10;
  // Beyond these limits the result is already infinite or zero.
  x = select<V>(x > 709.8, splat<V>(709.8), x);
  x = select<V>(x < -745.2, splat<V>(-745.2), x);
  const V shifted = fma(x, splat<V>(kInvLn2), splat<V>(kRoundingShift));
  const V n = shifted - kRoundingShift;
  const V r = (x - n * kLn2Hi) - n * kLn2Lo;
  // Taylor series to r^13: the remainder is below 1e-17 relative on |r| ≤ ln2 / 2.
  constexpr double kCoefficients[] = {1.0 / 479001600.0, 1.0 / 39916800.0, 1.0 / 3628800.0,
                                      1.0 / 362880.0,    1.0 / 40320.0,    1.0 / 5040.0,
                                      1.0 / 720.0,       1.0 / 120.0,      1.0 / 24.0,
                                      1.0 / 6.0,         0.5,              1.0,
                                      1.0};
  V p = splat<V>(1.0 / 6227020800.0);
  for (double c : kCoefficients) p = fma(p, r, splat<V>(c));
  // 2^n as two normal factors, so that results near overflow and in the subnormal range
  // round as a single multiplication would.
  const Mask<V> exponent = doubleAsBits(shifted) - doubleAsBits(splat<V>(kRoundingShift));
  const Mask<V> half = exponent >> 1;
  const V scale1 = bitsAsDouble<V>((half + 1023) << 52);
  const V scale2 = bitsAsDouble<V>((exponent - half + 1023) << 52);
  return p * scale1 * scale2;
}

// Arguments beyond this are reduced by the C library; the three-part π/2 below keeps the
// reduction exact to well below one unit in the last place up to here.
inline constexpr double kFastReductionLimit = 1.0e5;

template <class V>
LUMO_ALWAYS_INLINE void sincos(V x, V& sine, V& cosine) {
  constexpr double kTwoOverPi = 6.36619772367581382433e-01;
  constexpr double kPiOver2Part1 = 1.57079632673412561417e+00;  // 33 significant bits
  constexpr double kPiOver2Part2 = 6.07710050630396597660e-11;  // next 33 bits
  constexpr double kPiOver2Part3 = 2.02226624879595063154e-21;
  const V shifted = fma(x, splat<V>(kTwoOverPi), splat<V>(kRoundingShift));
  const V n = shifted - kRoundingShift;
  const V r = ((x - n * kPiOver2Part1) - n * kPiOver2Part2) - n * kPiOver2Part3;
  const V z = r * r;
  const V w = z * z;
  // sin r and cos r on |r| ≤ π/4.
  const V sinTail =
      fma(z * w, fma(z, splat<V>(1.58969099521155010221e-10), splat<V>(-2.50507602534068634195e-08)),
          fma(z, fma(z, splat<V>(2.75573137070700676789e-06), splat<V>(-1.98412698298579493134e-04)),
              splat<V>(8.33333333332248946124e-03)));
  const V sinR = fma(z * r, fma(z, sinTail, splat<V>(-1.66666666666666324348e-01)), r);
  const V cosTail = fma(
      w * w,
      fma(z, fma(z, splat<V>(-1.13596475577881948265e-11), splat<V>(2.08757232129817482790e-09)),
          splat<V>(-2.75573143513906633035e-07)),
      z * fma(z, fma(z, splat<V>(2.48015872894767294178e-05), splat<V>(-1.38888888888741095749e-03)),
              splat<V>(4.16666666666666019037e-02)));
  const V halfZ = 0.5 * z;
  const V oneMinus = 1.0 - halfZ;
  const V cosR = oneMinus + fma(z, cosTail, (1.0 - oneMinus) - halfZ);
  // The quadrant n mod 4 swaps and negates the two.
  const Mask<V> quadrant = doubleAsBits(shifted);
  const Mask<V> swap = (quadrant & 1) != 0;
  const Mask<V> negateSin = (quadrant & 2) != 0;
  const Mask<V> negateCos = ((quadrant + 1) & 2) != 0;
  const V s = select<V>(swap, cosR, sinR);
  const V c = select<V>(swap, sinR, cosR);
  sine = select<V>(negateSin, -s, s);
  cosine = select<V>(negateCos, -c, c);
  const Mask<V> unusual = (abs(x) > kFastReductionLimit) | (x != x);
  if (any(unusual)) {
    for (int lane = 0; lane < kLanesOf<V>; ++lane) {
      if (unusual[lane]) {
        sine[lane] = __builtin_sin(x[lane]);
        cosine[lane] = __builtin_cos(x[lane]);
      }
    }
  }
}

// The integers of |k| < 2^51 as doubles.
template <class V>
LUMO_ALWAYS_INLINE V integersAsDouble(Mask<V> k) {
  return bitsAsDouble<V>(k + doubleAsBits(splat<V>(kRoundingShift))) - kRoundingShift;
}

// Natural logarithm: log x = k ln 2 + log(1 + f) with x = 2^k (1 + f), √2/2 ≤ 1 + f < √2.
// Lanes that are not positive normal numbers are left to the C library.
template <class V>
LUMO_ALWAYS_INLINE V log(V x) {
  constexpr double kLn2Hi = 6.93147180369123816490e-01;
  constexpr double kLn2Lo = 1.90821492927058770002e-10;
  constexpr std::int64_t kMantissa = 0x000fffffffffffffLL;
  // Scale the mantissa into [√2/2, √2): add (1 − 0x3fe6a09e…) to the high bits first.
  const Mask<V> bits = doubleAsBits(x);
  const Mask<V> shiftedBits = bits + (0x3ff0000000000000LL - 0x3fe6a09e667f3bcdLL);
  const Mask<V> k = (shiftedBits >> 52) - 1023;
  const V m = bitsAsDouble<V>((shiftedBits & kMantissa) + 0x3fe6a09e667f3bcdLL);
  const V f = m - 1.0;
  const V s = f / (2.0 + f);
  const V z = s * s;
  const V w = z * z;
  const V t1 = w * fma(w, fma(w, splat<V>(1.531383769920937332e-01), splat<V>(2.222219843214978396e-01)),
                       splat<V>(3.999999999940941908e-01));
  const V t2 = z * fma(w,
                       fma(w, fma(w, splat<V>(1.479819860511658591e-01), splat<V>(1.818357216161805012e-01)),
                           splat<V>(2.857142874366239149e-01)),
                       splat<V>(6.666666666666735130e-01));
  const V r = t2 + t1;
  const V halfF2 = 0.5 * f * f;
  const V kd = integersAsDouble<V>(k);
  V result = kd * kLn2Hi - ((halfF2 - fma(s, halfF2 + r, kd * kLn2Lo)) - f);
  const Mask<V> unusual = (x < 2.2250738585072014e-308) | (x > 1.7976931348623157e308) | (x != x);
  if (any(unusual)) {
    for (int lane = 0; lane < kLanesOf<V>; ++lane)
      if (unusual[lane]) result[lane] = __builtin_log(x[lane]);
  }
  return result;
}

}  // namespace LUMO_SIMD_ABI
}  // namespace lumo::simd
