// The program's command line: help and version answered at once, the files to open at
// start made absolute, anything else refused.
#include <gtest/gtest.h>

#include <sstream>

#include "app/LumoArgs.h"

namespace lumo::cli {
namespace {

using Args = std::vector<std::string>;

struct Answer {
  Args args;
  const char* begins;  // the start of what is printed; nullptr: the program starts
};

class LumoAnswer : public ::testing::TestWithParam<Answer> {};

TEST_P(LumoAnswer, HelpAndVersionWinOverEverythingBeforeTheEndOfOptions) {
  std::ostringstream out;
  const auto status = lumoHelpOrVersion(GetParam().args, out);
  if (!GetParam().begins) {
    EXPECT_FALSE(status);
    EXPECT_EQ(out.str(), "");
    return;
  }
  EXPECT_EQ(status, kExitOk);
  EXPECT_EQ(out.str().rfind(GetParam().begins, 0), 0u) << out.str();
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, LumoAnswer,
    ::testing::Values(Answer{{"--help"}, "Usage: lumo [FILE...]\n"},
                      Answer{{"a.vld", "-h"}, "Usage: lumo"},
                      Answer{{"--bogus", "--help"}, "Usage: lumo"},
                      Answer{{"-platform", "offscreen", "--version"}, "lumo " LUMO_VERSION "\n"},
                      Answer{{"--", "--help"}, nullptr}, Answer{{"a.vld", "b.vlb"}, nullptr},
                      Answer{{}, nullptr}));

TEST(LumoStartFiles, AreMadeAbsoluteAgainstTheStartFolderInTheirOrder) {
  EXPECT_EQ(
      lumoStartFiles({"b.vld", "/data/a.VLD", "../up/c.vlb", "--", "--odd.vld"}, "/home/me/run"),
      (Args{"/home/me/run/b.vld", "/data/a.VLD", "/home/me/up/c.vlb", "/home/me/run/--odd.vld"}));
  EXPECT_EQ(lumoStartFiles({}, "/x"), Args{});
}

TEST(LumoStartFiles, AnyOptionLeftOverByQtIsAUsageError) {
  for (const Args& args : {Args{"--bogus"}, Args{"a.vld", "-bogus"}, Args{"-x", "--", "b.vld"}}) {
    try {
      lumoStartFiles(args, "/x");
      ADD_FAILURE() << args.front();
    } catch (const UsageError& e) {
      EXPECT_NE(e.what.find("unknown option"), std::string::npos) << e.what;
    }
  }
}

}  // namespace
}  // namespace lumo::cli
