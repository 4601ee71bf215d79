// lumo-cli plot: usage and file errors write nothing; the figure handed to the writer is
// the one the window's Export Plot makes from the same files.
#include <sstream>

#include "app/Cli.h"
#include "plot/FigureWriter.h"
#include "RecordingSeams.h"
#include "ui/SessionFixture.h"

namespace lumo::test {
namespace {

using Args = std::vector<std::string>;

class CliPlot : public SessionFixture {
 protected:
  RecordingFigureWriter writer;
  std::string modelFile = dir.write("in.FIT", " 2 \r\n 2.5 \r\n 12.5  2.074  13.5  3 \r\n 40 1.5 0 4 \r\n 0 \r\n");
  std::vector<std::string> data = writeDataSets(3, 30);

  void SetUp() override { cli::useFigureWriter(&writer); }
  void TearDown() override { cli::useFigureWriter(nullptr); }

  int run(const Args& args, std::string& err) {
    Args all{"plot", modelFile};
    all.insert(all.end(), args.begin(), args.end());
    std::ostringstream o, e;
    const int status = cli::run(all, o, e);
    err = e.str();
    return status;
  }
  Args withData(Args args, int sets = 1) {
    for (int i = 0; i < sets; ++i) args.insert(args.end(), {"--data", data[static_cast<size_t>(i)]});
    return args;
  }
};

TEST_F(CliPlot, UsageErrorsWriteNothing) {
  const Args common{"--incident-sld", "2.07", "--solvent-sld", "6.35", "-o", dir.file("f.svg")};
  const std::pair<Args, const char*> cases[] = {
      {common, "at least one --data"},
      {withData({"--incident-sld", "2.07", "-o", dir.file("f.svg")}), "--solvent-sld is missing"},
      {withData({"--solvent-sld", "6.35", "-o", dir.file("f.svg")}), "--incident-sld"},
      {withData(common, 3), ""},  // fine so far: checked below
      {withData({"--incident-sld", "2.07", "--solvent-sld", "6.35", "-o", dir.file("f.jpg")}), ".svg, .pdf or .png"},
      {withData({"--incident-sld", "2.07", "--solvent-sld", "6.35", "-o", data[0]}), "never replaced"},
      {withData({"--incident-sld", "2.07", "--solvent-sld", "6.35", "-o", modelFile}), "never replaced"},
      {withData({"--incident-sld", "2.07", "--solvent-sld", "6.35", "--log-y", "--linear-y", "-o", dir.file("f.svg")}),
       "either --log-y or --linear-y"},
      {withData({"--incident-sld", "2.07", "--solvent-sld", "6.35", "--dpi", "72.5", "-o", dir.file("f.png")}), "--dpi"},
      {withData({"--incident-sld", "2.07", "--solvent-sld", "6.35", "--width", "20", "-o", dir.file("f.png")}), "30 mm"},
      {withData({"--incident-sld", "99999", "--solvent-sld", "6.35", "-o", dir.file("f.svg")}), "--incident-sld needs a value"},
      {withData({"--incident-sld", "2.07", "--solvent-sld", "6.35", "--solvent-sld", "4", "-o", dir.file("f.svg")}, 3),
       "once per data set (3)"},
      {withData({"--incident-sld", "2.07", "--solvent-sld", "6.35", "--colour", "red", "-o", dir.file("f.svg")}), "--colour"},
  };
  for (const auto& [args, says] : cases) {
    if (std::string(says).empty()) continue;
    std::string err;
    EXPECT_EQ(run(args, err), cli::kExitUsage) << says;
    EXPECT_NE(err.find(says), std::string::npos) << err;
    EXPECT_NE(err.find("lumo-cli plot"), std::string::npos);
  }
  Args five = common;
  for (int i = 0; i < 5; ++i) five.insert(five.end(), {"--data", data[0]});
  std::string err;
  EXPECT_EQ(run(five, err), cli::kExitUsage);
  EXPECT_NE(err.find("at most four"), std::string::npos);
  EXPECT_TRUE(writer.pages.empty());
}

TEST_F(CliPlot, UnreadableFilesAreNamed) {
  const std::string broken = dir.write("broken.vld", "\"LUMO\"\r\n\"t\"\r\nnot a number\r\n");
  std::string err;
  const Args args{"--incident-sld", "2.07", "--solvent-sld", "6.35", "--data", broken, "-o", dir.file("f.svg")};
  EXPECT_EQ(run(args, err), cli::kExitBadFile);
  EXPECT_NE(err.find("broken.vld"), std::string::npos) << err;
  modelFile = dir.write("bad.FIT", "nonsense");
  EXPECT_EQ(run(withData({"--incident-sld", "2.07", "--solvent-sld", "6.35", "-o", dir.file("f.svg")}), err),
            cli::kExitBadFile);
  EXPECT_NE(err.find("bad.FIT"), std::string::npos) << err;
  EXPECT_TRUE(writer.pages.empty());

  cli::useFigureWriter(nullptr);
  modelFile = dir.file("in.FIT");
  EXPECT_EQ(run(withData({"--incident-sld", "2.07", "--solvent-sld", "6.35", "-o", dir.file("f.svg")}), err),
            cli::kExitBadFile);
  EXPECT_NE(err.find("without figures"), std::string::npos);
}

// The same figure as Export Plot in the window with the files opened, the model opened,
// the SLDs set and Calculate Fit on.
TEST_F(CliPlot, DrawsTheFigureTheWindowExports) {
  std::string err;
  const Args args = withData({"--incident-sld", "2.07", "--solvent-sld", "6.35", "--solvent-sld", "4",
                              "--solvent-sld", "2.07", "--linear-y", "--width", "120", "--dpi", "150", "-o",
                              dir.file("f.pdf")},
                             3);
  ASSERT_EQ(run(args, err), cli::kExitOk) << err;
  ASSERT_EQ(writer.pages.size(), 1u);
  EXPECT_EQ(writer.files[0].format, FigureFormat::Pdf);
  EXPECT_EQ(writer.files[0].size.dpi, 150);
  EXPECT_EQ(writer.files[0].size.heightMm, 110);

  RecordingFigureWriter windowWriter;
  session.setFigureWriter(&windowWriter);
  session.Form_Load();
  dialogs.queueFile(modelFile);
  session.SSCOpen_Click();
  open(data);
  session.setScrollValue({ScrollFamily::SolidSLD}, 207);
  setFitting(true);
  session.toolClicked(ui::Tool::SSRLogY, false);
  session.menuClicked(ui::Menu::mnuExportPlot);
  session.setExportPlotText(ui::ExportPlotBox::Width, "120");
  dialogs.queueFile(dir.file("window.pdf"));
  session.cmdExportPlotOK_Click();
  ASSERT_EQ(windowWriter.pages.size(), 1u);

  const PrintPage& cli = writer.pages[0];
  const PrintPage& window = windowWriter.pages[0];
  ASSERT_EQ(cli.plots.size(), 3u);
  ASSERT_EQ(window.plots.size(), 3u);
  EXPECT_EQ(cli.texts[0].text, "R e f l e c t i v i t y");
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(cli.plots[i].surface.persistent().size(), window.plots[i].surface.persistent().size());
    const auto& a = std::get<PolylinePrimitive>(cli.plots[i].surface.overlay().at(0));
    const auto& b = std::get<PolylinePrimitive>(window.plots[i].surface.overlay().at(0));
    ASSERT_EQ(a.points.size(), b.points.size());
    for (size_t k = 0; k < a.points.size(); ++k) EXPECT_EQ(a.points[k].y, b.points[k].y) << i << " " << k;
  }
}

}  // namespace
}  // namespace lumo::test
