#include "files/DataFile.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "TestSupport.h"

namespace lumo {
namespace {

DataFileContents parsed(const std::string& text, PointCount count = PointCount::UntilEnd) {
  DataFileResult result = parseDataFile(text, count, "test.VLD");
  if (auto* e = std::get_if<DataFileError>(&result)) ADD_FAILURE() << e->message();
  return std::get<DataFileContents>(result);
}

std::string pointLines(int count) {
  std::string text = "LUMO\nt\n6.35\n" + std::to_string(count) + "\n";
  for (int i = 1; i <= count; ++i) text += std::to_string(i) + " 1 1\n";
  return text;
}

TEST(DataFile, ReadsHeaderAndPointsInEitherReadingMode) {
  const std::string text = "\"LUMO\"\r\n\"Si in D2O\"\r\n6.35\r\n3\r\n"
                           ".01  1.0000E+00  1.0000E-02\r\n.02  5.0000E-01  2.0000E-02\r\n"
                           ".03  1.0000E-03  1.0000E-04\r\n";
  for (PointCount mode : {PointCount::UntilEnd, PointCount::AsAnnounced}) {
    const DataFileContents c = parsed(text, mode);
    EXPECT_EQ(c.title, "Si in D2O");
    EXPECT_EQ(c.solventSLD, 6.35);
    EXPECT_EQ(c.announcedCount, 3);
    ASSERT_EQ(c.points.size(), 3u);
    EXPECT_EQ(c.points[1].q, 0.02);
    EXPECT_EQ(c.points[1].r, 0.5);
    EXPECT_EQ(c.points[2].dr, 1e-4);
  }
  // Any case of the marker, LF line ends, commas; a count that disagrees with the lines.
  const std::string loose = "lumo\ntitle\n2.07\n2\n0.01,0.9,0.01\n0.02,0.5,0.02\n0.03,0.4,0.02";
  EXPECT_EQ(parsed(loose, PointCount::UntilEnd).points.size(), 3u);
  EXPECT_EQ(parsed(loose, PointCount::AsAnnounced).points.size(), 2u);
  EXPECT_EQ(parsed(pointLines(512)).points.size(), 512u);
}

struct Malformed {
  std::string text;
  PointCount count;
  const char* detail;  // part of the reason given
};

// Each names the file and the reason; the counted readers need every announced point,
// and both need a first point.
TEST(DataFile, MalformedFilesAreRefusedWithTheirReason) {
  const Malformed cases[] = {
      {"\"DRYDOC\"\r\n\"t\"\r\n0\r\n1\r\n1 1 1\r\n", PointCount::UntilEnd, "LUMO"},
      {"LUMO\nt\n6.35\n2\n0.01 abc 0.1\n", PointCount::UntilEnd, "line 5"},
      {"LUMO\nt\n6.35\n3\n1 1 1\n2 2 2\n", PointCount::AsAnnounced, "ends"},
      {"LUMO\nt\n6.35\n3\n", PointCount::UntilEnd, "ends"},
      {"LUMO\nt\n6.35\n3\n1 1\n1 1 1\n", PointCount::UntilEnd, "line 5: a point line holds"},
      // Values whose error-bar ends would overflow, or beyond the single-precision ranges.
      {"LUMO\nt\n6.35\n2\n1 1 1\n0.1 1e308 1e308\n", PointCount::AsAnnounced,
       "line 6: the value 1E+308 is beyond the range"},
      {"LUMO\nt\n6.35\n1\n-1e39 1 1\n", PointCount::UntilEnd, "line 5: the value -1E+39"},
      {"LUMO\nt\n6.35\n2.5\n1 1 1\n", PointCount::AsAnnounced, ""},
      {"LUMO\nt\n6.35\n0\n1 1 1\n", PointCount::AsAnnounced, ""},
      {"LUMO\nt\nsix\n1\n1 1 1\n", PointCount::UntilEnd, ""},
      {"", PointCount::UntilEnd, ""},
      {pointLines(513), PointCount::UntilEnd, "512"},
      {pointLines(513), PointCount::AsAnnounced, "512"}};
  for (const Malformed& c : cases) {
    const DataFileResult result = parseDataFile(c.text, c.count, "bad.VLD");
    ASSERT_TRUE(std::holds_alternative<DataFileError>(result)) << c.text;
    const DataFileError& e = std::get<DataFileError>(result);
    EXPECT_EQ(e.headline(), "File Not In Correct Format!");
    EXPECT_NE(e.message().find("bad.VLD"), std::string::npos);
    EXPECT_NE(e.detail.find(c.detail), std::string::npos) << e.detail;
  }
}

TEST(DataFile, MissingFileOrFolderCannotBeOpened) {
  test::ScratchDir dir;
  for (const std::string& path : {dir.file("absent.VLD"), dir.path().string()}) {
    const DataFileResult result = readDataFile(path, PointCount::UntilEnd);
    ASSERT_TRUE(std::holds_alternative<DataFileError>(result));
    EXPECT_EQ(std::get<DataFileError>(result).headline(), "Error Opening File!") << path;
  }
}

}  // namespace
}  // namespace lumo
