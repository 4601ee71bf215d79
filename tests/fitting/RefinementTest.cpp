// The refinement of many parameters: recovery of a known model, reproducibility, the
// coverage of the uncertainties, cancelling, and parameters the data do not fix.
#include "fitting/Refinement.h"

#include <gtest/gtest.h>

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
  FitWorkspace ws;
  Refinement run(ws, p.start(measure), request);
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
  std::printf("evaluations %lld generations %d runs %d\n",
              static_cast<long long>(r.evaluations), r.generations, r.runs);
}

TEST(Refinement, OneSeedGivesOneRunWhetherSteppedInSlicesOrToTheEnd) {
  const test::RefineProblem p = refineProblem(0.03, 7);
  const RefineResult once = refineToEnd(p, refineRequest(5));
  expectSameResult(once, refineToEnd(p, refineRequest(5)));

  FitWorkspace ws;
  Refinement sliced(ws, p.start(ResidualMeasure::ChiSquared), refineRequest(5));
  while (!sliced.step(37)) {
  }
  expectSameResult(once, sliced.result());
}

}  // namespace
}  // namespace lumo::fitting
