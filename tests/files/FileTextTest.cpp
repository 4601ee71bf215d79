#include "files/FileText.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

#include "TestSupport.h"

namespace lumo::text {
namespace {

mode_t modeOf(const std::string& path) {
  struct stat s {};
  EXPECT_EQ(::stat(path.c_str(), &s), 0) << path;
  return s.st_mode & 07777;
}

// A new file gets what the user's umask allows; a replaced one keeps its mode; no
// temporary file is left behind.
TEST(FileText, WrittenFilesHonourTheUmaskAndKeepTheModeOfAReplacedFile) {
  test::ScratchDir dir;
  for (const mode_t mask : {mode_t{022}, mode_t{027}, mode_t{002}}) {
    const mode_t before = ::umask(mask);
    const std::string fresh = dir.file("new" + std::to_string(mask) + ".VLD");
    EXPECT_FALSE(writeTextFileAtomically(fresh, "a\r\n"));
    ::umask(before);
    EXPECT_EQ(modeOf(fresh), 0666 & ~mask) << "umask " << mask;
  }
  const std::string kept = dir.write("kept.VLD", "old");
  for (const mode_t mode : {mode_t{0600}, mode_t{0755}}) {
    ::chmod(kept.c_str(), mode);
    EXPECT_FALSE(writeTextFileAtomically(kept, "new\r\n"));
    EXPECT_EQ(modeOf(kept), mode);
  }
  EXPECT_EQ(test::readBytes(kept), "new\r\n");
  size_t files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) ++files;
  EXPECT_EQ(files, 4u);
}

TEST(FileText, AFailedWriteNamesTheFileAndLeavesNothing) {
  test::ScratchDir dir;
  const auto error = writeTextFileAtomically(dir.file("no/such/folder/x\x1b.VLD"), "a");
  ASSERT_TRUE(error);
  EXPECT_NE(error->find("x\\x1B.VLD"), std::string::npos) << *error;
}

}  // namespace
}  // namespace lumo::text
