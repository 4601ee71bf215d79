#include "files/DataFile.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "TestSupport.h"

namespace lumo {
namespace {

const std::string kGood =
    "\"LUMO\"\r\n\"Si in D2O\"\r\n6.35\r\n3\r\n"
    ".01          1.0000E+00     1.0000E-02\r\n"
    ".02          5.0000E-01     2.0000E-02\r\n"
    ".03          1.0000E-03     1.0000E-04\r\n";

DataFileContents parsed(const std::string& text, PointCount count = PointCount::UntilEnd) {
  DataFileResult result = parseDataFile(text, count, "test.VLD");
  if (auto* e = std::get_if<DataFileError>(&result)) ADD_FAILURE() << e->message();
  return std::get<DataFileContents>(result);
}

DataFileError failure(const std::string& text, PointCount count = PointCount::UntilEnd) {
  DataFileResult result = parseDataFile(text, count, "bad.VLD");
  EXPECT_TRUE(std::holds_alternative<DataFileError>(result));
  return std::holds_alternative<DataFileError>(result) ? std::get<DataFileError>(result)
                                                       : DataFileError{};
}

TEST(DataFile, ReadsHeaderAndPointsInEitherReadingMode) {
  for (PointCount mode : {PointCount::UntilEnd, PointCount::AsAnnounced}) {
    const DataFileContents c = parsed(kGood, mode);
    EXPECT_EQ(c.title, "Si in D2O");
    EXPECT_EQ(c.solventSLD, 6.35);
    EXPECT_EQ(c.announcedCount, 3);
    ASSERT_EQ(c.points.size(), 3u);
    EXPECT_EQ(c.points[1].q, 0.02);
    EXPECT_EQ(c.points[1].r, 0.5);
    EXPECT_EQ(c.points[2].dr, 1e-4);
  }
}

TEST(DataFile, AcceptsAnyCaseOfTheMarkerLfLineEndsAndCommaSeparatedPoints) {
  const DataFileContents c = parsed("lumo\ntitle\n2.07\n2\n0.01,0.9,0.01\n0.02,0.5,0.02");
  EXPECT_EQ(c.title, "title");
  EXPECT_EQ(c.points.size(), 2u);
}

TEST(DataFile, CountThatDisagreesWithTheLines) {
  const std::string text = "\"LUMO\"\r\n\"t\"\r\n0\r\n2\r\n1 1 1\r\n2 2 2\r\n3 3 3\r\n";
  EXPECT_EQ(parsed(text, PointCount::UntilEnd).points.size(), 3u);
  EXPECT_EQ(parsed(text, PointCount::AsAnnounced).points.size(), 2u);
}

TEST(DataFile, WrongMarkerIsNotInCorrectFormat) {
  const DataFileError e = failure("\"DRYDOC\"\r\n\"t\"\r\n0\r\n1\r\n1 1 1\r\n");
  EXPECT_EQ(e.kind, DataFileError::Kind::WrongFormat);
  EXPECT_EQ(e.headline(), "File Not In Correct Format!");
  EXPECT_NE(e.message().find("bad.VLD"), std::string::npos);
  EXPECT_NE(e.message().find("LUMO"), std::string::npos);
}

TEST(DataFile, MalformedFilesNameTheLineAndTheReason) {
  // Text where a number belongs.
  EXPECT_NE(failure("LUMO\nt\n6.35\n2\n0.01 abc 0.1\n").detail.find("line 5"), std::string::npos);
  // Cut short: the counted readers need every announced point; both need a first point.
  EXPECT_NE(failure("LUMO\nt\n6.35\n3\n1 1 1\n2 2 2\n", PointCount::AsAnnounced).detail.find("ends"),
            std::string::npos);
  EXPECT_NE(failure("LUMO\nt\n6.35\n3\n").detail.find("ends"), std::string::npos);
  EXPECT_NE(failure("LUMO\nt\n6.35\n3\n1 1\n").detail.find("ends"), std::string::npos);
  // A count that is not a usable number of points.
  failure("LUMO\nt\n6.35\n2.5\n1 1 1\n", PointCount::AsAnnounced);
  failure("LUMO\nt\n6.35\n0\n1 1 1\n", PointCount::AsAnnounced);
  failure("LUMO\nt\nsix\n1\n1 1 1\n");
  failure("");
}

TEST(DataFile, MoreThan512PointsAreRefused) {
  std::string text = "LUMO\nt\n6.35\n513\n";
  for (int i = 1; i <= 513; ++i) text += std::to_string(i) + " 1 1\n";
  EXPECT_NE(failure(text).detail.find("512"), std::string::npos);
  EXPECT_NE(failure(text, PointCount::AsAnnounced).detail.find("512"), std::string::npos);
  text = "LUMO\nt\n6.35\n512\n";
  for (int i = 1; i <= 512; ++i) text += std::to_string(i) + " 1 1\n";
  EXPECT_EQ(parsed(text).points.size(), 512u);
}

TEST(DataFile, MissingFileCannotBeOpened) {
  test::ScratchDir dir;
  DataFileResult result = readDataFile(dir.file("absent.VLD"), PointCount::UntilEnd);
  ASSERT_TRUE(std::holds_alternative<DataFileError>(result));
  EXPECT_EQ(std::get<DataFileError>(result).headline(), "Error Opening File!");
  result = readDataFile(dir.path().string(), PointCount::UntilEnd);  // a folder
  ASSERT_TRUE(std::holds_alternative<DataFileError>(result));
}

}  // namespace
}  // namespace lumo
