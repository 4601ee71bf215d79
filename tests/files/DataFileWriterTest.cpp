#include "files/DataFileWriter.h"

#include <gtest/gtest.h>

#include <variant>

#include "files/DataFile.h"
#include "files/DataLoading.h"
#include "files/DisplayScale.h"

namespace lumo {
namespace {

// Three points as read, then held as the display holds them.
DataSet threePoints(bool logX, bool logY) {
  DataFileContents c;
  c.title = "Si \"block\"";
  c.solventSLD = 6.35;
  c.points = {{0.00512, 0.91234567, 0.0123}, {0.1, 0.0, 0.0}, {0.25, -2e-7, 1e-7}};
  DataSet s;
  fillSlot(s, c, "/data/run.vld");
  convertForDisplay(s, logX, logY);
  return s;
}

// Hand-written from the layout: the quoted header, the count of the points written, then
// Q, R and dR as "0.0000E+00" at columns 1, 15 and 30; the placeholders of R <= 0 are not
// written, and the same file comes out whatever the display holds.
TEST(DataFileWriter, WritesTheOwnFormatWithFiveDigitQAndWithoutPlaceholders) {
  const std::string expected =
      "\"LUMO\"\r\n"
      "\"Si 'block'\"\r\n"
      "6.35\r\n"
      "1\r\n"
      "5.1200E-03    9.1235E-01     1.2300E-02\r\n";
  for (const bool logX : {false, true}) {
    for (const bool logY : {false, true}) {
      const DataFileText file = savedDataFileText(threePoints(logX, logY), logX, logY);
      EXPECT_EQ(file.text, expected) << logX << logY;
      EXPECT_EQ(file.written, 1);
      EXPECT_EQ(file.leftOut, 2);
    }
  }
  // The reader takes it back.
  const DataFileResult back = parseDataFile(expected, PointCount::AsAnnounced, "x.VLB");
  ASSERT_TRUE(std::holds_alternative<DataFileContents>(back));
  EXPECT_DOUBLE_EQ(std::get<DataFileContents>(back).points[0].q, 0.00512);
}

TEST(DataFileWriter, TitleCarriesItsBackgroundOnceAndNamesEndInVLB) {
  EXPECT_EQ(titleWithBackground("Si D2O", 4e-6f), "Si D2O bgd = 4.00E-06");
  EXPECT_EQ(titleWithBackground("Si D2O bgd = 4.00E-06", 6e-6f), "Si D2O bgd = 6.00E-06");
  EXPECT_EQ(titleWithBackground("bgd = low", 1e-6f), "bgd = low bgd = 1.00E-06");
  EXPECT_EQ(savedDataFileName("/data/run.3/si.d2o.vld"), "si.d2o.VLB");
  EXPECT_EQ(savedDataFileName("/data/run.3/si"), "si.VLB");  // a dot in a folder is no extension
  EXPECT_EQ(savedDataFileName("si.vld"), "si.VLB");
  EXPECT_EQ(savedDataFileName("/data/.hidden"), ".hidden.VLB");
}

}  // namespace
}  // namespace lumo
