#include "files/SettingsFile.h"

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "files/RecentFiles.h"

namespace lumo {
namespace {

using Paths = std::vector<std::string>;

// One item a line with CR LF; a path that cannot be one item is left out, and the file
// reads back as written.
TEST(SettingsFile, WritesOneItemALineAndReadsItBack) {
  const Settings s{"/home/ann/lumo", "/data/run 7", {"/data/a.vld", "/a\nb.vld", "/data/b,c.vld"}};
  EXPECT_EQ(settingsFileText(s),
            "\"/home/ann/lumo\"\r\n\"/data/run 7\"\r\n2\r\n\"/data/a.vld\"\r\n\"/data/b,c.vld\"\r\n");
  const SettingsRead r = parseSettingsFile(settingsFileText(s));
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(r.settings.homeFolder, s.homeFolder);
  EXPECT_EQ(r.settings.lastFolder, s.lastFolder);
  EXPECT_EQ(r.settings.history, (Paths{"/data/a.vld", "/data/b,c.vld"}));
}

TEST(SettingsFile, KeepsWhatWasReadBeforeAProblem) {
  const SettingsRead truncated = parseSettingsFile("\"/h\"\n\"/w\"\n3\n\"/a.vld\"\n");
  EXPECT_FALSE(truncated.complete);
  EXPECT_EQ(truncated.settings.lastFolder, "/w");
  EXPECT_EQ(truncated.settings.history, Paths{"/a.vld"});
  EXPECT_FALSE(truncated.problem.empty());
  for (const char* bad : {"", "\"/h\"\n\"/w\"\nmany\n", "\"/h\"\n\"/w\"\n-1\n", "\"/h\"\n"}) {
    const SettingsRead r = parseSettingsFile(bad);
    EXPECT_FALSE(r.complete) << bad;
    EXPECT_TRUE(r.settings.history.empty()) << bad;
  }
}

// Empty entries count but are not kept; at most a hundred entries are read.
TEST(SettingsFile, HistoryEntriesReadBack) {
  const SettingsRead read = parseSettingsFile("\"/h\"\r\n\"/w\"\r\n3\r\n\"/a.VLD\"\r\n\"\r\n\"/b.VLD\"\r\n");
  EXPECT_TRUE(read.complete);
  EXPECT_EQ(read.settings.history, (Paths{"/a.VLD", "/b.VLD"}));
  Settings s{"/h", "/w", {}};
  for (int i = 0; i < 150; ++i) s.history.push_back("/f" + std::to_string(i));
  const SettingsRead r = parseSettingsFile(settingsFileText(s));
  ASSERT_EQ(r.settings.history.size(), 100u);
  EXPECT_EQ(r.settings.history.back(), "/f99");
}

TEST(SettingsFile, WritesIntoItsFolderAndReportsAFolderThatIsGone) {
  test::ScratchDir dir;
  EXPECT_FALSE(readSettingsFile(dir.path().string()));
  ASSERT_FALSE(writeSettingsFile(dir.path().string(), {"/h", "/w", {"/a.vld"}}));
  const auto read = readSettingsFile(dir.path().string());
  ASSERT_TRUE(read);
  EXPECT_EQ(read->settings.history, Paths{"/a.vld"});
  EXPECT_TRUE(writeSettingsFile(dir.file("missing"), {}));
}

TEST(RecentFiles, AddsEachPathOnceAndKeepsTheNewestHundred) {
  RecentFiles h;
  EXPECT_TRUE(h.add("/a.vld"));
  EXPECT_FALSE(h.add("/a.vld"));
  EXPECT_FALSE(h.add(""));
  EXPECT_EQ(h.caption(1), "&1  /a.vld");
  for (int i = 0; i < 120; ++i) h.add("/f" + std::to_string(i));
  EXPECT_EQ(h.count(), 100);
  EXPECT_EQ(h.path(1), "/f20");
  EXPECT_EQ(h.path(100), "/f119");
}

}  // namespace
}  // namespace lumo
