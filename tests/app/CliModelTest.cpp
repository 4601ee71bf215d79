// lumo-cli model: usage and file errors leave no output behind; its file equals, line by
// line, the one the window's Save Fit writes.
#include <filesystem>
#include <sstream>

#include "app/Cli.h"
#include "ui/SessionFixture.h"

namespace lumo::test {
namespace {

using Args = std::vector<std::string>;

class CliModel : public SessionFixture {
 protected:
  std::string modelFile = dir.write("in.FIT", " 2 \r\n 2.5 \r\n 12.5  2.074  13.5  3 \r\n 40 1.5 0 4 \r\n 0 \r\n");
  std::string data = writeData("run.vld", 6.35, 60);
  std::string out = dir.file("out.FIT");

  int run(Args args, std::string& err) {
    args.insert(args.begin(), {"model", modelFile, "--incident-sld", "2.07", "--solvent-sld", "6.35"});
    std::ostringstream o, e;
    const int status = cli::run(args, o, e);
    err = e.str();
    return status;
  }
  // The window: the data opened, the model opened, Save Fit for data set 1.
  std::string savedByTheWindow(bool original, bool withData) {
    session.Form_Load();
    open({data});
    dialogs.queueFile(modelFile);
    session.SSCOpen_Click();
    session.SSCSave_Click();
    session.chkKeepOriginalPoints_Click(original);
    session.chkSaveDataAsWell_Click(withData);
    session.setSaveFitText(ui::SaveFitBox::QStart, "0.02");
    session.setSaveFitText(ui::SaveFitBox::QFinish, "0.3");
    session.setSaveFitText(ui::SaveFitBox::QNumPts, "77");
    dialogs.queueFile(dir.file("window.FIT"));
    session.cmdSaveFitOK_Click();
    EXPECT_TRUE(dialogs.messages.empty());
    return readBytes(dir.file("window.FIT"));
  }
  static std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
  }
};

class CliModelLikeTheWindow : public CliModel, public ::testing::WithParamInterface<bool> {};

TEST_P(CliModelLikeTheWindow, WritesTheFileSaveFitWrites) {
  const bool original = GetParam();
  const std::string window = savedByTheWindow(original, original);
  std::string err;
  const Args how = original ? Args{"--data", data, "--with-data", "-o", out}
                            : Args{"--q-start", "0.02", "--q-finish", "0.3", "--points", "77", "-o", out};
  ASSERT_EQ(run(how, err), cli::kExitOk) << err;
  const auto expected = lines(window), written = lines(readBytes(out));
  ASSERT_EQ(written.size(), expected.size());
  EXPECT_EQ(written.size(), 2 + 2 + 1 + (original ? 60u : 77u));
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(written[i], expected[i]) << "line " << i + 1;
  EXPECT_EQ(written[2].substr(0, 4), " 12 ");  // the layer as the editor holds it
}

INSTANTIATE_TEST_SUITE_P(OnDataAndGrid, CliModelLikeTheWindow, ::testing::Bool());

TEST_F(CliModel, UsageAndFileErrorsLeaveNoOutput) {
  const struct {
    Args args;
    int status;
    const char* said;
  } cases[] = {
      {{"--data", data}, cli::kExitUsage, "-o"},
      {{"--data", data, "--points", "5", "--q-start", "0", "--q-finish", "0.1", "-o", out}, cli::kExitUsage,
       "give either"},
      {{"-o", out}, cli::kExitUsage, "give either"},
      {{"--points", "513", "--q-start", "0", "--q-finish", "0.1", "-o", out}, cli::kExitUsage, "--points"},
      {{"--points", "5", "--q-start", "0", "--q-finish", "0.1", "--with-data", "-o", out}, cli::kExitUsage,
       "--with-data needs --data"},
      {{"--data", data, "-o", data}, cli::kExitUsage, "would replace the input"},
      {{"--data", dir.file("none.vld"), "-o", out}, cli::kExitBadFile, "none.vld"},
      {{"--data", data, "-o", dir.file("missing/out.FIT")}, cli::kExitBadFile, "missing"},
  };
  for (const auto& c : cases) {
    std::string err;
    EXPECT_EQ(run(c.args, err), c.status) << err;
    EXPECT_NE(err.find(c.said), std::string::npos) << err;
    if (c.status == cli::kExitUsage) {
      EXPECT_NE(err.find("(try lumo-cli model --help)"), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(out));
  }
  modelFile = dir.write("bad.FIT", " 1 \r\n 0 \r\n 1 x 0 0 \r\n");
  std::string err;
  EXPECT_EQ(run({"--data", data, "-o", out}, err), cli::kExitBadFile);
  EXPECT_NE(err.find("line 3"), std::string::npos) << err;
  EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace lumo::test
