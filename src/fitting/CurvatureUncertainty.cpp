#include "fitting/CurvatureUncertainty.h"

#include <algorithm>
#include <cmath>

namespace lumo::fitting {
namespace {

constexpr double kNullEigenvalue = 1e-10;  // relative to the largest
constexpr double kNullShare = 0.1;         // a component above this in a null direction

double dot(const std::vector<double>& a, const std::vector<double>& b) {
  double s = 0;
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) s += a[i] * b[i];
  return s;
}

void rotate(std::vector<double>& a, std::vector<double>& v, int n, int p, int q) {
  const auto at = [n](int r, int c) { return static_cast<size_t>(r * n + c); };
  const double apq = a[at(p, q)];
  if (apq == 0) return;
  const double theta = (a[at(q, q)] - a[at(p, p)]) / (2 * apq);
  const double t = (theta >= 0 ? 1.0 : -1.0) / (std::abs(theta) + std::sqrt(theta * theta + 1));
  const double c = 1 / std::sqrt(t * t + 1), s = t * c;
  for (int k = 0; k < n; ++k) {
    const double akp = a[at(k, p)], akq = a[at(k, q)];
    a[at(k, p)] = c * akp - s * akq;
    a[at(k, q)] = s * akp + c * akq;
  }
  for (int k = 0; k < n; ++k) {
    const double apk = a[at(p, k)], aqk = a[at(q, k)];
    a[at(p, k)] = c * apk - s * aqk;
    a[at(q, k)] = s * apk + c * aqk;
  }
  for (int k = 0; k < n; ++k) {
    const double vkp = v[at(k, p)], vkq = v[at(k, q)];
    v[at(k, p)] = c * vkp - s * vkq;
    v[at(k, q)] = s * vkp + c * vkq;
  }
}

}  // namespace

void symmetricEigen(std::vector<double> a, int n, std::vector<double>& values,
                    std::vector<double>& vectors) {
  vectors.assign(static_cast<size_t>(n * n), 0.0);
  for (int i = 0; i < n; ++i) vectors[static_cast<size_t>(i * n + i)] = 1;
  for (int sweep = 0; sweep < 100; ++sweep) {
    double off = 0, total = 0;
    for (int p = 0; p < n; ++p)
      for (int q = 0; q < n; ++q) {
        const double x = a[static_cast<size_t>(p * n + q)];
        total += x * x;
        if (p != q) off += x * x;
      }
    if (off <= 1e-30 * total) break;
    for (int p = 0; p < n - 1; ++p)
      for (int q = p + 1; q < n; ++q) rotate(a, vectors, n, p, q);
  }
  values.resize(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) values[static_cast<size_t>(i)] = a[static_cast<size_t>(i * n + i)];
}

std::vector<ParameterSpread> curvatureUncertainties(const CurvatureInput& input) {
  const int p = static_cast<int>(input.columns.size());
  std::vector<ParameterSpread> out(static_cast<size_t>(p));
  const size_t points = p > 0 ? input.columns.front().size() : 0;
  if (p == 0 || points <= static_cast<size_t>(p)) return out;
  const double reduced = input.chiSquared / static_cast<double>(points - static_cast<size_t>(p));

  // JᵀJ in correlation form: C = D^-1/2 JᵀJ D^-1/2, parameters without any curvature
  // left out (their diagonal is zero).
  std::vector<int> live;
  std::vector<double> scale;
  for (int j = 0; j < p; ++j) {
    const double d = dot(input.columns[static_cast<size_t>(j)], input.columns[static_cast<size_t>(j)]);
    if (d > 0 && std::isfinite(d)) {
      live.push_back(j);
      scale.push_back(1 / std::sqrt(d));
    }
  }
  const int n = static_cast<int>(live.size());
  std::vector<double> c(static_cast<size_t>(n * n));
  for (int a = 0; a < n; ++a)
    for (int b = 0; b < n; ++b)
      c[static_cast<size_t>(a * n + b)] =
          dot(input.columns[static_cast<size_t>(live[static_cast<size_t>(a)])],
              input.columns[static_cast<size_t>(live[static_cast<size_t>(b)])]) *
          scale[static_cast<size_t>(a)] * scale[static_cast<size_t>(b)];
  std::vector<double> values, vectors;
  symmetricEigen(c, n, values, vectors);
  const double largest = n > 0 ? *std::max_element(values.begin(), values.end()) : 0;

  for (int a = 0; a < n; ++a) {
    double variance = 0;
    bool inNullDirection = false;
    for (int k = 0; k < n; ++k) {
      const double component = vectors[static_cast<size_t>(a * n + k)];
      const double lambda = values[static_cast<size_t>(k)];
      if (lambda <= kNullEigenvalue * largest) {
        inNullDirection = inNullDirection || std::abs(component) > kNullShare;
        continue;
      }
      variance += component * component / lambda;
    }
    const size_t j = static_cast<size_t>(live[static_cast<size_t>(a)]);
    const double sigma = std::sqrt(variance * reduced) * scale[static_cast<size_t>(a)];
    const double span = j < input.span.size() ? input.span[j] : 0;
    out[j].sigma = sigma;
    out[j].determined = !inNullDirection && std::isfinite(sigma) && sigma <= std::max(span, 1.0);
  }
  return out;
}

}  // namespace lumo::fitting
