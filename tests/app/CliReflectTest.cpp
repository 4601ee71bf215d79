#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "TestSupport.h"
#include "app/Cli.h"

namespace lumo {
namespace {

struct CliRun {
  int status;
  std::string out, err;
};

CliRun cli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = cli::run(args, out, err);
  return {status, out.str(), err.str()};
}

const std::string kModel = " 1 \r\n 3 \r\n 14            3.4            25             2 \r\n";

std::vector<std::pair<double, double>> parseLines(const std::string& text) {
  std::vector<std::pair<double, double>> rows;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    std::istringstream l(line);
    double q, r;
    l >> q >> r;
    rows.emplace_back(q, r);
  }
  return rows;
}

TEST(CliReflect, GridOutputHasOneLinePerPointWith17Digits) {
  test::ScratchDir dir;
  const std::string model = dir.write("m.FIT", kModel);
  const CliRun run = cli({"reflect", model, "--incident-sld", "2.07", "--solvent-sld", "6.35",
                       "--q-start", "0", "--q-finish", "0.5", "--points", "101"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.err.empty());
  const auto rows = parseLines(run.out);
  ASSERT_EQ(rows.size(), 101u);
  EXPECT_EQ(rows[0].first, 0.0);
  EXPECT_NEAR(rows[1].first, 0.005, 1e-17);  // the step of 0 to 0.5 in 101 points
  EXPECT_EQ(rows[100].first, 0.5);
  EXPECT_NEAR(rows[0].second, 1.0, 1e-12);  // total reflection at Q = 0
  std::istringstream firstLine(run.out);
  std::string q, r;
  firstLine >> q >> r;
  EXPECT_EQ(q, "0.0000000000000000e+00");
  EXPECT_EQ(r.size(), std::string("1.0000000000000000e+00").size());
}

TEST(CliReflect, DataPointsOfAProgramDataFile) {
  test::ScratchDir dir;
  const std::string model = dir.write("m.FIT", kModel);
  const std::string data = dir.write("d.VLD", "\"LUMO\"\r\n\"t\"\r\n6.35\r\n3\r\n"
                                              ".01 1 .1\r\n.05 .01 .001\r\n.1 .001 .0001\r\n");
  const CliRun run = cli({"reflect", model, "--incident-sld", "2.07", "--solvent-sld", "6.35",
                       "--data", data, "--exact-q"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto rows = parseLines(run.out);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1].first, 0.05);
  EXPECT_GT(rows[1].second, 0.0);
  EXPECT_LT(rows[1].second, 1.0);
}

TEST(CliReflect, UsageErrorsExitWith2AndPrintNothing) {
  test::ScratchDir dir;
  const std::string model = dir.write("m.FIT", kModel);
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"unknown"},
      {"reflect"},
      {"reflect", model, "--solvent-sld", "6.35", "--data", "x"},
      {"reflect", model, "--incident-sld", "abc", "--solvent-sld", "6.35", "--data", "x"},
      {"reflect", model, "--incident-sld", "0", "--solvent-sld", "6.35"},
      {"reflect", model, "--incident-sld", "0", "--solvent-sld", "6.35", "--q-start", "0",
       "--q-finish", "0.5", "--points", "513"},
      {"reflect", model, "--incident-sld", "0", "--solvent-sld", "6.35", "--q-start", "0.3",
       "--q-finish", "0.2", "--points", "10"},
      {"reflect", model, "--incident-sld", "0", "--solvent-sld", "6.35", "--data", "x",
       "--points", "10"},
      {"reflect", model, "--incident-sld", "0", "--solvent-sld", "6.35", "--data", "x", "--bogus"},
      {"reflect", model, "--incident-sld"},
  };
  for (const auto& args : bad) {
    const CliRun run = cli(args);
    EXPECT_EQ(run.status, 2) << (args.empty() ? "" : args.back());
    EXPECT_TRUE(run.out.empty());
    EXPECT_FALSE(run.err.empty());
  }
  const CliRun named = cli({"reflect", model, "--incident-sld", "abc", "--solvent-sld", "1", "--data", "x"});
  EXPECT_NE(named.err.find("--incident-sld"), std::string::npos);
}

TEST(CliReflect, UnreadableFilesExitWith1AndNameTheFile) {
  test::ScratchDir dir;
  const std::string model = dir.write("m.FIT", kModel);
  const std::string broken = dir.write("broken.FIT", " 2 \r\n 3 \r\n 14 3.4 25 2 \r\n");
  const std::string data = dir.write("bad.VLD", "\"NOPE\"\r\n");
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"reflect", dir.file("missing.FIT"), "--incident-sld", "0", "--solvent-sld", "6", "--q-start",
        "0", "--q-finish", "0.1", "--points", "5"},
       "missing.FIT"},
      {{"reflect", broken, "--incident-sld", "0", "--solvent-sld", "6", "--q-start", "0",
        "--q-finish", "0.1", "--points", "5"},
       "broken.FIT"},
      {{"reflect", model, "--incident-sld", "0", "--solvent-sld", "6", "--data", data}, "bad.VLD"},
  };
  for (const auto& [args, name] : cases) {
    const CliRun run = cli(args);
    EXPECT_EQ(run.status, 1) << name;
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find(name), std::string::npos) << run.err;
  }
}

TEST(CliReflect, HelpDocumentsTheCommand) {
  const CliRun run = cli({"--help"});
  EXPECT_EQ(run.status, 0);
  for (const char* word : {"reflect", "--incident-sld", "--solvent-sld", "--q-start", "--q-finish",
                           "--points", "--data", "--exact-q"})
    EXPECT_NE(run.out.find(word), std::string::npos) << word;
}

// The validation model of one rough interface through the whole tool.
TEST(CliReflect, ValidationInterfaceThroughTheTool) {
  LUMO_REQUIRE_TESTDATA(shared);
  test::ScratchDir dir;
  // air | 6.36 with 3 Å roughness, as a one-layer model whose layer is the subphase.
  const std::string model = dir.write("v.FIT", " 1 \r\n 3 \r\n 10 6.36 0 3 \r\n");
  std::ifstream ref(shared / "validation" / "test2.dat");
  std::string data = "LUMO\r\nvalidation\r\n6.36\r\n400\r\n";
  std::vector<double> refR;
  double q, r;
  for (int i = 0; i < 400 && (ref >> q >> r); ++i) {
    std::ostringstream line;
    line.precision(17);
    line << q << " 1 0.1\r\n";
    data += line.str();
    refR.push_back(r);
  }
  const CliRun run = cli({"reflect", model, "--incident-sld", "0", "--solvent-sld", "6.36", "--data",
                       dir.write("v.VLD", data), "--exact-q"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto rows = parseLines(run.out);
  ASSERT_EQ(rows.size(), refR.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    if (refR[i] < 1e-10) continue;
    EXPECT_LE(std::abs(rows[i].second - refR[i]) / refR[i], 2e-4) << i;
  }
}

}  // namespace
}  // namespace lumo
