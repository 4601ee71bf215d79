#include "files/DataLoading.h"

#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"
#include "files/DisplayScale.h"

namespace lumo {
namespace {

std::string dataFile(const std::string& points) {
  return "\"LUMO\"\r\n\"t\"\r\n6.35\r\n3\r\n" + points;
}

DataSet loaded(const std::string& points, bool logX = false, bool logY = false) {
  test::ScratchDir dir;
  DataStore store;
  const auto error = loadSlot(store, 1, dir.write("a.VLD", dataFile(points)), PointCount::UntilEnd);
  EXPECT_FALSE(error) << (error ? error->message() : "");
  convertForDisplay(store[1], logX, logY);
  return store[1];
}

TEST(DataLoading, RangesSpanWholeDecadesWithASpareDecadeEachWay) {
  const DataSet s = loaded("0.02 1.0 0.1\r\n0.01 0.05 0.01\r\n0.16 2e-5 1e-6\r\n");
  EXPECT_EQ(s.YMax, 10.0f);  // exactly 1.0 gives a top of 10
  EXPECT_FLOAT_EQ(s.YMin, 1e-6f);
  EXPECT_EQ(s.XMin, 0.01f);
  EXPECT_EQ(s.XMax, 0.16f);
  EXPECT_TRUE(s.XMinSaved == s.XMin && s.YMaxSaved == s.YMax);
  EXPECT_TRUE(s.DataFirst == 1 && s.DataLast == 3);
  EXPECT_EQ(loaded("0.01 0.9 0.1\r\n").YMax, 1.0f);  // 0.9 gives 1
}

// R <= 0 becomes the placeholder 10, above the axis, with its bar down to YMin (a first
// such point starts YMin at 1 before later points lower it); a lower bar end below zero
// moves to YMin; Q <= 0 moves to the smallest positive Q.
TEST(DataLoading, ValuesWithoutALogarithmGetPlaceholders) {
  const DataSet s = loaded("0.02 -0.5 0.1\r\n-0.01 0.2 0.3\r\n0.01 0.01 0.001\r\n");
  EXPECT_FLOAT_EQ(s.YMin, 1e-3f);
  EXPECT_EQ(s.DataR[1], 10.0);
  EXPECT_EQ(s.ErrUpper[1], 10.0);
  EXPECT_FLOAT_EQ(static_cast<float>(s.ErrLower[1]), s.YMin);
  EXPECT_FLOAT_EQ(static_cast<float>(s.ErrLower[2]), s.YMin);
  EXPECT_DOUBLE_EQ(s.ErrLower[3], 0.009);
  EXPECT_EQ(s.XMin, 0.01f);
  EXPECT_DOUBLE_EQ(s.DataQ[2], 0.01f);
  // A first Q of 0 stays the minimum; a negative one never becomes it, so no point is
  // moved to a negative Q (which the calculation would take for an angle, giving R > 1).
  EXPECT_EQ(loaded("0 1 0.1\r\n0.01 1 0.1\r\n0.02 1 0.1\r\n").XMin, 0.0f);
  const DataSet negative = loaded("-0.01 1 0.1\r\n0.02 1 0.1\r\n0 1 0.1\r\n0.015 1 0.1\r\n");
  EXPECT_EQ(negative.XMin, 0.015f);
  EXPECT_EQ(negative.XMax, 0.02f);
  EXPECT_TRUE(negative.DataQ[1] == 0.015f && negative.DataQ[3] == 0.015f);
  EXPECT_EQ(loaded("-0.01 1 0.1\r\n-0.02 1 0.1\r\n").XMin, 0.0f);
}

// In logarithmic storage and back; a Q or R with no logarithm never gives NaN.
TEST(DataLoading, LogarithmicStoreAndBack) {
  DataSet s = loaded("0.01 1e-3 1e-4\r\n0.1 0.5 0.1\r\n0.2 -1 0.1\r\n", true, true);
  EXPECT_NEAR(s.DataQ[1], -2.0, 1e-15);
  EXPECT_NEAR(s.DataR[1], -3.0, 1e-15);
  EXPECT_NEAR(s.ErrUpper[1], std::log10(1.1e-3), 1e-14);
  EXPECT_NEAR(s.DataR[3], 1.0, 1e-15);  // the placeholder 10
  EXPECT_NEAR(s.XMin, -2.0f, 1e-6);
  EXPECT_NEAR(s.YMax, 0.0f, 1e-6);
  EXPECT_NEAR(s.YMin, -4.0f, 1e-6);
  fromLogX(s);
  fromLogY(s, true);
  EXPECT_NEAR(s.DataQ[2], 0.1, 1e-15);
  EXPECT_NEAR(s.DataR[2], 0.5, 1e-15);
  EXPECT_NEAR(s.YMin, 1e-4f, 1e-10);

  s = loaded("0 1e-3 1e-4\r\n0 0.5 0.1\r\n", true, true);
  for (int pt = 1; pt <= s.NumPoints; ++pt)
    EXPECT_TRUE(std::isfinite(s.DataQ[pt]) && std::isfinite(s.ErrLower[pt]));
  EXPECT_TRUE(std::isfinite(s.XMin));
  s.YMin = 0;  // a typed range of zero on a linear axis
  toLogY(s, false);
  EXPECT_TRUE(std::isfinite(s.YMin));
}

// A failed read or reload changes nothing: a reload reads every file before any slot.
TEST(DataLoading, FailedReadsAndReloadsLeaveTheStoreAsItWas) {
  test::ScratchDir dir;
  const std::string points = "0.01 1 0.1\r\n0.02 0.5 0.1\r\n0.03 0.1 0.1\r\n";
  const std::string a = dir.write("a.VLD", dataFile(points));
  const std::string b = dir.write("b.VLD", dataFile(points));
  DataStore store;
  ASSERT_FALSE(loadSlot(store, 1, a, PointCount::UntilEnd));
  ASSERT_FALSE(loadSlot(store, 2, b, PointCount::UntilEnd));
  store.NumDataSets = 2;
  for (int i = 1; i <= 2; ++i) convertForDisplay(store[i], false, true);
  const DataStore before = store;
  const std::string badFile = dir.write("bad.VLD", dataFile("0.01 1 0.1\r\n0.02 x 0.1\r\n"));
  const auto bad = loadSlot(store, 1, badFile, PointCount::UntilEnd);
  ASSERT_TRUE(bad);
  EXPECT_NE(bad->message().find("bad.VLD"), std::string::npos);
  EXPECT_EQ(store[1].DataFileName, a);
  EXPECT_EQ(store[1].NumPoints, 3);
  EXPECT_EQ(store[1].DataR, before[1].DataR);

  // The first file changes on disk, the second disappears.
  dir.write("a.VLD", dataFile("0.01 0.7 0.1\r\n0.02 0.5 0.1\r\n0.03 0.1 0.1\r\n"));
  std::filesystem::remove(b);
  const auto error = reloadAll(store, false, true);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->headline(), "Error Opening File!");
  EXPECT_EQ(store[1].DataR, before[1].DataR);
  // With both files back, both are reread and converted; a reload reads the announced
  // count (3), not to the end of the file.
  dir.write("b.VLD", dataFile(points + "0.04 0.05 0.01\r\n"));
  ASSERT_FALSE(reloadAll(store, false, true));
  EXPECT_NEAR(store[1].DataR[1], std::log10(0.7), 1e-15);
  EXPECT_EQ(store[2].NumPoints, 3);
}

}  // namespace
}  // namespace lumo
