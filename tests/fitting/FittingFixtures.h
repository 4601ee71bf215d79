#pragma once
// Problems for the fitting tests: data sets that are the calculated curve of a known
// model, so that the true parameter values give a total residual of exactly zero.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "fitting/FitRun.h"
#include "fitting/FitWorkspace.h"
#include "fitting/LayerParameter.h"
#include "model/EngineFixtures.h"
#include "model/ReflectivityEngine.h"

namespace lumo::test {

// Three layers on silicon, every value the model value of a whole scroll value.
inline LayerModel threeLayerTruth() {
  using fitting::modelValueOf;
  using fitting::ParameterFamily;
  LayerModel m;
  m.NumLayers = 3;
  m.IncidentSLD = modelValueOf(ParameterFamily::SLD, 207);
  m.SolventSLD[1] = modelValueOf(ParameterFamily::SLD, 635);
  m.SolventSLD[2] = modelValueOf(ParameterFamily::SLD, -56);
  m.Thickness = {0, 12, 37, 30};
  m.Roughness = {4, 3, 2, 5};
  const int sld[] = {0, 347, 100, 500}, solvent[] = {0, 5, 20, 0};
  for (int i = 1; i <= 3; ++i) {
    m.LayerSLD[i] = modelValueOf(ParameterFamily::SLD, sld[i]);
    m.SolventFraction[i] = modelValueOf(ParameterFamily::Solvent, solvent[i]);
  }
  return m;
}

struct FitProblem {
  LayerModel model;
  DataStore store;
  CalcOptions options;
};

inline std::vector<double> fitQ(int points = 80) { return evenQ(0.01, 0.25, points); }

// Two contrasts measured from `truth` at the points `q`: the curves as the engine stores
// them for the display (log10 R when logY), with error bars of 5 %.
inline FitProblem measuredFrom(const LayerModel& truth, bool logY = true,
                               const std::vector<double>& q = fitQ()) {
  FitProblem p{truth, storeWithQ(q, 2), CalcOptions{}};
  p.options.logY = logY;
  ReflectivityEngine engine;
  engine.Prof_Calc_1(truth, p.store, p.options);
  engine.Prof_Calc_2(truth, p.store, p.options);
  for (int ds = 1; ds <= 2; ++ds) {
    DataSet& s = p.store[ds];
    for (int pt = 1; pt <= s.NumPoints; ++pt) {
      const double r = s.CalcR[pt];
      s.DataR[pt] = r;
      s.DataErr[pt] = 0.05 * (logY ? std::pow(10.0, r) : r);
      s.ErrUpper[pt] = logY ? r + std::log10(1.05) : r * 1.05;
      s.ErrLower[pt] = logY ? r + std::log10(0.95) : r * 0.95;
      s.CalcR[pt] = 0;
    }
  }
  return p;
}

// One contrast and one layer of the solvent's own SLD, whose thickness changes nothing:
// every trial of it has the same total, which is not zero (roughness 0 is off).
inline FitProblem thicknessWithoutEffect() {
  LayerModel m = threeLayerTruth();
  m.NumLayers = 1;
  m.LayerSLD[1] = m.SolventSLD[1];
  m.SolventFraction[1] = 0;
  FitProblem p = measuredFrom(m);
  p.store.NumDataSets = p.store.LastCalcSet = 1;
  p.model.Roughness[0] = 6;
  return p;
}

inline fitting::FitStart startOf(const FitProblem& p,
                                 ResidualMeasure measure = ResidualMeasure::LeastSquares) {
  return {p.model, p.store, p.options, measure};
}

// What a run could touch in the window's store, compared bit for bit.
inline void expectSameStore(const DataStore& a, const DataStore& b) {
  EXPECT_TRUE(a.FirstCalcSet == b.FirstCalcSet && a.LastCalcSet == b.LastCalcSet);
  for (int ds = 1; ds <= kMaxDataSets; ++ds) {
    EXPECT_EQ(0, std::memcmp(a[ds].CalcR.data(), b[ds].CalcR.data(), sizeof(PointArray)));
    EXPECT_EQ(0, std::memcmp(a[ds].DataR.data(), b[ds].DataR.data(), sizeof(PointArray)));
    EXPECT_TRUE(a[ds].CalcFirst == b[ds].CalcFirst && a[ds].CalcLast == b[ds].CalcLast);
    EXPECT_EQ(a[ds].SetResidual, b[ds].SetResidual);
    EXPECT_EQ(a[ds].ResidualPointsLeftOut, b[ds].ResidualPointsLeftOut);
  }
}

// Records every evaluation; cancels after `cancelAfter` of them (never when negative).
class RecordingObserver : public fitting::FitObserver {
 public:
  explicit RecordingObserver(long cancelAfter = -1) : cancelAfter_(cancelAfter) {}
  bool proceed(const fitting::FitProgress& progress) override {
    seen.push_back(progress);
    return cancelAfter_ < 0 || static_cast<long>(seen.size()) < cancelAfter_;
  }
  std::vector<fitting::FitProgress> seen;

 private:
  long cancelAfter_;
};

}  // namespace lumo::test
