#include <gtest/gtest.h>

#include <filesystem>

#include "FuzzTargets.h"
#include "TestSupport.h"

namespace lumo::fuzz {
namespace {

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

TEST(FuzzCorpus, ChecksCatchAConverterOutputThatDoesNotReadBack) {
  // A seed that the readers accept exercises the round trip; a malformed one does not.
  const FuzzTarget* nist = findFuzzTarget("convert_nist");
  ASSERT_NE(nist, nullptr);
  EXPECT_NO_THROW(nist->run("0.01 0.5 0.001\r\n1e-40 -3.4e38 7\r\n"));
  EXPECT_NO_THROW(nist->run("not numbers"));
  EXPECT_EQ(findFuzzTarget("no_such_target"), nullptr);
}

}  // namespace
}  // namespace lumo::fuzz
