#include "dataops/NegativeValues.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "DataOpsFixtures.h"

namespace lumo::test {
namespace {

using dataops::removePlaceholders;
using dataops::setPlaceholdersTo;

// 100 points with 7 placeholders scattered among them leave 93, in order, with zeros in
// 94..100 of every array and the range reset to the whole set.
TEST(NegativeValues, RemovingKeepsTheOtherPointsInOrder) {
  for (const bool logY : {false, true}) {
    DataSet s = loadedSet(100, logY);
    const int holes[] = {1, 13, 14, 50, 77, 99, 100};
    for (int j : holes) s.DataR[j] = s.ErrUpper[j] = logY ? std::nextafter(1.0, 0.0) : 10.0;
    const DataSet before = s;
    s.DataFirst = 20;
    s.DataLast = 60;
    EXPECT_EQ(removePlaceholders(s, logY), 7);
    EXPECT_EQ(s.NumPoints, 93);
    EXPECT_EQ(s.DataFirst, 1);
    EXPECT_EQ(s.DataLast, 93);
    int kept = 0;
    for (int j = 1; j <= 100; ++j) {
      if (std::find(std::begin(holes), std::end(holes), j) != std::end(holes)) continue;
      ++kept;
      EXPECT_EQ(s.DataQ[kept], before.DataQ[j]);
      EXPECT_EQ(s.DataR[kept], before.DataR[j]);
      EXPECT_EQ(s.DataErr[kept], before.DataErr[j]);
      EXPECT_EQ(s.ErrLower[kept], before.ErrLower[j]);
    }
    for (int j = 94; j <= 100; ++j)
      EXPECT_TRUE(s.DataQ[j] == 0 && s.DataR[j] == 0 && s.DataErr[j] == 0 && s.ErrUpper[j] == 0 &&
                  s.ErrLower[j] == 0);
  }
  DataSet all = loadedSet(5, true, 5);
  EXPECT_EQ(removePlaceholders(all, true), 5);
  EXPECT_EQ(all.NumPoints, 0);
}

// "Set To :" 1e-7 stores -7 on a log axis (1e-7 linear) as R and upper end; the rest of
// the point stays.
TEST(NegativeValues, SetToGivesPlaceholdersTheValue) {
  for (const bool logY : {false, true}) {
    DataSet s = loadedSet(10, logY, 3);
    const DataSet before = s;
    EXPECT_EQ(setPlaceholdersTo(s, 1e-7f, logY), 3);
    for (int j = 8; j <= 10; ++j) {
      EXPECT_NEAR(s.DataR[j], logY ? -7.0 : 1e-7, logY ? 1e-8 : 1e-14);
      EXPECT_EQ(s.ErrUpper[j], s.DataR[j]);
      EXPECT_EQ(s.ErrLower[j], before.ErrLower[j]);
      EXPECT_FALSE(isPlaceholder(s.DataR[j], logY));
    }
    EXPECT_EQ(s.DataR[7], before.DataR[7]);
    EXPECT_EQ(s.DataQ, before.DataQ);
  }
}

}  // namespace
}  // namespace lumo::test
