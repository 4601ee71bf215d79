#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "FittingFixtures.h"
#include "fitting/ParameterScan.h"

namespace lumo::fitting {
namespace {

using test::FitProblem;
using test::measuredFrom;
using test::startOf;
using test::threeLayerTruth;

ParameterScanResult scan(const FitProblem& p, const ParameterScanRequest& request,
                         ResidualMeasure measure = ResidualMeasure::LeastSquares,
                         fitting::FitObserver* observer = nullptr) {
  FitWorkers ws;
  ParameterScan run(ws, startOf(p, measure), request);
  EXPECT_EQ(runToEnd(run, observer), RunOutcome::Finished);
  return run.result();
}

struct FamilyCase {
  ParameterFamily family;
  int index;
  int truth;  // scroll value of the true model
  int away;   // scroll value the scan starts from
  ScrollRange range;
  const char* name;
};

class ScanFindsTheTrueValue : public ::testing::TestWithParam<FamilyCase> {};

// Data calculated from the true model: the scan must land on the true scroll value with
// a total of zero, whichever value the parameter held before, in both measures. (Zero to
// rounding: the scan's kept product is associated differently from the fresh calculation
// that made the data.)
TEST_P(ScanFindsTheTrueValue, InBothMeasures) {
  const FamilyCase& c = GetParam();
  const LayerModel truth = threeLayerTruth();
  FitProblem p = measuredFrom(truth);
  storeScrollValue(p.model, c.family, c.index, c.away);
  for (ResidualMeasure measure : {ResidualMeasure::LeastSquares, ResidualMeasure::ChiSquared}) {
    const ParameterScanResult r = scan(p, {c.family, c.index, c.range}, measure);
    EXPECT_EQ(r.bestValue, c.truth);
    EXPECT_LT(r.bestTotal, 1e-20f);
    EXPECT_EQ(r.trials, scanTrialCount(c.range));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Families, ScanFindsTheTrueValue,
    ::testing::Values(FamilyCase{ParameterFamily::Thickness, 2, 37, 60, {0, 100, 1}, "Thickness"},
                      FamilyCase{ParameterFamily::SLD, 1, 347, 200, {-1000, 1000, 1}, "SLD"},
                      FamilyCase{ParameterFamily::Solvent, 2, 20, 50, {0, 100, 1}, "Solvent"},
                      FamilyCase{ParameterFamily::Roughness, 2, 2, 9, {0, 100, 1}, "Roughness"},
                      FamilyCase{
                          ParameterFamily::Roughness, 0, 4, 0, {0, 100, 1}, "RoughnessLayer0"}),
    [](const auto& tc) { return std::string(tc.param.name); });

// Min, then steps of SmallChange while they stay within Max (one trial when Min = Max);
// every trial is reported with the best so far.
TEST(ParameterScan, TrialsRunFromMinInStepsOfSmallChangeUpToMax) {
  const FitProblem p = measuredFrom(threeLayerTruth());
  test::RecordingObserver observer;
  const ParameterScanResult r = scan(p, {ParameterFamily::Thickness, 2, {30, 40, 3}},
                                     ResidualMeasure::LeastSquares, &observer);
  ASSERT_EQ(observer.seen.size(), 4u);  // 30, 33, 36, 39: the step past 39 would pass Max
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(observer.seen[i].trial[0], 30 + 3 * static_cast<int>(i));
    EXPECT_EQ(observer.seen[i].done, static_cast<std::int64_t>(i + 1));
    EXPECT_EQ(observer.seen[i].total, 4);
  }
  EXPECT_EQ(r.bestValue, 36);  // nearest to the true 37
  EXPECT_EQ(r.bestTotal, observer.seen[2].trialTotal);
  EXPECT_EQ(observer.seen[3].bestTotal, r.bestTotal);

  const ParameterScanResult one = scan(p, {ParameterFamily::Solvent, 1, {42, 42, 5}});
  EXPECT_TRUE(one.trials == 1 && one.bestValue == 42 && one.bestTotal > 0.0f);
  EXPECT_EQ(scanTrialCount({5, 4, 1}), 0);
  EXPECT_EQ(scanTrialCount({0, 10, 0}), 11);  // a SmallChange below 1 steps by 1
}

TEST(ParameterScan, AmongEqualTotalsTheFirstTrialWins) {
  test::RecordingObserver observer;
  const ParameterScanResult r = scan(test::thicknessWithoutEffect(),
                                     {ParameterFamily::Thickness, 1, {7, 90, 1}},
                                     ResidualMeasure::LeastSquares, &observer);
  EXPECT_EQ(r.bestValue, 7);
  for (const FitProgress& seen : observer.seen) EXPECT_EQ(seen.trialTotal, r.bestTotal);
}

// Chi squared on long, precise data gives totals far above 10000; the scan must still
// rank them rather than keep Min.
TEST(ParameterScan, TotalsAboveTenThousandAreRanked) {
  LayerModel truth = threeLayerTruth();
  truth.Thickness[2] = 37.5f;  // between two trial values
  FitProblem p = measuredFrom(truth, true, test::fitQ(400));
  for (int ds = 1; ds <= 2; ++ds)
    for (int pt = 1; pt <= p.store[ds].NumPoints; ++pt)
      p.store[ds].ErrUpper[pt] = p.store[ds].DataR[pt] + 1e-5;  // tiny log10 error bars
  test::RecordingObserver observer;
  const ParameterScanResult r =
      scan(p, {ParameterFamily::Thickness, 2, {0, 100, 1}}, ResidualMeasure::ChiSquared, &observer);
  for (const FitProgress& seen : observer.seen) EXPECT_GT(seen.trialTotal, 10000.0f);
  EXPECT_TRUE(r.bestValue == 37 || r.bestValue == 38) << r.bestValue;
}

// The residual display off leaves SetResidual stale in the window's store, and with
// "Calculate Fit" up nothing was ever calculated for the loaded data; the scan prepares
// and computes its own totals, and the window's store keeps its values.
TEST(ParameterScan, RanksByItsOwnResidualsWithTheDisplayOffAndNothingCalculated) {
  FitProblem p = measuredFrom(threeLayerTruth());
  p.model.Thickness[3] = 80;
  p.options.residualOn = false;
  for (int ds = 1; ds <= 2; ++ds) {
    p.store[ds].SetResidual = 0.0f;
    p.store[ds].CalcFirst = 1;
    p.store[ds].CalcLast = 0;
  }
  const DataStore before = p.store;
  const ParameterScanResult r = scan(p, {ParameterFamily::Thickness, 3, {0, 100, 1}});
  EXPECT_EQ(r.bestValue, 30);
  test::expectSameStore(p.store, before);
}

// Points whose chi-squared divisor is zero are left out: every trial's total is exactly
// that of the same data without those points, so the ranking is neither broken nor changed.
TEST(ParameterScan, PointsWithoutErrorBarsAreLeftOutOfTheRanking) {
  LayerModel truth = threeLayerTruth();
  truth.Thickness[2] = 37.4f;
  const std::vector<double> q = test::fitQ();
  const std::vector<int> holes = {3, 17, 40};  // points of the file, from 1
  std::vector<double> kept = q;
  for (auto hole = holes.rbegin(); hole != holes.rend(); ++hole)
    kept.erase(kept.begin() + (*hole - 1));
  FitProblem holed = measuredFrom(truth, true, q);
  for (int ds = 1; ds <= 2; ++ds)
    for (int pt : holes) holed.store[ds].ErrUpper[pt] = holed.store[ds].DataR[pt];
  const FitProblem without = measuredFrom(truth, true, kept);

  const ParameterScanRequest request{ParameterFamily::Thickness, 2, {0, 100, 1}};
  test::RecordingObserver holedSeen, withoutSeen;
  EXPECT_EQ(scan(holed, request, ResidualMeasure::ChiSquared, &holedSeen).bestValue, 37);
  scan(without, request, ResidualMeasure::ChiSquared, &withoutSeen);
  ASSERT_EQ(holedSeen.seen.size(), withoutSeen.seen.size());
  for (size_t i = 0; i < holedSeen.seen.size(); ++i)
    EXPECT_EQ(holedSeen.seen[i].trialTotal, withoutSeen.seen[i].trialTotal) << i;
}

TEST(ParameterScan, RefusesAParameterOutsideTheModel) {
  const FitProblem p = measuredFrom(threeLayerTruth());
  FitWorkers ws;
  using R = ParameterScanRequest;
  for (const R& bad : {R{ParameterFamily::Thickness, 0, {0, 1, 1}},
                       R{ParameterFamily::SLD, 4, {0, 1, 1}}})
    EXPECT_THROW(ParameterScan(ws, startOf(p), bad), std::invalid_argument);
  EXPECT_NO_THROW(ParameterScan(ws, startOf(p), {ParameterFamily::Roughness, 0, {0, 1, 1}}));
}

}  // namespace
}  // namespace lumo::fitting
