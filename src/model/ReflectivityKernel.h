#pragma once
// The hot loops of the reflectivity calculation, compiled once for every instruction set
// (model/ReflectivityKernel.cpp) and reached through a table of functions chosen when the
// engine is made. Only plain arrays and numbers cross this boundary.
//
// The characteristic-matrix product M = C_1 C_2 … C_{N+1} is needed only through its
// first column (M11, M21) = M (1, 0)ᵀ. It is formed at a split interface s as
//   (M11, M21) = A_s · (C_s · v_{s+1}),
// with the rows above, A_s = C_1 … C_{s−1} (A_1 = identity), built from the top down and
// the column below, v_m = C_m … C_{N+1} (1, 0)ᵀ, from the bottom up. Every A_m and v_m is
// kept, so a change of the interfaces near s costs a few vector-matrix products per
// point, at any depth. With C_m = [[f, f r], [b r, b]] (f = exp(iβ), b = exp(−iβ) of the
// upper medium's phase β, r the damped Fresnel coefficient), a row (c1, c2) becomes
// (p + q r, p r + q) with p = c1 f, q = c2 b, and a column (x, y) becomes
// (f (x + r y), b (r x + y)).
//
// The Fresnel terms are kept apart from the phase factors, so a thickness step
// recomputes only one medium's phase factors.
#include <cstdint>

#include "model/InstructionSet.h"

namespace lumo::kernel {

// Points are processed in blocks of up to 8, so arrays of points hold 8 spare places.
inline constexpr int kPointStride = 520;
inline constexpr int kMediumRows = 23;  // media and interfaces 0..22

// The arrays of one contrast, each aligned to 64 bytes. Per point: [pt]. Per medium or
// interface m and point: [m * kPointStride + pt].
struct SetArrays {
  double* sinTheta;   // sin θ
  double* incident;   // n1 sin θ: the incident medium's (real) normal wave number
  double* square;     // (n1 sin θ)²
  double* wave;       // per medium: √v when v = n² − n1² cos² θ > 0, −√(−v) when v < 0
                      // (an imaginary wave number), 0 when v = 0
  double* phase0;     // per medium: cos β and sin β of a real phase β, or e^−|β| and e^|β|
  double* phase1;     //   of an imaginary one (see the wave number's sign)
  double* fresnelRe;  // per interface: damped Fresnel coefficient r
  double* fresnelIm;
  double* rows[8];    // per interface m: A_m as a11, a12, a21, a22, real and imaginary
  double* column[4];  // per interface m: v_m as x and y, real and imaginary
};

// One calculation of a contrast over its points first..last.
struct Pass {
  int numLayers = 0;                  // N: media 1..N+2, interfaces 1..N+1
  const double* shift = nullptr;      // per medium: n_m² − n_1², so that v = shift + (n1 sin θ)²
  const double* phaseScale = nullptr; // per medium: thickness × K0 (0 for media 1 and N+2)
  const double* damping = nullptr;    // per interface m: −RoughnessFactor σ², σ = Roughness(m − 1)
  // Partial passes only: media whose wave number or phase factors, and interfaces whose
  // Fresnel term, are recomputed (bit m for medium or interface m).
  std::uint32_t newWaves = 0, newPhases = 0, newFresnel = 0;
  int rowsFrom = 1;        // A_m is kept for m <= rowsFrom
  int columnsFrom = 0;     // v_m is kept for m >= columnsFrom (v_{N+2} = (1, 0) always)
  int split = 1;           // the split interface s
  bool keep = false;       // full passes: keep every wave number, phase factor, Fresnel term and v_m
  bool logY = false;       // store log10 R
  double* out = nullptr;   // the data set's CalcR
};

enum class Elementary { Exp, Log, Sin, Cos, Sqrt };

struct Table {
  const char* name;
  // sin θ, n1 sin θ and its square of points first..last from Q (10^Q when logX). A
  // negative Q (or NaN) is calculated at Q = 0 (see ProfilePreparation.cpp).
  void (*points)(const double* q, int first, int last, bool logX, bool exactQ, double n1,
                 const SetArrays& arrays);
  // Every medium and interface, from the bottom up; R = (M11, M21) = v_1.
  void (*full)(const SetArrays& arrays, const Pass& pass, int first, int last);
  // Recomputes what `pass` names, extends the rows and the column to the split and forms R there.
  void (*partial)(const SetArrays& arrays, const Pass& pass, int first, int last);
  // The kernel's elementary functions on n values, for tests.
  void (*elementary)(Elementary function, const double* x, double* y, int n);
};

const Table& tableFor(InstructionSet set);

}  // namespace lumo::kernel
