// The calculation's settings file: written text, reading back, refusals, missing file.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "files/CalcSettingsFile.h"

namespace lumo {
namespace {

TEST(CalcSettingsFile, WritesNameValueLinesAndReadsThemBack) {
  const CalcSettings s{5.5, true, true};
  EXPECT_EQ(calcSettingsText(s), "Resolution=5.5\r\nResolutionFromData=1\r\nExactWaveVector=1\r\n");
  EXPECT_EQ(calcSettingsText({}), "Resolution=0\r\nResolutionFromData=0\r\nExactWaveVector=0\r\n");
  test::ScratchDir dir;
  EXPECT_FALSE(readCalcSettingsFile(dir.path().string()));  // missing: defaults, no message
  ASSERT_FALSE(writeCalcSettingsFile(dir.path().string(), s));
  const auto read = readCalcSettingsFile(dir.path().string());
  ASSERT_TRUE(read);
  EXPECT_EQ(read->settings, s);
  EXPECT_EQ(read->problem, "");
  // LF line ends, blanks, blank lines, missing final line end and missing names are fine.
  const auto loose = parseCalcSettings("\n Resolution = 2 \nExactWaveVector=1");
  EXPECT_EQ(loose.problem, "");
  EXPECT_EQ(loose.settings, (CalcSettings{2, false, true}));
}

// A damaged file gives the defaults and says where it is damaged.
TEST(CalcSettingsFile, DamagedTextGivesTheDefaultsAndItsProblem) {
  const std::pair<const char*, const char*> cases[] = {
      {"Resolution=21\r\n", "line 1: Resolution needs a percentage from 0 to 20"},
      {"Resolution=-1\r\n", "line 1: Resolution needs"},
      {"Resolution=nan\r\n", "line 1: Resolution needs"},
      {"Resolution=5%\r\n", "line 1: Resolution needs"},
      {"ExactWaveVector=1\r\nExactWaveVector=0\r\n", "line 2: ExactWaveVector is given twice"},
      {"ExactWaveVector=yes\r\n", "line 1: ExactWaveVector needs 0 or 1"},
      {"Resolution=1\r\nColour=red\r\n", "line 2: unknown setting 'Colour'"},
      {"\x01\xff\r\n", "line 1: it is not Name=value"}};
  for (const auto& [text, problem] : cases) {
    const CalcSettingsRead read = parseCalcSettings(text);
    EXPECT_EQ(read.settings, CalcSettings{}) << text;
    EXPECT_EQ(read.problem.rfind(problem, 0), 0u) << read.problem;
  }
}

}  // namespace
}  // namespace lumo
