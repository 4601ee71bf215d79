#pragma once
// Helpers shared by the tests: scratch folders, files, and the team's public test data.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace lumo::test {

// A fresh folder per test, removed afterwards.
class ScratchDir {
 public:
  ScratchDir() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "lumo";
    for (char& c : name)
      if (c == '/') c = '_';
    // Numbered, so that the folders of one test are folders of their own.
    static int made = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("lumo-test-" + name + "-" + std::to_string(::getpid()) + "-" + std::to_string(++made));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchDir() { std::filesystem::remove_all(path_); }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  std::string file(const std::string& name) const { return (path_ / name).string(); }
  std::string write(const std::string& name, const std::string& bytes) const {
    std::ofstream(file(name), std::ios::binary) << bytes;
    return file(name);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// The shared test data folder (validation references, measured curves), if present:
// $LUMO_TESTDATA, the shared folder beside the repository, or the team's machines' one.
inline std::optional<std::filesystem::path> sharedTestData() {
  std::vector<std::filesystem::path> candidates;
  if (const char* env = std::getenv("LUMO_TESTDATA")) candidates.emplace_back(env);
#ifdef LUMO_SHARED_TESTDATA
  candidates.emplace_back(LUMO_SHARED_TESTDATA);
#endif
  candidates.emplace_back("/work/shared/testdata");
  for (const auto& c : candidates)
    if (std::filesystem::is_directory(c / "validation") || std::filesystem::is_directory(c / "measured"))
      return c;
  return std::nullopt;
}

#define LUMO_REQUIRE_TESTDATA(var)                                                    \
  const auto var##_opt = ::lumo::test::sharedTestData();                              \
  if (!var##_opt) GTEST_SKIP() << "shared test data not found (set LUMO_TESTDATA)";   \
  const std::filesystem::path var = *var##_opt

}  // namespace lumo::test
