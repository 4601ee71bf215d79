#pragma once
// Four-lane double vectors and the elementary functions the reflectivity needs, so that
// the engine's loops run over four calculation points at a time.
//
// Every lane performs exactly the scalar IEEE operations of a one-point calculation, in
// the same order, so vectorised and scalar results are identical. The sine, cosine and
// exponential are our own (argument reduction and polynomials as in the classic fdlibm
// kernels); they agree with the C library to within one or two units in the last place
// and give exactly sin 0 = 0, cos 0 = 1 and exp 0 = 1.
#include <cmath>
#include <cstdint>

namespace lumo::simd {

inline constexpr int kLanes = 4;

typedef double V4 __attribute__((vector_size(32), aligned(32)));
typedef std::int64_t I4 __attribute__((vector_size(32), aligned(32)));

#define LUMO_ALWAYS_INLINE inline __attribute__((always_inline))

// The loops over points are compiled twice, for processors with AVX2 and for every
// other x86-64, and the program picks one when it starts. Both use the same IEEE
// operations (no fused multiply-add), so their results are identical.
#if defined(__x86_64__) && !defined(__clang__) && !defined(LUMO_NO_VECTOR_CLONES)
#define LUMO_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define LUMO_VECTOR_CLONES
#endif

LUMO_ALWAYS_INLINE V4 splat(double x) { return V4{x, x, x, x}; }
LUMO_ALWAYS_INLINE V4 select(I4 mask, V4 a, V4 b) { return mask ? a : b; }
LUMO_ALWAYS_INLINE bool any(I4 mask) { return (mask[0] | mask[1] | mask[2] | mask[3]) != 0; }
LUMO_ALWAYS_INLINE V4 bitsAsDouble(I4 bits) { return (V4)bits; }
LUMO_ALWAYS_INLINE I4 doubleAsBits(V4 x) { return (I4)x; }

LUMO_ALWAYS_INLINE V4 sqrt(V4 x) {
  return V4{std::sqrt(x[0]), std::sqrt(x[1]), std::sqrt(x[2]), std::sqrt(x[3])};
}

LUMO_ALWAYS_INLINE V4 abs(V4 x) { return bitsAsDouble(doubleAsBits(x) & (I4{} + INT64_MAX)); }

// Adding 1.5 × 2^52 rounds |t| < 2^51 to the nearest integer and leaves that integer in
// the low bits of the sum.
inline constexpr double kRoundingShift = 6755399441055744.0;

// exp(x) = 2^n exp(r) with n = round(x / ln 2), |r| ≤ ln2 / 2.
LUMO_ALWAYS_INLINE V4 exp(V4 x) {
  constexpr double kInvLn2 = 1.44269504088896338700e+00;
  constexpr double kLn2Hi = 6.93147180369123816490e-01;  // 32 significant bits
  constexpr double kLn2Lo = 1.90821492927058770002e-10;
  // Beyond these limits the result is already infinite or zero.
  x = select(x > 709.8, splat(709.8), x);
  x = select(x < -745.2, splat(-745.2), x);
  const V4 shifted = x * kInvLn2 + kRoundingShift;
  const V4 n = shifted - kRoundingShift;
  const V4 r = (x - n * kLn2Hi) - n * kLn2Lo;
  // Taylor series to r^13: the remainder is below 1e-17 relative on |r| ≤ ln2 / 2.
  V4 p = splat(1.0 / 6227020800.0);
  p = p * r + 1.0 / 479001600.0;
  p = p * r + 1.0 / 39916800.0;
  p = p * r + 1.0 / 3628800.0;
  p = p * r + 1.0 / 362880.0;
  p = p * r + 1.0 / 40320.0;
  p = p * r + 1.0 / 5040.0;
  p = p * r + 1.0 / 720.0;
  p = p * r + 1.0 / 120.0;
  p = p * r + 1.0 / 24.0;
  p = p * r + 1.0 / 6.0;
  p = p * r + 0.5;
  p = p * r + 1.0;
  p = p * r + 1.0;
  // 2^n as two normal factors, so that results near overflow and in the subnormal range
  // round as a single multiplication would.
  const I4 exponent = doubleAsBits(shifted) - doubleAsBits(splat(kRoundingShift));
  const I4 half = exponent >> 1;
  const V4 scale1 = bitsAsDouble((half + 1023) << 52);
  const V4 scale2 = bitsAsDouble((exponent - half + 1023) << 52);
  return p * scale1 * scale2;
}

// Arguments beyond this are reduced by the C library; the three-part π/2 below keeps the
// reduction exact to well below one unit in the last place up to here.
inline constexpr double kFastReductionLimit = 1.0e5;

LUMO_ALWAYS_INLINE void sincos(V4 x, V4& sine, V4& cosine) {
  constexpr double kTwoOverPi = 6.36619772367581382433e-01;
  constexpr double kPiOver2Part1 = 1.57079632673412561417e+00;   // 33 significant bits
  constexpr double kPiOver2Part2 = 6.07710050630396597660e-11;   // next 33 bits
  constexpr double kPiOver2Part3 = 2.02226624879595063154e-21;
  const V4 shifted = x * kTwoOverPi + kRoundingShift;
  const V4 n = shifted - kRoundingShift;
  const V4 r = ((x - n * kPiOver2Part1) - n * kPiOver2Part2) - n * kPiOver2Part3;
  const V4 z = r * r;
  const V4 w = z * z;
  // sin r and cos r on |r| ≤ π/4.
  const V4 sinTail = (8.33333333332248946124e-03 + z * (-1.98412698298579493134e-04 +
                                                        z * 2.75573137070700676789e-06)) +
                     z * w * (-2.50507602534068634195e-08 + z * 1.58969099521155010221e-10);
  const V4 sinR = r + z * r * (-1.66666666666666324348e-01 + z * sinTail);
  const V4 cosTail = z * (4.16666666666666019037e-02 +
                          z * (-1.38888888888741095749e-03 + z * 2.48015872894767294178e-05)) +
                     w * w * (-2.75573143513906633035e-07 +
                              z * (2.08757232129817482790e-09 + z * -1.13596475577881948265e-11));
  const V4 halfZ = 0.5 * z;
  const V4 oneMinus = 1.0 - halfZ;
  const V4 cosR = oneMinus + (((1.0 - oneMinus) - halfZ) + z * cosTail);
  // The quadrant n mod 4 swaps and negates the two.
  const I4 quadrant = doubleAsBits(shifted);
  const I4 swap = (quadrant & 1) != 0;
  const I4 negateSin = (quadrant & 2) != 0;
  const I4 negateCos = ((quadrant + 1) & 2) != 0;
  const V4 s = select(swap, cosR, sinR);
  const V4 c = select(swap, sinR, cosR);
  sine = select(negateSin, -s, s);
  cosine = select(negateCos, -c, c);
  if (any(abs(x) > kFastReductionLimit)) {
    for (int lane = 0; lane < kLanes; ++lane) {
      if (std::abs(x[lane]) > kFastReductionLimit || std::isnan(x[lane])) {
        sine[lane] = std::sin(x[lane]);
        cosine[lane] = std::cos(x[lane]);
      }
    }
  }
}

// Natural logarithm: log x = k ln 2 + log(1 + f) with x = 2^k (1 + f), √2/2 ≤ 1 + f < √2.
// Lanes that are not positive normal numbers are left to the C library.
LUMO_ALWAYS_INLINE V4 log(V4 x) {
  constexpr double kLn2Hi = 6.93147180369123816490e-01;
  constexpr double kLn2Lo = 1.90821492927058770002e-10;
  constexpr std::int64_t kMantissa = 0x000fffffffffffffLL;
  // Scale the mantissa into [√2/2, √2): add (1 − 0x3fe6a09e…) to the high bits first.
  const I4 bits = doubleAsBits(x);
  const I4 shiftedBits = bits + (0x3ff0000000000000LL - 0x3fe6a09e667f3bcdLL);
  const I4 k = (shiftedBits >> 52) - 1023;
  const V4 m = bitsAsDouble((shiftedBits & kMantissa) + 0x3fe6a09e667f3bcdLL);
  const V4 f = m - 1.0;
  const V4 s = f / (2.0 + f);
  const V4 z = s * s;
  const V4 w = z * z;
  const V4 t1 = w * (3.999999999940941908e-01 +
                     w * (2.222219843214978396e-01 + w * 1.531383769920937332e-01));
  const V4 t2 = z * (6.666666666666735130e-01 +
                     w * (2.857142874366239149e-01 +
                          w * (1.818357216161805012e-01 + w * 1.479819860511658591e-01)));
  const V4 r = t2 + t1;
  const V4 halfF2 = 0.5 * f * f;
  V4 kd;
  for (int lane = 0; lane < kLanes; ++lane) kd[lane] = static_cast<double>(k[lane]);
  V4 result = kd * kLn2Hi - ((halfF2 - (s * (halfF2 + r) + kd * kLn2Lo)) - f);
  const I4 unusual = (x < 2.2250738585072014e-308) | (x > 1.7976931348623157e308) | (x != x);
  if (any(unusual)) {
    for (int lane = 0; lane < kLanes; ++lane)
      if (unusual[lane]) result[lane] = std::log(x[lane]);
  }
  return result;
}

}  // namespace lumo::simd
