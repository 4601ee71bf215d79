// The reflectivity kernels of one instruction set. This file is compiled once for each
// instruction set (src/model/CMakeLists.txt), with LUMO_KERNEL_LANES points per vector,
// its elementary functions in the namespace LUMO_SIMD_ABI and its table of functions
// named LUMO_KERNEL_TABLE.
#include "model/KernelAlgebra.h"
#include "model/ReflectivityKernel.h"

#ifndef LUMO_KERNEL_TABLE
#define LUMO_KERNEL_TABLE kGenericKernels
#define LUMO_KERNEL_NAME "generic"
#endif

namespace lumo::kernel {

extern const Table LUMO_KERNEL_TABLE;

namespace {

constexpr double kQToAngle = 12.0 / 12.56637061436;
constexpr double kLn10 = 2.30258509299404568402;
constexpr int S = kPointStride;

int firstBlock(int first) { return first / W * W; }

void points(const double* q, int first, int last, bool logX, bool exactQ, double n1,
            const SetArrays& a) {
  for (int b = firstBlock(first); b <= last; b += W) {
    V qv{};
    for (int l = 0; l < W; ++l)
      if (b + l >= first && b + l <= last) qv[l] = q[b + l];
    if (logX) qv = simd::exp(qv * kLn10);
    qv = select<V>(qv > 0, qv, V{});  // also a NaN
    V s = qv * kQToAngle;
    if (!exactQ) {
      V c;
      simd::sincos(V(s), s, c);
    }
    const V incident = n1 * s;
    store(a.sinTheta + b, s);
    store(a.incident + b, incident);
    store(a.square + b, incident * incident);
  }
}

LUMO_ALWAYS_INLINE void writeResult(Cx m11, Cx m21, const Pass& p, int b, int first, int last) {
  const V r = reflectivity(m11, m21, p.logY);
  if (b >= first && b + W - 1 <= last) {
    __builtin_memcpy(p.out + b, &r, sizeof r);
    return;
  }
  for (int l = 0; l < W; ++l)
    if (b + l >= first && b + l <= last) p.out[b + l] = r[l];
}

void keepMedium(const SetArrays& a, int at, V signedRoot, PhasePair ph, Cx r, Column v) {
  store(a.wave + at, signedRoot);
  store(a.phase0 + at, ph.p0);
  store(a.phase1 + at, ph.p1);
  store(a.fresnelRe + at, r.re);
  store(a.fresnelIm + at, r.im);
  store(a.column[0] + at, v.x.re);
  store(a.column[1] + at, v.x.im);
  store(a.column[2] + at, v.y.re);
  store(a.column[3] + at, v.y.im);
}

// Every wave number, damped Fresnel term and phase factor computed where it is used, the
// column multiplied from the bottom up; with Keep, all of them are kept.
template <bool Keep>
void fullPass(const SetArrays& a, const Pass& p, int first, int last) {
  const int solvent = p.numLayers + 2;
  for (int b = firstBlock(first); b <= last; b += W) {
    const V square = load(a.square + b);
    const V solventRoot = signedRoot(p.shift[solvent] + square);
    if (Keep) store(a.wave + solvent * S + b, solventRoot);
    Cx below = waveOf(solventRoot);
    Column v{{splat<V>(1.0), V{}}, {V{}, V{}}};
    for (int m = solvent - 1; m >= 1; --m) {
      const V root = m == 1 ? load(a.incident + b) : signedRoot(p.shift[m] + square);
      const Cx k = waveOf(root);
      const Cx r = dampedFresnel(k, below, p.damping[m]);
      const PhasePair ph = phaseOf(root, p.phaseScale[m]);
      v = applyColumn(factorsOf(root, ph), r, v);
      if (Keep) keepMedium(a, m * S + b, root, ph, r, v);
      below = k;
    }
    writeResult(v.x, v.y, p, b, first, last);
  }
}

void full(const SetArrays& a, const Pass& p, int first, int last) {
  if (p.keep)
    fullPass<true>(a, p, first, last);
  else
    fullPass<false>(a, p, first, last);
}

// The kept terms of medium and interface m at block b.
struct Kept {
  const SetArrays& a;
  int b;
  PhaseFactors factors(int m) const {
    const int at = m * S + b;
    return factorsOf(load(a.wave + at), {load(a.phase0 + at), load(a.phase1 + at)});
  }
  Cx fresnel(int m) const { return {load(a.fresnelRe + m * S + b), load(a.fresnelIm + m * S + b)}; }
  Column column(int m) const {
    const int at = m * S + b;
    return {{load(a.column[0] + at), load(a.column[1] + at)},
            {load(a.column[2] + at), load(a.column[3] + at)}};
  }
  void keep(int m, const Column& v) const {
    const int at = m * S + b;
    store(a.column[0] + at, v.x.re);
    store(a.column[1] + at, v.x.im);
    store(a.column[2] + at, v.y.re);
    store(a.column[3] + at, v.y.im);
  }
  Rows rows(int m) const {
    const int at = m * S + b;
    const auto c = [&](int i) { return Cx{load(a.rows[2 * i] + at), load(a.rows[2 * i + 1] + at)}; };
    return {c(0), c(1), c(2), c(3)};
  }
  void keep(int m, const Rows& r) const {
    const int at = m * S + b;
    const Cx parts[] = {r.a11, r.a12, r.a21, r.a22};
    for (int i = 0; i < 4; ++i) {
      store(a.rows[2 * i] + at, parts[i].re);
      store(a.rows[2 * i + 1] + at, parts[i].im);
    }
  }
};

// The media and interfaces the pass names, recomputed and kept at block b.
void refreshKept(const SetArrays& a, const Pass& p, int b) {
  const V square = load(a.square + b);
  for (std::uint32_t bits = p.newWaves; bits; bits &= bits - 1) {
    const int m = __builtin_ctz(bits);
    store(a.wave + m * S + b, signedRoot(p.shift[m] + square));
  }
  for (std::uint32_t bits = p.newPhases; bits; bits &= bits - 1) {
    const int m = __builtin_ctz(bits);
    const PhasePair ph = phaseOf(load(a.wave + m * S + b), p.phaseScale[m]);
    store(a.phase0 + m * S + b, ph.p0);
    store(a.phase1 + m * S + b, ph.p1);
  }
  for (std::uint32_t bits = p.newFresnel; bits; bits &= bits - 1) {
    const int m = __builtin_ctz(bits);
    const Cx r = dampedFresnel(waveOf(load(a.wave + m * S + b)),
                               waveOf(load(a.wave + (m + 1) * S + b)), p.damping[m]);
    store(a.fresnelRe + m * S + b, r.re);
    store(a.fresnelIm + m * S + b, r.im);
  }
}

void partial(const SetArrays& a, const Pass& p, int first, int last) {
  const int solvent = p.numLayers + 2;
  const int s = p.split;
  for (int b = firstBlock(first); b <= last; b += W) {
    refreshKept(a, p, b);
    const Kept kept{a, b};
    Rows rows = identityRows();
    if (s > 1) {
      int m = p.rowsFrom < s ? p.rowsFrom : s;
      if (m > 1) rows = kept.rows(m);
      for (; m < s; ++m) {
        const PhaseFactors c = kept.factors(m);
        const Cx r = kept.fresnel(m);
        applyRow(c, r, rows.a11, rows.a12);
        applyRow(c, r, rows.a21, rows.a22);
        kept.keep(m + 1, rows);
      }
    }
    int m = p.columnsFrom > s + 1 ? p.columnsFrom : s + 1;
    Column v = m >= solvent ? Column{{splat<V>(1.0), V{}}, {V{}, V{}}} : kept.column(m);
    for (--m; m > s; --m) {
      v = applyColumn(kept.factors(m), kept.fresnel(m), v);
      kept.keep(m, v);
    }
    v = applyColumn(kept.factors(s), kept.fresnel(s), v);
    if (s == 1)
      writeResult(v.x, v.y, p, b, first, last);
    else
      writeResult(rows.a11 * v.x + rows.a12 * v.y, rows.a21 * v.x + rows.a22 * v.y, p, b, first,
                  last);
  }
}

V elementaryOf(Elementary function, V x) {
  V s, c;
  switch (function) {
    case Elementary::Exp: return simd::exp(x);
    case Elementary::Log: return simd::log(x);
    case Elementary::Sqrt: return simd::sqrt(x);
    case Elementary::Sin:
    case Elementary::Cos: break;
  }
  simd::sincos(x, s, c);
  return function == Elementary::Sin ? s : c;
}

void elementary(Elementary function, const double* x, double* y, int n) {
  for (int i = 0; i < n; i += W) {
    V v{};
    for (int l = 0; l < W && i + l < n; ++l) v[l] = x[i + l];
    const V r = elementaryOf(function, v);
    for (int l = 0; l < W && i + l < n; ++l) y[i + l] = r[l];
  }
}

}  // namespace

const Table LUMO_KERNEL_TABLE = {LUMO_KERNEL_NAME, &points, &full, &partial, &elementary};

}  // namespace lumo::kernel
