#pragma once
// Complex numbers and 2×2 complex matrices of the characteristic-matrix calculation,
// held as plain pairs of doubles so that every product is written out in the order the
// calculation fixes (Re = Re·Re − Im·Im, Im = Re·Im + Im·Re).

namespace lumo {

struct Cplx {
  double re = 0.0;
  double im = 0.0;
};

inline Cplx operator+(Cplx a, Cplx b) { return {a.re + b.re, a.im + b.im}; }
inline Cplx operator*(Cplx a, Cplx b) {
  return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}

struct Mat2 {
  Cplx m11{1.0, 0.0}, m12{}, m21{}, m22{1.0, 0.0};  // identity by default
};

// cc = aa × bb.
inline void Matrix(const Mat2& aa, const Mat2& bb, Mat2& cc) {
  cc.m11 = aa.m11 * bb.m11 + aa.m12 * bb.m21;
  cc.m12 = aa.m11 * bb.m12 + aa.m12 * bb.m22;
  cc.m21 = aa.m21 * bb.m11 + aa.m22 * bb.m21;
  cc.m22 = aa.m21 * bb.m12 + aa.m22 * bb.m22;
}

}  // namespace lumo
