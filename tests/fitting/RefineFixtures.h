#pragma once
// The refinement problem of the tests and the benchmark: curves of a known three-layer
// model on three contrasts (161 points each, Q 0.01..0.3), eight parameters refined from
// the far end of their fresh-start ranges.
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "model/EngineFixtures.h"
#include "fitting/FitWorkspace.h"
#include "fitting/Refinement.h"
#include "model/ReflectivityEngine.h"

namespace lumo::test {

inline LayerModel refineTruth() {
  using fitting::modelValueOf;
  using fitting::ParameterFamily;
  LayerModel m;
  m.NumLayers = 3;
  m.IncidentSLD = modelValueOf(ParameterFamily::SLD, 207);
  const int solvents[] = {0, 635, -56, 400};
  for (int ds = 1; ds <= 3; ++ds) m.SolventSLD[ds] = modelValueOf(ParameterFamily::SLD, solvents[ds]);
  m.Thickness = {0, 12, 37, 30};
  m.Roughness = {4, 3, 2, 5};
  const int sld[] = {0, 347, 100, 500}, solvent[] = {0, 5, 20, 0};
  for (int i = 1; i <= 3; ++i) {
    m.LayerSLD[i] = modelValueOf(ParameterFamily::SLD, sld[i]);
    m.SolventFraction[i] = modelValueOf(ParameterFamily::Solvent, solvent[i]);
  }
  return m;
}

// The eight refined parameters with the ranges of a fresh start, and their true values.
struct TrueParameter {
  fitting::RefineParameter parameter;
  int value;
};

inline std::vector<TrueParameter> refineTruthParameters() {
  using fitting::ParameterFamily;
  return {{{ParameterFamily::Thickness, 1, {0, 50, 1}}, 12},
          {{ParameterFamily::Thickness, 2, {0, 50, 1}}, 37},
          {{ParameterFamily::Thickness, 3, {0, 50, 1}}, 30},
          {{ParameterFamily::SLD, 1, {-100, 800, 1}}, 347},
          {{ParameterFamily::SLD, 3, {-100, 800, 1}}, 500},
          {{ParameterFamily::Solvent, 2, {0, 100, 1}}, 20},
          {{ParameterFamily::Roughness, 0, {0, 100, 1}}, 4},
          {{ParameterFamily::Roughness, 2, {0, 50, 1}}, 2}};
}

inline fitting::RefineRequest refineRequest(std::uint64_t seed = fitting::kDefaultRefineSeed) {
  fitting::RefineRequest r;
  for (const TrueParameter& t : refineTruthParameters()) r.parameters.push_back(t.parameter);
  r.seed = seed;
  return r;
}

struct RefineProblem {
  LayerModel model;  // the start: every refined parameter at the far end of its range
  DataStore store;
  CalcOptions options;
  fitting::FitStart start(ResidualMeasure measure) const { return {model, store, options, measure}; }
};

// A unit normal number from two uniform ones (Box–Muller), the same on every library.
inline double normalDraw(std::mt19937_64& random) {
  const auto uniform = [&] { return (static_cast<double>(random() >> 11) + 0.5) * 0x1.0p-53; };
  const double u = uniform(), v = uniform();
  return std::sqrt(-2 * std::log(u)) * std::cos(2 * 3.14159265358979 * v);
}

// Data stored as the window holds them with "Log Y" on; error bars of `relativeError`
// of R, and R drawn with that standard deviation when `noiseSeed` is not 0.
inline RefineProblem refineProblem(double relativeError = 0.03, std::uint64_t noiseSeed = 0) {
  RefineProblem p{refineTruth(), storeWithQ(evenQ(0.01, 0.3, 161), 3), CalcOptions{}};
  ReflectivityEngine engine;
  p.options.logY = false;
  engine.Prof_Calc_1(p.model, p.store, p.options);
  engine.Prof_Calc_2(p.model, p.store, p.options);
  p.options.logY = true;
  std::mt19937_64 random(noiseSeed);
  for (int ds = 1; ds <= 3; ++ds) {
    DataSet& s = p.store[ds];
    for (int pt = 1; pt <= s.NumPoints; ++pt) {
      double r = s.CalcR[pt];
      if (noiseSeed != 0) r *= 1 + relativeError * normalDraw(random);
      r = std::max(r, 1e-12);
      const double dr = relativeError * r;
      s.DataR[pt] = std::log10(r);
      s.DataErr[pt] = dr;
      s.ErrUpper[pt] = std::log10(r + dr);
      s.ErrLower[pt] = std::log10(std::max(r - dr, 1e-300));
      s.CalcR[pt] = 0;
    }
  }
  for (const TrueParameter& t : refineTruthParameters()) {
    const fitting::ScrollRange& range = t.parameter.range;
    const int far = t.value - range.Min < range.Max - t.value ? range.Max : range.Min;
    fitting::storeScrollValue(p.model, t.parameter.family, t.parameter.index, far);
  }
  return p;
}

}  // namespace lumo::test
