#include "dataops/ScaleFactor.h"

#include <gtest/gtest.h>

#include "DataOpsFixtures.h"

namespace lumo::test {
namespace {

using dataops::scaleTo;

class ScaleFactor : public ::testing::TestWithParam<bool> {
 protected:
  bool logY() const { return GetParam(); }
};

// 0.5 then back to 1 (the box reads 0.5; typing 1 applies 1/0.5 = 2) restores the data;
// confirming the factor shown changes nothing; placeholders, dR and ranges stay; a
// factor that is not above zero is never applied.
TEST_P(ScaleFactor, TypedFactorIsTheAccumulatedOne) {
  const DataSet loaded = loadedSet(20, logY(), 3);
  DataSet s = loaded;
  scaleTo(s, 0.5f, logY());
  EXPECT_EQ(s.ScaleFactor, 0.5f);
  for (int j = 1; j <= 17; ++j) {
    EXPECT_NEAR(linearAt(s, j, logY()).r, 0.5 * linearAt(loaded, j, logY()).r, 1e-15) << j;
    EXPECT_NEAR(linearAt(s, j, logY()).lower, 0.5 * linearAt(loaded, j, logY()).lower, 1e-15) << j;
  }
  EXPECT_EQ(s.DataR[18], loaded.DataR[18]);
  EXPECT_EQ(s.DataErr, loaded.DataErr);
  EXPECT_EQ(s.YMin, loaded.YMin);
  const DataSet half = s;
  scaleTo(s, 0.5f, logY());  // OK pressed on the box unchanged
  EXPECT_EQ(s.DataR, half.DataR);
  scaleTo(s, 0.0f, logY());
  scaleTo(s, -2.0f, logY());
  EXPECT_EQ(s.DataR, half.DataR);
  scaleTo(s, 1.0f, logY());
  EXPECT_EQ(s.ScaleFactor, 1.0f);
  for (int j = 1; j <= 20; ++j) EXPECT_NEAR(s.DataR[j], loaded.DataR[j], 1e-14) << j;
}

INSTANTIATE_TEST_SUITE_P(LinearAndLogY, ScaleFactor, ::testing::Bool());

}  // namespace
}  // namespace lumo::test
