#include "dataops/Background.h"

#include <gtest/gtest.h>

#include "DataOpsFixtures.h"

namespace lumo::test {
namespace {

using dataops::subtractBackground;

class Background : public ::testing::TestWithParam<bool> {
 protected:
  bool logY() const { return GetParam(); }
};

// Twice 1e-6 is once 2e-6, on either axis, and the same linear result on both; the
// background adds up.
TEST_P(Background, TwiceIsOnceWithTheSumAndLogEqualsLinear) {
  DataSet twice = loadedSet(40, logY()), once = loadedSet(40, logY()), linear = loadedSet(40, false);
  subtractBackground(twice, 1e-6, logY());
  subtractBackground(twice, 1e-6, logY());
  subtractBackground(once, 2e-6, logY());
  subtractBackground(linear, 2e-6, false);
  EXPECT_FLOAT_EQ(twice.Background, 2e-6f);
  EXPECT_FLOAT_EQ(once.Background, 2e-6f);
  for (int j = 1; j <= 40; ++j) {
    for (const DataSet* s : {&twice, &once}) {
      const LinearValues v = linearAt(*s, j, logY()), w = linearAt(linear, j, false);
      EXPECT_NEAR(v.r, w.r, 1e-12 * w.r) << j;
      EXPECT_NEAR(v.upper, w.upper, 1e-12 * w.upper) << j;
    }
  }
}

// A point equal to the background becomes a placeholder (and one that already is stays
// one); a lower end that falls below the floor moves the floor one decade below its own
// decade, taking the bars clipped to the old floor with it.
TEST_P(Background, PointsAtTheBackgroundBecomePlaceholdersAndTheFloorMovesDown) {
  DataSet s = loadedSet(40, logY(), 2);
  EXPECT_NEAR(logY() ? pow10Of(s.YMin) : s.YMin, 1e-5, 1e-11);  // R down to 10^-3.8
  const double r30 = linearAt(s, 30, logY()).r;        // 10^-3, lower end 0.8e-3
  const double b = 0.8 * r30 - 3e-7;                    // above R of points 31..
  subtractBackground(s, b, logY());
  for (int j = 31; j <= 40; ++j) {
    EXPECT_TRUE(isPlaceholder(s.DataR[j], logY())) << j;
    EXPECT_EQ(s.ErrLower[j], s.YMin) << j;  // on the new floor
  }
  EXPECT_NEAR(linearAt(s, 30, logY()).lower, 3e-7, 1e-12);
  EXPECT_NEAR(linearAt(s, 30, logY()).r, r30 - b, 1e-12);
  EXPECT_NEAR(logY() ? pow10Of(s.YMin) : s.YMin, 1e-8, 1e-14);
  EXPECT_FLOAT_EQ(s.YMinSaved, 1e-8f);
  // A lower end that would go negative is put on the floor.
  const double lower29 = linearAt(s, 29, logY()).lower;
  subtractBackground(s, lower29 + 1e-12, logY());
  EXPECT_EQ(s.ErrLower[29], s.YMin);
  // Exactly the background: a placeholder.
  const double r20 = linearAt(s, 20, logY()).r;
  subtractBackground(s, r20, logY());
  EXPECT_TRUE(isPlaceholder(s.DataR[20], logY()));
}

// A negative value adds a constant.
TEST_P(Background, ANegativeValueAddsAConstant) {
  DataSet s = loadedSet(10, logY(), 1);
  const DataSet before = s;
  subtractBackground(s, -1e-3, logY());
  for (int j = 1; j <= 9; ++j)
    EXPECT_NEAR(linearAt(s, j, logY()).r, linearAt(before, j, logY()).r + 1e-3, 1e-12) << j;
  EXPECT_TRUE(isPlaceholder(s.DataR[10], logY()));
  EXPECT_EQ(s.YMin, before.YMin);
}

INSTANTIATE_TEST_SUITE_P(LinearAndLogY, Background, ::testing::Bool());

}  // namespace
}  // namespace lumo::test
