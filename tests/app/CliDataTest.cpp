// lumo-cli data: usage, file errors, and the file the window's Save Data writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/Cli.h"
#include "app/CliRun.h"
#include "ui/SessionFixture.h"

namespace lumo::test {
namespace {

using cli::Outcome;
using ui::Tool;

class CliData : public SessionFixture {
 protected:
  Outcome data(std::vector<std::string> args) {
    args.insert(args.begin(), "data");
    return cli::runCli(args);
  }
  // 40 points of decayingCurve, the last three measured as 0.
  std::string input() {
    std::vector<DataPoint> p = decayingCurve(40);
    for (size_t i = 37; i < 40; ++i) p[i].r = 0;
    return dir.write("run.vld", dataFileText("Si D2O", 6.35, p));
  }
};

// The same corrections through the window's dialogs and through the command give the
// same file, byte for byte.
TEST_F(CliData, WritesTheFileTheWindowSaves) {
  const std::string in = input();
  session.Form_Load();
  open({in});
  session.toolClicked(Tool::SSRBackGroundSub, true);
  const PlotMapping& m = session.mapping(1);
  session.picPlot_MouseDown(1, ui::MouseButton::Left, {m.XLeft + 10, m.YBottom - 10});
  session.setBackgroundText("2e-4");
  session.cmdBackGroundSubOK_Click();
  session.toolClicked(Tool::SSRScaleFactor, true);
  session.setScaleFactorText(1, "1.25");
  session.cmdScaleFactorOK_Click();
  session.toolClicked(Tool::SSRRemoveNegatives, true);
  session.cmdRemoveNegativesOK_Click();
  const std::string window = dir.file("window.VLB");
  session.toolClicked(Tool::SSRSaveData, true);
  dialogs.queueFile(window);
  session.cmdOKLumoDataSave_Click();

  const std::string cli = dir.file("cli.VLB");
  const Outcome o = data({in, "--background", "2e-4", "--scale", "1.25", "--negatives", "remove", "-o", cli});
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.out, cat(cli, "\n"));
  EXPECT_EQ(readBytes(cli), readBytes(window));
  EXPECT_NE(readBytes(cli).find("\"Si D2O bgd = 2.00E-04\""), std::string::npos);

  // Without removal the zeros are left out and counted.
  const Outcome kept = data({in, "-o", cli});
  EXPECT_EQ(kept.out, cat(cli, "\n3 points with R <= 0 left out\n"));
  EXPECT_NE(readBytes(cli).find("\r\n37\r\n"), std::string::npos);
}

struct UsageCase {
  std::vector<std::string> args;
  const char* says;
};

// Usage errors (exit 2) and files that cannot be read or written (exit 1) write nothing.
TEST_F(CliData, UsageAndFileErrorsWriteNothing) {
  const std::string in = input(), out = dir.file("out.VLB");
  const UsageCase usage[] = {
      {{in}, "option -o is required"},
      {{"-o", out}, "no data file given"},
      {{in, "-o", out, "--scale", "0"}, "--scale"},
      {{in, "-o", out, "--scale", "x"}, "--scale"},
      {{in, "-o", out, "--negatives", "-1"}, "--negatives"},
      {{in, "-o", out, "--background", "1e-3e"}, "--background"},
      {{in, "-o", in}, "replace the input"},
      {{in, "-o", out, "--colour", "red"}, "unknown option"},
  };
  for (const UsageCase& c : usage) {
    const Outcome o = data(c.args);
    EXPECT_EQ(o.status, 2) << c.says;
    EXPECT_NE(o.err.find(c.says), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("(try lumo-cli data --help)"), std::string::npos);
  }
  EXPECT_EQ(data({dir.file("missing.vld"), "-o", out}).status, 1);
  const Outcome bad = data({dir.write("bad.vld", "\"NOTLUMO\"\r\n"), "-o", out});
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.err.find("File Not In Correct Format!"), std::string::npos);
  const Outcome noFolder = data({in, "-o", dir.file("none/out.VLB")});
  EXPECT_EQ(noFolder.status, 1);
  EXPECT_NE(noFolder.err.find("Error Saving File!"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(out));
  EXPECT_EQ(data({"--help"}).status, 0);
}

}  // namespace
}  // namespace lumo::test
