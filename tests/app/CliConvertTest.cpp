#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "TestSupport.h"
#include "app/Cli.h"

namespace lumo::cli {
namespace {

struct Outcome {
  int status;
  std::string out, err;
};

Outcome runCli(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int status = run(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(CliConvert, WritesEveryRequestedOutputAndNamesIt) {
  test::ScratchDir dir;
  const std::string input = dir.write("run12.dat", "0.0123456,0.98765432,0.00012345678\r\n");
  const Outcome o = runCli({"convert", "--from", "nist", "--to", "lumo,excel", "--title", "Run 12",
                            "--sld", "-0.56", input});
  EXPECT_EQ(o.status, kExitOk) << o.err;
  EXPECT_EQ(o.out, dir.file("run12.VLD") + "\n" + dir.file("run12.CSV") + "\n");
  EXPECT_EQ(o.err, "");
  EXPECT_EQ(test::readBytes(dir.file("run12.VLD")),
            "\"LUMO\"\r\n\"Run 12\"\r\n-.56\r\n1\r\n"
            " .012346            .98765              1.2346E-04 \r\n");
}

TEST(CliConvert, KeepTitleKeepsTheGivenTitleOverTheFilesOwn) {
  test::ScratchDir dir;
  const std::string input = dir.write("d.dat", "1\r\n.1 .2 .3\r\n\"File title\"\r\n");
  EXPECT_EQ(runCli({"convert", "--from", "drydoc", "--to", "excel", input}).status, kExitOk);
  EXPECT_EQ(test::readBytes(dir.file("d.CSV")).substr(0, 14), "\"File title\"\r\n");
  EXPECT_EQ(runCli({"convert", "--from", "drydoc", "--to", "excel", "--keep-title", input}).status,
            kExitOk);
  EXPECT_EQ(test::readBytes(dir.file("d.CSV")).substr(0, 9), "\"Title\"\r\n");
}

TEST(CliConvert, ReportsFailedInputsAndConvertsTheRest) {
  test::ScratchDir dir;
  const std::string bad = dir.write("bad.asc", "too short\r\n");
  const std::string good = dir.write("good.dat", ".1 .2 .3\r\n");
  const Outcome o = runCli({"convert", "--from", "nist", "--to", "go", bad, good});
  EXPECT_EQ(o.status, kExitBadFile);
  EXPECT_EQ(o.out, dir.file("good.DAT") + "\n");
  EXPECT_NE(o.err.find(bad + ": not converted: line 1: expected a number"), std::string::npos) << o.err;
  EXPECT_FALSE(std::filesystem::exists(dir.file("bad.DAT")));
}

TEST(CliConvert, NeverReplacesItsInput) {
  test::ScratchDir dir;
  const std::string input = dir.write("x.DAT", "1\r\n.1 .2 .3\r\n\"t\"\r\n");
  const Outcome o = runCli({"convert", "--from", "drydoc", "--to", "drydoc", input});
  EXPECT_EQ(o.status, kExitBadFile);
  EXPECT_EQ(o.out, "");
  EXPECT_NE(o.err.find("would replace the file being converted"), std::string::npos);
  EXPECT_EQ(test::readBytes(input), "1\r\n.1 .2 .3\r\n\"t\"\r\n");
}

class CliConvertUsage : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(CliConvertUsage, IsRefusedWithStatusTwo) {
  std::vector<std::string> args = {"convert"};
  args.insert(args.end(), GetParam().begin(), GetParam().end());
  const Outcome o = runCli(args);
  EXPECT_EQ(o.status, kExitUsage);
  EXPECT_EQ(o.out, "");
  EXPECT_NE(o.err.find("lumo-cli convert: "), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    BadArguments, CliConvertUsage,
    ::testing::Values(std::vector<std::string>{"--to", "lumo", "f.dat"},
                      std::vector<std::string>{"--from", "nist", "f.dat"},
                      std::vector<std::string>{"--from", "nist", "--to", "lumo"},
                      std::vector<std::string>{"--from", "csv", "--to", "lumo", "f.dat"},
                      std::vector<std::string>{"--from", "nist", "--to", "lumo,pdf", "f.dat"},
                      std::vector<std::string>{"--from", "nist", "--to", "", "f.dat"},
                      std::vector<std::string>{"--from", "nist", "--to", "lumo", "--sld", "x", "f.dat"},
                      std::vector<std::string>{"--from", "nist", "--to", "lumo", "--verbose", "f.dat"},
                      std::vector<std::string>{"--from", "nist", "--to", "lumo", "f.dat", "--title"}));

}  // namespace
}  // namespace lumo::cli
