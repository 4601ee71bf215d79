// The refinement of many parameters: recovery of a known model, reproducibility, the
// coverage of the uncertainties, cancelling, and parameters the data do not fix.
#include "fitting/Refinement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <stdexcept>

#include "fitting/FittingFixtures.h"
#include "fitting/RefineFixtures.h"
#include "fitting/FitController.h"

namespace lumo::fitting {
namespace {

using test::refineProblem;
using test::refineRequest;
using test::refineTruthParameters;

RefineResult refineToEnd(const test::RefineProblem& p, const RefineRequest& request,
                         ResidualMeasure measure = ResidualMeasure::ChiSquared) {
  FitWorkers workers(2);
  Refinement run(workers, p.start(measure), request);
  EXPECT_EQ(RunOutcome::Finished, runToEnd(run));
  return run.result();
}

void expectSameResult(const RefineResult& a, const RefineResult& b) {
  ASSERT_EQ(a.parameters.size(), b.parameters.size());
  for (size_t j = 0; j < a.parameters.size(); ++j) {
    EXPECT_EQ(a.parameters[j].value, b.parameters[j].value);
    EXPECT_EQ(a.parameters[j].determined, b.parameters[j].determined);
    EXPECT_EQ(a.parameters[j].uncertainty, b.parameters[j].uncertainty);
  }
  EXPECT_EQ(a.bestTotal, b.bestTotal);
  EXPECT_EQ(a.evaluations, b.evaluations);
}

TEST(Refinement, RecoversEightParametersOfANoiseFreeModelFromTheFarEndOfTheirRanges) {
  const test::RefineProblem p = refineProblem();
  const RefineResult r = refineToEnd(p, refineRequest());
  const auto truth = refineTruthParameters();
  ASSERT_EQ(truth.size(), r.parameters.size());
  for (size_t j = 0; j < truth.size(); ++j)
    EXPECT_EQ(truth[j].value, r.parameters[j].value)
        << parameterName(truth[j].parameter.family, truth[j].parameter.index);
  EXPECT_LT(r.bestTotal, 1e-6f);
  EXPECT_EQ(3 * 161, r.points);
  EXPECT_EQ(ResidualMeasure::ChiSquared, r.measure);
}

TEST(Refinement, OneSeedGivesOneRunWhetherSteppedInSlicesOrToTheEnd) {
  const test::RefineProblem p = refineProblem(0.03, 7);
  RefineRequest request = refineRequest(5);
  request.runs = 3;
  const RefineResult once = refineToEnd(p, request);
  expectSameResult(once, refineToEnd(p, request));
  EXPECT_EQ(3, once.runs);

  FitWorkers one(1);
  Refinement sliced(one, p.start(ResidualMeasure::ChiSquared), request);
  while (!sliced.step(37)) {
  }
  expectSameResult(once, sliced.result());
}

TEST(Refinement, UncertaintiesCoverTheTrueValuesOfNoisyData) {
  const test::RefineProblem p = refineProblem(0.03, 20240611);
  const RefineResult r = refineToEnd(p, refineRequest());
  const auto truth = refineTruthParameters();
  int covered = 0;
  for (size_t j = 0; j < truth.size(); ++j) {
    const RefinedParameter& got = r.parameters[j];
    EXPECT_TRUE(got.determined);
    EXPECT_GT(got.uncertainty, 0);
    const double offBy = (got.value - truth[j].value) * unitsPerScrollValue(got.parameter.family);
    covered += std::abs(offBy) <= 2 * got.uncertainty;
  }
  EXPECT_GE(covered, 7);
  // χ² of 483 points with 3 % errors, in log10 R: about one a point.
  EXPECT_NEAR(r.bestTotal / static_cast<double>(r.points), 1.0, 0.25);
}

// Layer 3 is all solvent, so its own SLD changes nothing the data see.
TEST(Refinement, AParameterThatDoesNotChangeTheCurveIsUndetermined) {
  test::RefineProblem p = refineProblem(0.03, 3);
  p.model = test::refineTruth();
  p.model.SolventFraction[3] = 1;
  p.store = refineProblem().store;
  RefineRequest request;
  request.runs = 1;
  request.parameters = {{ParameterFamily::Thickness, 1, {0, 50, 1}},
                        {ParameterFamily::SLD, 3, {-100, 800, 1}}};
  const RefineResult r = refineToEnd(p, request);
  EXPECT_TRUE(r.parameters[0].determined);
  EXPECT_FALSE(r.parameters[1].determined);
}

TEST(Refinement, CancellingLeavesTheCallersModelAndDataAsTheyWere) {
  const test::RefineProblem p = refineProblem();
  const test::RefineProblem before = p;
  FitWorkers workers(2);
  Refinement run(workers, p.start(ResidualMeasure::ChiSquared), refineRequest());
  test::RecordingObserver observer(500);
  EXPECT_EQ(RunOutcome::Cancelled, runToEnd(run, &observer));
  EXPECT_FALSE(run.finished());
  EXPECT_EQ(500, run.progress().done);
  EXPECT_LT(run.progress().done, run.progress().total);
  EXPECT_EQ(0, std::memcmp(&before.model, &p.model, sizeof(LayerModel)));
  test::expectSameStore(before.store, p.store);
}

TEST(Refinement, RefusesRequestsThatNameNoParameterOfTheModel) {
  const test::RefineProblem p = refineProblem();
  FitWorkers workers(1);
  const auto refused = [&](std::vector<RefineParameter> parameters) {
    RefineRequest request;
    request.parameters = std::move(parameters);
    EXPECT_THROW(Refinement(workers, p.start(ResidualMeasure::ChiSquared), request),
                 std::invalid_argument);
  };
  refused({});
  refused({{ParameterFamily::Thickness, 4, {0, 50, 1}}});  // three layers
  refused({{ParameterFamily::SLD, 0, {0, 50, 1}}});        // only roughness has index 0
  refused({{ParameterFamily::Thickness, 1, {50, 0, 1}}});  // empty range
  refused({{ParameterFamily::Solvent, 2, {0, 100, 1}}, {ParameterFamily::Solvent, 2, {0, 9, 1}}});
}

}  // namespace
}  // namespace lumo::fitting
