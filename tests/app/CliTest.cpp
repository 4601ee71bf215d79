#include "app/Cli.h"
#include "app/CliRun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <filesystem>
#include <numbers>
#include <sstream>

#include "TestSupport.h"
#include "files/DataFile.h"
#include "../files/OrsoTestText.h"

namespace lumo::cli {
namespace {

using Args = std::vector<std::string>;

// `lumo-cli reflect MODEL` with the SLDs given, then `more`.
Args reflectArgs(const std::string& model, const Args& more) {
  Args args = {"reflect", model, "--incident-sld", "2.07", "--solvent-sld", "6.35"};
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

std::vector<std::pair<double, double>> rowsOf(const std::string& text) {
  std::vector<std::pair<double, double>> rows;
  std::istringstream in(text);
  for (double q, r; in >> q >> r;) rows.emplace_back(q, r);
  return rows;
}

const std::string kModel = " 1 \r\n 3 \r\n 14            3.4            25             2 \r\n";

struct Usage {
  Args args;
  const char* reason;
};

class CliUsage : public ::testing::TestWithParam<Usage> {};

TEST_P(CliUsage, IsRefusedWithStatusTwoAndNothingOnStdout) {
  const Outcome o = runCli(GetParam().args);
  EXPECT_EQ(o.status, kExitUsage);
  EXPECT_EQ(o.out, "");
  EXPECT_NE(o.err.find(GetParam().reason), std::string::npos) << o.err;
}

INSTANTIATE_TEST_SUITE_P(
    BadArguments, CliUsage,
    ::testing::Values(
        Usage{{}, "no command given"}, Usage{{"unknown"}, "unknown command"},
        Usage{{"reflect"}, "reflect: no model file"},
        Usage{{"reflect", "m.FIT", "--solvent-sld", "6", "--data", "x"},
              "--incident-sld is required"},
        Usage{{"reflect", "m.FIT", "--incident-sld", "abc", "--solvent-sld", "6", "--data", "x"},
              "--incident-sld needs a number"},
        Usage{reflectArgs("m.FIT", {}), "give either"},
        Usage{reflectArgs("m.FIT", {"--data", "x", "--points", "10"}), "give either"},
        Usage{reflectArgs("m.FIT", {"--q-start", "0", "--q-finish", "0.5", "--points", "513"}),
              "--points needs a whole number"},
        Usage{reflectArgs("m.FIT", {"--q-start", "0.3", "--q-finish", "0.2", "--points", "10"}),
              "the grid needs"},
        Usage{reflectArgs("m.FIT", {"--data", "x", "--bogus"}), "unknown option --bogus"},
        Usage{{"reflect", "m.FIT", "--incident-sld"}, "needs a value"},
        Usage{reflectArgs("m.FIT", {"--data", "x", "--data", "y"}), "--data is given twice"},
        Usage{reflectArgs("m.FIT", {"--data", "x", "other.FIT"}), "unexpected argument"},
        Usage{reflectArgs("m.FIT", {"--data", "x", "--resolution", "21"}), "from 0 to 20, or data"},
        Usage{reflectArgs("m.FIT", {"--data", "x", "--resolution", "wide"}), "--resolution needs"},
        Usage{reflectArgs("m.FIT", {"--q-start", "0", "--q-finish", "0.5", "--points", "9",
                                    "--resolution", "data"}),
              "--resolution data needs --data"},
        Usage{{"profile"}, "profile: no model file"},
        Usage{{"profile", "m.FIT", "--solvent-sld", "6"}, "--incident-sld is required"},
        Usage{{"profile", "m.FIT", "--incident-sld", "0", "--solvent-sld", "6", "--points", "1"},
              "--points needs a whole number from 2"},
        Usage{{"profile", "m.FIT", "--incident-sld", "0", "--solvent-sld", "6", "--points", "2.5"},
              "--points needs a whole number from 2"},
        Usage{{"convert", "--to", "lumo", "f.dat"}, "convert: option --from is required"},
        Usage{{"convert", "--from", "nist", "f.dat"}, "--to is required"},
        Usage{{"convert", "--from", "nist", "--to", "lumo"}, "no files given"},
        Usage{{"convert", "--from", "csv", "--to", "lumo", "f.dat"}, "unknown input format"},
        Usage{{"convert", "--from", "nist", "--to", "lumo,pdf", "f.dat"}, "unknown output format"},
        Usage{{"convert", "--from", "nist", "--to", "", "f.dat"}, "convert: "},
        Usage{{"convert", "--from", "nist", "--to", "lumo", "--sld", "x", "f.dat"}, "--sld needs"},
        Usage{{"convert", "--from", "nist", "--to", "lumo", "--verbose", "f.dat"}, "unknown opt"},
        Usage{{"convert", "--from", "nist", "--to", "lumo", "f.dat", "--title"}, "needs a value"}));

TEST(CliHelp, DocumentsEveryCommandAndEachCommandAlone) {
  const Outcome all = runCli({"--help"});
  EXPECT_EQ(all.status, kExitOk);
  for (const char* word : {"reflect", "--incident-sld", "--solvent-sld", "--q-start", "--q-finish",
                           "--points", "--data", "--exact-q", "--resolution", "profile", "convert", "--from", "--to",
                           "--title", "--sld", "--keep-title", "--version", "Exit status"})
    EXPECT_NE(all.out.find(word), std::string::npos) << word;
  for (const Command& command : commands()) {
    // Help after a command wins over any other argument, even a bad one.
    const Outcome one = runCli({command.name, "--bogus", "--help"});
    EXPECT_EQ(one.status, kExitOk) << command.name;
    EXPECT_NE(one.out.find(command.help), std::string::npos) << command.name;
    EXPECT_NE(all.out.find(command.help), std::string::npos) << command.name;
  }
  const Outcome version = runCli({"--version"});
  EXPECT_EQ(version.status, kExitOk);
  EXPECT_EQ(version.out.rfind("lumo-cli ", 0), 0u) << version.out;
}

TEST(CliReflect, GridOutputHasOneLinePerPointWith17Digits) {
  test::ScratchDir dir;
  const Outcome o = runCli(reflectArgs(dir.write("m.FIT", kModel),
                                       {"--q-start", "0", "--q-finish", "0.5", "--points", "101"}));
  ASSERT_EQ(o.status, kExitOk) << o.err;
  EXPECT_EQ(o.err, "");
  const auto rows = rowsOf(o.out);
  ASSERT_EQ(rows.size(), 101u);
  EXPECT_NEAR(rows[1].first, 0.005, 1e-17);  // the step of 0 to 0.5 in 101 points
  EXPECT_EQ(rows[100].first, 0.5);
  EXPECT_EQ(o.out.substr(0, 46), "0.0000000000000000e+00 1.0000000000000000e+00\n");
}

// The Q points of a data file, with the standard kinematics, through a model whose one
// layer has no thickness and the solvent's SLD: the Fresnel reflectivity of air on
// silicon, total below the critical edge. A negative Q is calculated, as the window
// shows it, at the smallest positive Q.
TEST(CliReflect, DataPointsGiveTheFresnelCurveWithExactQ) {
  test::ScratchDir dir;
  const std::string model = dir.write("m.FIT", " 1 \r\n 0 \r\n 0 2.07 0 0 \r\n");
  const std::string data = dir.write("d.VLD", "\"LUMO\"\r\n\"t\"\r\n6.35\r\n3\r\n"
                                              "-.01 1 .1\r\n.05 .01 .001\r\n.1 .001 .0001\r\n");
  const Outcome o = runCli({"reflect", model, "--incident-sld", "0", "--solvent-sld", "2.07",
                            "--data", data, "--exact-q"});
  ASSERT_EQ(o.status, kExitOk) << o.err;
  const auto rows = rowsOf(o.out);
  ASSERT_EQ(rows.size(), 3u);
  for (const auto& [q, r] : rows) {
    const std::complex<double> kz1 = q / 2;
    const std::complex<double> kz2 = std::sqrt(kz1 * kz1 - 4 * std::numbers::pi * 2.07e-6);
    EXPECT_NEAR(r, std::norm((kz1 - kz2) / (kz1 + kz2)), 1e-5 * r) << q;
  }
  EXPECT_EQ(rows[0].first, static_cast<double>(0.05f));  // XMin is single precision
  EXPECT_EQ(rows[1].first, 0.05);
}

TEST(CliReflect, UnreadableFilesExitWith1AndNameTheFile) {
  test::ScratchDir dir;
  const std::string model = dir.write("m.FIT", kModel);
  const Args grid = {"--q-start", "0", "--q-finish", "0.1", "--points", "5"};
  const std::pair<Args, std::string> cases[] = {
      {reflectArgs(dir.file("missing.FIT"), grid), "missing.FIT"},
      {reflectArgs(dir.write("broken.FIT", " 2 \r\n 3 \r\n 14 3.4 25 2 \r\n"), grid), "broken.FIT"},
      {reflectArgs(model, {"--data", dir.write("bad.VLD", "\"NOPE\"\r\n")}), "bad.VLD"}};
  for (const auto& [args, name] : cases) {
    const Outcome o = runCli(args);
    EXPECT_EQ(o.status, kExitBadFile) << name;
    EXPECT_EQ(o.out, "");
    EXPECT_NE(o.err.find(name), std::string::npos) << o.err;
  }
}

// Resolution 0 is the unsmeared output byte for byte; 5 % smooths the fringes; an ORSO
// file's sQz of 2 % of Q (a standard deviation) smears as a FWHM of 4.71 % does.
TEST(CliReflect, ResolutionSmearsByPercentageOrByTheDataFile) {
  test::ScratchDir dir;
  const std::string model = dir.write("m.FIT", kModel);
  const Args grid = {"--q-start", "0.01", "--q-finish", "0.3", "--points", "200"};
  Args zero = grid, five = grid;
  zero.insert(zero.end(), {"--resolution", "0"});
  five.insert(five.end(), {"--resolution", "5"});
  const Outcome plain = runCli(reflectArgs(model, grid));
  EXPECT_EQ(runCli(reflectArgs(model, zero)).out, plain.out);
  const Outcome smeared = runCli(reflectArgs(model, five));
  ASSERT_EQ(smeared.status, kExitOk) << smeared.err;
  const auto a = rowsOf(plain.out), b = rowsOf(smeared.out);
  ASSERT_EQ(a.size(), b.size());
  double deepestPlain = 1, deepestSmeared = 1;  // the deepest fringe minimum against its neighbours
  for (size_t i = 1; i + 1 < a.size(); ++i) {
    EXPECT_EQ(a[i].first, b[i].first);
    deepestPlain = std::min(deepestPlain, a[i].second / std::max(a[i - 1].second, a[i + 1].second));
    deepestSmeared = std::min(deepestSmeared, b[i].second / std::max(b[i - 1].second, b[i + 1].second));
  }
  EXPECT_GT(deepestSmeared, deepestPlain);

  std::vector<DataPoint> points;
  for (int i = 0; i < 60; ++i) points.push_back({0.01 + 0.004 * i, 0.01, 0.001});
  const std::string orso = dir.write("d.ort", test::orsoFileText("s", {points}));
  const Outcome own = runCli(reflectArgs(model, {"--data", orso, "--resolution", "data"}));
  const Outcome percent = runCli(reflectArgs(model, {"--data", orso, "--resolution", "4.709640090061899"}));
  ASSERT_EQ(own.status, kExitOk) << own.err;
  const auto c = rowsOf(own.out), d = rowsOf(percent.out);
  ASSERT_EQ(c.size(), points.size());
  ASSERT_EQ(d.size(), points.size());
  for (size_t i = 0; i < c.size(); ++i) EXPECT_NEAR(c[i].second, d[i].second, 1e-9 * d[i].second);
}

// A layer 14 Å thick of SLD 3.4 with 25 % solvent between 2.07 and 6.35, roughness 3 Å
// above and 2 Å below: the SLD goes from 2.07 through the mixed 0.75 × 3.4 + 0.25 × 6.35
// to 6.35.
TEST(CliProfile, PrintsDepthAndSldOfTheMixedLayers) {
  test::ScratchDir dir;
  const std::string model = dir.write("m.FIT", kModel);
  const Outcome o = runCli({"profile", model, "--incident-sld", "2.07", "--solvent-sld", "6.35",
                            "--points", "5"});
  ASSERT_EQ(o.status, kExitOk) << o.err;
  const auto rows = rowsOf(o.out);
  ASSERT_EQ(rows.size(), 5u);
  // A margin of four times the largest roughness either side: z = -12, -2.5, 7, 16.5, 26.
  EXPECT_DOUBLE_EQ(rows.front().first, -12);
  EXPECT_DOUBLE_EQ(rows[2].first, 7);
  EXPECT_DOUBLE_EQ(rows.back().first, 26);
  EXPECT_NEAR(rows.front().second, 2.07, 1e-4);  // the tail of an erf at 4 sigma
  EXPECT_NEAR(rows[2].second, 0.75 * 3.4 + 0.25 * 6.35, 0.03);  // erf tails of 3 Å and 2 Å
  EXPECT_NEAR(rows.back().second, 6.35, 1e-5);
  EXPECT_EQ(o.out.find('\r'), std::string::npos);
  EXPECT_EQ(rowsOf(runCli({"profile", model, "--incident-sld", "2.07", "--solvent-sld", "6.35"}).out).size(),
            401u);
  EXPECT_EQ(runCli({"profile", dir.file("none.FIT"), "--incident-sld", "0", "--solvent-sld", "1"}).status,
            kExitBadFile);
}

TEST(CliConvert, WritesEveryRequestedOutputAndNamesIt) {
  test::ScratchDir dir;
  const std::string input = dir.write("run12.dat", "0.0123456,0.98765432,0.00012345678\r\n");
  const Outcome o = runCli({"convert", "--from", "nist", "--to", "lumo,excel,orso", "--title", "Run 12",
                            "--sld", "-0.56", input});
  EXPECT_EQ(o.status, kExitOk) << o.err;
  EXPECT_EQ(o.out, dir.file("run12.VLD") + "\n" + dir.file("run12.CSV") + "\n" + dir.file("run12.ORT") + "\n");
  EXPECT_EQ(o.err, "");
  EXPECT_EQ(test::readBytes(dir.file("run12.VLD")),
            "\"LUMO\"\r\n\"Run 12\"\r\n-.56\r\n1\r\n"
            " .012346            .98765              1.2346E-04 \r\n");
  // The ORSO output keeps every digit that was read.
  EXPECT_NE(test::readBytes(dir.file("run12.ORT")).find("\r\n1.23456e-02             9.876543e-01            1.2345678e-04\r\n"),
            std::string::npos);
}

// A file name and a file's content holding terminal commands reach the terminal escaped;
// a title with a line break is written on one line, so that its file reads back.
TEST(CliConvert, ControlBytesAreEscapedAndTitlesStayOnOneLine) {
  test::ScratchDir dir;
  const std::string bad = dir.write("clear\x1b[2J.dat", "0.1 \x1b]0;owned\x07 0.3\r\n");
  const std::string good = dir.write("good\x9b.dat", ".1 .2 .3\r\n");
  const Outcome o = runCli({"convert", "--from", "nist", "--to", "lumo", "--title", "two\r\nlines",
                            bad, good});
  EXPECT_EQ(o.status, kExitBadFile);
  EXPECT_EQ((o.out + o.err).find_first_of("\x1b\x07\r\x9b"), std::string::npos) << o.err;
  EXPECT_NE(o.err.find("clear\\x1B[2J.dat"), std::string::npos) << o.err;
  EXPECT_NE(o.err.find("\"\\x1B]0;owned\\x07\""), std::string::npos) << o.err;
  EXPECT_NE(o.out.find("good\\x9B.VLD\n"), std::string::npos) << o.out;
  const DataFileResult read = readDataFile(dir.file("good\x9b.VLD"), PointCount::AsAnnounced);
  ASSERT_TRUE(std::holds_alternative<DataFileContents>(read));
  EXPECT_EQ(std::get<DataFileContents>(read).title, "two lines");
}

// --keep-title puts the given title (by default "Title") over the file's own.
TEST(CliConvert, KeepTitleKeepsTheGivenTitleOverTheFilesOwn) {
  test::ScratchDir dir;
  const std::string input = dir.write("d.dat", "1\r\n.1 .2 .3\r\n\"File title\"\r\n");
  for (const bool keep : {false, true}) {
    Args args = {"convert", "--from", "drydoc", "--to", "excel", input};
    if (keep) args.push_back("--keep-title");
    EXPECT_EQ(runCli(args).status, kExitOk);
    EXPECT_EQ(test::readBytes(dir.file("d.CSV")).substr(0, 14),
              keep ? "\"Title\"\r\nQ,Ref" : "\"File title\"\r\n");
  }
}

// A bad file and an output that would replace its own input are reported; the rest
// are still converted and the status says something failed.
TEST(CliConvert, ReportsFailuresAndConvertsTheRest) {
  test::ScratchDir dir;
  const std::string bad = dir.write("bad.asc", "too short\r\n");
  const std::string good = dir.write("good.dat", ".1 .2 .3\r\n");
  const std::string own = dir.write("own.DAT", ".4 .5 .6\r\n");
  const Outcome o = runCli({"convert", "--from", "nist", "--to", "go", bad, good, own});
  EXPECT_EQ(o.status, kExitBadFile);
  EXPECT_EQ(o.out, dir.file("good.DAT") + "\n");
  EXPECT_NE(o.err.find(bad + ": not converted: line 1: expected a number"), std::string::npos)
      << o.err;
  EXPECT_NE(o.err.find("would replace the file being converted"), std::string::npos) << o.err;
  EXPECT_FALSE(std::filesystem::exists(dir.file("bad.DAT")));
  EXPECT_EQ(test::readBytes(own), ".4 .5 .6\r\n");
  // An output that would replace another selected file is named, and exits with 1.
  const std::string upper = dir.write("good.DAT", ".7 .8 .9\r\n");
  const Outcome clash = runCli({"convert", "--from", "nist", "--to", "drydoc", good, upper});
  EXPECT_EQ(clash.status, kExitBadFile);
  EXPECT_EQ(clash.out, "");
  EXPECT_NE(clash.err.find("good.DAT (from " + good + "): not written, as it would replace good.DAT"),
            std::string::npos) << clash.err;
  EXPECT_EQ(test::readBytes(upper), ".7 .8 .9\r\n");
}

}  // namespace
}  // namespace lumo::cli
