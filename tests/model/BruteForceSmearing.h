#pragma once
// Test oracle of the resolution smearing: every point's truncated Gaussian integrated on
// its own by dense Gauss–Legendre quadrature, with the pieces split at every critical edge
// of the model (where R has a kink) and no wider than a small fraction of σ and of the
// fringes, and R at every quadrature node from the unsmeared engine.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "EngineFixtures.h"
#include "model/ReflectivityEngine.h"
#include "model/SldProfile.h"
#include "model/SmearingPlan.h"

namespace lumo::test {

// R (linear) of contrast `contrast` at every Q of `q`, unsmeared.
inline std::vector<double> reflectivityAt(ReflectivityEngine& engine, const LayerModel& model,
                                          int contrast, const std::vector<double>& q,
                                          bool exactQ) {
  CalcOptions options;
  options.logY = false;
  options.exactQ = exactQ;
  std::vector<double> r;
  r.reserve(q.size());
  for (size_t start = 0; start < q.size(); start += kMaxPoints) {
    const size_t end = std::min(q.size(), start + kMaxPoints);
    DataStore store;
    store.NumDataSets = store.FirstCalcSet = store.LastCalcSet = contrast;
    DataSet& set = store[contrast];
    set.NumPoints = set.DataLast = static_cast<int>(end - start);
    for (size_t i = start; i < end; ++i) set.DataQ[static_cast<int>(i - start) + 1] = q[i];
    engine.Prof_Calc_1(model, store, options);
    engine.Prof_Calc_2(model, store, options);
    for (int pt = 1; pt <= set.DataLast; ++pt) r.push_back(set.CalcR[pt]);
  }
  return r;
}

inline double totalThickness(const LayerModel& model) {
  double d = 0;
  for (int i = 1; i <= model.NumLayers; ++i) d += model.Thickness[static_cast<size_t>(i)];
  return d;
}

// The smeared R of every point (Q_i, σ_i).
inline std::vector<double> bruteForceSmeared(ReflectivityEngine& engine, const LayerModel& model,
                                             int contrast, const std::vector<double>& q,
                                             const std::vector<double>& sigma, bool exactQ) {
  static constexpr std::array<double, 8> x = {-0.9602898564975363, -0.7966664774136267,
                                              -0.5255324099163290, -0.1834346424956498,
                                              0.1834346424956498,  0.5255324099163290,
                                              0.7966664774136267,  0.9602898564975363};
  static constexpr std::array<double, 8> w = {0.1012285362903763, 0.2223810344533745,
                                              0.3137066458778873, 0.3626837833783620,
                                              0.3626837833783620, 0.3137066458778873,
                                              0.2223810344533745, 0.1012285362903763};
  const std::vector<double> edges = criticalEdges(model, contrast, exactQ);
  const double fringe = 0.01 / std::max(totalThickness(model), 50.0);
  std::vector<double> nodes, weights;
  std::vector<size_t> start;
  for (size_t i = 0; i < q.size(); ++i) {
    start.push_back(nodes.size());
    const double lo = q[i] - kResolutionWindow * sigma[i], hi = q[i] + kResolutionWindow * sigma[i];
    std::vector<double> cuts{lo, hi};
    for (double e : edges)
      if (e > lo && e < hi) cuts.push_back(e);
    std::sort(cuts.begin(), cuts.end());
    const double width = std::min(sigma[i] / 64, fringe);
    const double norm = 1 / (sigma[i] * std::sqrt(2 * M_PI));
    for (size_t c = 0; c + 1 < cuts.size(); ++c) {
      const int pieces = std::max(1, static_cast<int>(std::ceil((cuts[c + 1] - cuts[c]) / width)));
      const double h = (cuts[c + 1] - cuts[c]) / pieces;
      for (int p = 0; p < pieces; ++p) {
        for (size_t g = 0; g < x.size(); ++g) {
          const double t = cuts[c] + (p + 0.5 + 0.5 * x[g]) * h;
          const double u = (t - q[i]) / sigma[i];
          nodes.push_back(t);
          weights.push_back(0.5 * h * w[g] * norm * std::exp(-0.5 * u * u));
        }
      }
    }
  }
  start.push_back(nodes.size());
  const std::vector<double> r = reflectivityAt(engine, model, contrast, nodes, exactQ);
  std::vector<double> smeared;
  for (size_t i = 0; i < q.size(); ++i) {
    double sum = 0;
    for (size_t k = start[i]; k < start[i + 1]; ++k) sum += weights[k] * r[k];
    smeared.push_back(sum);
  }
  return smeared;
}

}  // namespace lumo::test
