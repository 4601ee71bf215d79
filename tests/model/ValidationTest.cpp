// The engine against the public validation set of the reflectometry community, with
// the standard kinematics (sin θ = Qλ/(4π)) that the references use.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <vector>

#include "EngineFixtures.h"
#include "ValidationReference.h"
#include "TestSupport.h"
#include "model/ReflectivityEngine.h"

namespace lumo {
namespace {

// Calculates the reference's Q points in chunks of at most 512 and counts the points
// whose relative difference exceeds 2e-4 where the reference is at least 1e-10.
void expectAgreement(const test::Reference& ref) {
  ASSERT_GT(ref.q.size(), 100u);
  CalcOptions options;
  options.logY = false;
  options.exactQ = true;
  ReflectivityEngine engine;
  double worst = 0;
  size_t checked = 0;
  for (size_t start = 0; start < ref.q.size(); start += kMaxPoints) {
    const size_t end = std::min(ref.q.size(), start + kMaxPoints);
    DataStore store = test::storeWithQ({ref.q.begin() + static_cast<long>(start),
                                        ref.q.begin() + static_cast<long>(end)});
    engine.Prof_Calc_1(ref.model, store, options);
    engine.Prof_Calc_2(ref.model, store, options);
    for (size_t i = start; i < end; ++i) {
      if (ref.r[i] < 1e-10) continue;
      const double calc = store[1].CalcR[static_cast<int>(i - start) + 1];
      const double relative = std::abs(calc - ref.r[i]) / ref.r[i];
      worst = std::max(worst, relative);
      ++checked;
      EXPECT_LE(relative, 2e-4) << "Q = " << ref.q[i] << ": " << calc << " against " << ref.r[i];
    }
  }
  ::testing::Test::RecordProperty("worst_relative_difference", std::to_string(worst));
  std::cout << "  " << checked << " points checked, worst relative difference " << worst << "\n";
}

TEST(Validation, TwentyTitaniumNickelLayers) {
  LUMO_REQUIRE_TESTDATA(data);
  expectAgreement(test::loadReference(data / "validation", "test1"));
}

TEST(Validation, OneRoughInterface) {
  LUMO_REQUIRE_TESTDATA(data);
  expectAgreement(test::loadReference(data / "validation", "test2"));
}

}  // namespace
}  // namespace lumo
