#include <gtest/gtest.h>

#include <filesystem>

#include "FuzzTargets.h"
#include "TestSupport.h"

namespace lumo::fuzz {
namespace {

// The seeds hold the inputs of mended faults (extreme values that must survive every
// output, a count beyond long, blank runs of tens of kilobytes) besides ordinary files.
TEST(FuzzCorpus, EveryTargetRunsCleanlyOverItsSeeds) {
  for (const FuzzTarget& target : fuzzTargets()) {
    SCOPED_TRACE(target.name);
    const std::filesystem::path folder = std::filesystem::path(LUMO_FUZZ_CORPUS) / target.name;
    ASSERT_TRUE(std::filesystem::is_directory(folder)) << "no seed corpus in " << folder;
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      EXPECT_NO_THROW(target.run(test::readBytes(entry.path().string()))) << entry.path();
      ++seeds;
    }
    EXPECT_GT(seeds, 0);
  }
}

}  // namespace
}  // namespace lumo::fuzz
