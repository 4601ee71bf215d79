// "Export Plot" through the session: when it is offered, the panel's checks, the file
// chosen and planned (never an input, replacing only when confirmed), and the figure
// handed to the writer: the shown plots, the enlarged one, or the combined plot as drawn.
#include <filesystem>

#include "RecordingSeams.h"
#include "SessionFixture.h"
#include "plot/CombinedPlot.h"
#include "plot/FigureWriter.h"
#include "plot/SldProfilePlot.h"

namespace lumo::test {
namespace {

using ui::ExportPlotBox;
using ui::Menu;
using ui::Tool;

int texts(const PrimitiveList& list, TextRole role) {
  return static_cast<int>(std::count_if(list.begin(), list.end(), [role](const PlotPrimitive& p) {
    const auto* t = std::get_if<TextPrimitive>(&p);
    return t && t->role == role;
  }));
}

class SessionExport : public SessionFixture {
 protected:
  RecordingFigureWriter writer;
  void SetUp() override { session.setFigureWriter(&writer); }
  // Export Plot with the boxes as they are, to `name` in the scratch folder.
  void exportTo(const std::string& name) {
    session.menuClicked(Menu::mnuExportPlot);
    dialogs.queueFile(dir.file(name));
    session.cmdExportPlotOK_Click();
  }
};

// Offered only with a plot shown and a writer to draw it.
TEST_F(SessionExport, OfferedWhileAPlotIsShown) {
  session.Form_Load();
  EXPECT_FALSE(session.menuUsable(Menu::mnuExportPlot));  // nothing drawn yet
  session.menuClicked(Menu::mnuExportPlot);
  EXPECT_FALSE(session.exportPlotPanel().visible);
  setFitting(true);  // the start-up curves
  EXPECT_TRUE(session.menuUsable(Menu::mnuExportPlot));
  session.setFigureWriter(nullptr);
  EXPECT_FALSE(session.menuUsable(Menu::mnuExportPlot));
  session.setFigureWriter(&writer);

  session.menuClicked(Menu::mnuExportPlot);
  EXPECT_TRUE(session.exportPlotPanel().visible);
  dialogs.queueCancel();
  session.cmdExportPlotOK_Click();
  EXPECT_TRUE(writer.pages.empty());
  EXPECT_TRUE(session.exportPlotPanel().visible);
  ASSERT_EQ(dialogs.requests.size(), 1u);
  EXPECT_EQ(dialogs.requests[0].fileName, "plot.svg");
  EXPECT_TRUE(dialogs.requests[0].callerConfirmsReplace);
  session.cmdExportPlotCancel_Click();
  EXPECT_FALSE(session.exportPlotPanel().visible);
}

// Faults in the boxes are named before any dialog; a file of another type, a data file
// being plotted, or a file the user will not replace is never written.
TEST_F(SessionExport, RefusesBadSizesInputsAndUnconfirmedReplacing) {
  startWithData(2);
  const size_t openingDialogs = dialogs.requests.size();
  session.menuClicked(Menu::mnuExportPlot);
  const std::pair<ExportPlotBox, const char*> faults[] = {
      {ExportPlotBox::Width, "wide"}, {ExportPlotBox::Height, ""}, {ExportPlotBox::Resolution, "300.5"}};
  for (const auto& [box, text] : faults) {
    const std::string kept = session.exportPlotPanel().text(box);
    session.setExportPlotText(box, text);
    session.cmdExportPlotOK_Click();
    session.setExportPlotText(box, kept);
  }
  session.setExportPlotText(ExportPlotBox::Width, "10");
  session.cmdExportPlotOK_Click();
  session.setExportPlotText(ExportPlotBox::Width, "160");
  ASSERT_EQ(dialogs.messages.size(), 4u);
  EXPECT_NE(message(0).find("width"), std::string::npos);
  EXPECT_NE(message(1).find("height"), std::string::npos);
  EXPECT_NE(message(2).find("resolution"), std::string::npos);
  EXPECT_NE(message(3).find("30 mm"), std::string::npos);
  EXPECT_EQ(dialogs.requests.size(), openingDialogs);

  const std::string data = session.store()[1].DataFileName;
  const std::string before = readBytes(data);
  for (const std::string& path : {data, dir.file("fig.doc")}) {
    dialogs.queueFile(path);
    session.cmdExportPlotOK_Click();
    EXPECT_NE(dialogs.messages.back().text.find(path), std::string::npos);
  }
  EXPECT_EQ(readBytes(data), before);

  const std::string old = dir.write("old.pdf", "mine");
  dialogs.queueFile(old);
  dialogs.queueAnswer(MessageAnswer::No);
  session.cmdExportPlotOK_Click();
  EXPECT_EQ(dialogs.messages.back().buttons, MessageButtons::YesNo);
  EXPECT_TRUE(writer.pages.empty());
  dialogs.queueFile(old);
  dialogs.queueAnswer(MessageAnswer::Yes);
  session.cmdExportPlotOK_Click();
  ASSERT_EQ(writer.files.size(), 1u);
  EXPECT_EQ(writer.files[0].format, FigureFormat::Pdf);
  EXPECT_FALSE(session.exportPlotPanel().visible);
}

// The small plots shown, each drawn afresh with its title, ticks, labels, data and
// curve, the Y caption following Log Y; the screen's plots and mappings untouched.
TEST_F(SessionExport, TheFigureHoldsTheShownPlotsWithTheirLabels) {
  startWithData(3, 30);
  setFitting(true);
  session.toolClicked(Tool::SSRLogX, true);
  const auto version = session.picPlot(1).persistentVersion();
  const double xScale = session.mapping(1).XScale;
  session.setExportPlotText(ExportPlotBox::Width, "120");
  exportTo("fig.svg");
  ASSERT_EQ(writer.pages.size(), 1u) << (dialogs.messages.empty() ? "" : message());
  const PrintPage& page = writer.pages[0];
  EXPECT_EQ(page.width, 1200);
  EXPECT_EQ(writer.files[0].size.widthMm, 120);
  ASSERT_EQ(page.plots.size(), 3u);
  for (const PagePlot& plot : page.plots) {
    EXPECT_EQ(countOf<CirclePrimitive>(plot.surface.persistent()), 30);
    EXPECT_GT(texts(plot.surface.persistent(), TextRole::XTick), 0);
    EXPECT_GT(texts(plot.surface.persistent(), TextRole::YTick), 0);
    EXPECT_EQ(texts(plot.surface.persistent(), TextRole::Title), 1);
    EXPECT_EQ(countOf<PolylinePrimitive>(plot.surface.overlay()), 1);
  }
  EXPECT_EQ(page.texts[0].text, session.lblYAxis());
  EXPECT_EQ(page.texts[1].text, ui::kXAxisCaption);
  EXPECT_EQ(session.picPlot(1).persistentVersion(), version);
  EXPECT_EQ(session.mapping(1).XScale, xScale);
  EXPECT_EQ(dialogs.requests.back().fileName, dir.file("set1.svg"));

  // A writer's failure is shown with its reason; the panel stays for another try.
  writer.answer = "cannot write " + dir.file("fig.png") + ": No space left on device";
  exportTo("fig.png");
  EXPECT_NE(message(dialogs.messages.size() - 1).find("fig.png: No space"), std::string::npos);
  EXPECT_TRUE(session.exportPlotPanel().visible);
}

// The enlarged plot alone; the combined plot as drawn: every set, its legend and every
// curve, in one mapping, and the screen's combined mapping stays for the next refresh.
TEST_F(SessionExport, TheEnlargedAndTheCombinedPlot) {
  startWithData(4, 25);
  setFitting(true);
  session.picEnlarge_Click(2);
  exportTo("one.png");
  ASSERT_EQ(writer.pages.size(), 1u);
  ASSERT_EQ(writer.pages[0].plots.size(), 1u);
  EXPECT_EQ(countOf<CirclePrimitive>(writer.pages[0].plots[0].surface.persistent()), 25);
  session.picEnlargePicture_Click(0);

  session.toolClicked(Tool::SSRMultiPlot, true);
  const PlotMapping onScreen = session.mapping(session.CurrentPlot());
  exportTo("all.pdf");
  ASSERT_EQ(writer.pages.size(), 2u);
  ASSERT_EQ(writer.pages[1].plots.size(), 1u);
  const PlotSurface& combined = writer.pages[1].plots[0].surface;
  EXPECT_EQ(countOf<CirclePrimitive>(combined.persistent()), 100);
  EXPECT_EQ(countOf<PolylinePrimitive>(combined.overlay()), 4);
  EXPECT_EQ(texts(combined.persistent(), TextRole::Legend), texts(session.picPlot(0).persistent(), TextRole::Legend));
  EXPECT_EQ(combined.persistent().size(), session.picPlot(0).persistent().size());
  EXPECT_EQ(session.mapping(session.CurrentPlot()).XScale, onScreen.XScale);
  EXPECT_EQ(session.mapping(session.CurrentPlot()).YMin, onScreen.YMin);
}

// While the SLD profile is shown it stands beside the plots: its captions and one legend
// line per set in the set's colour above it, its own title and legend left out of the
// narrow plot; hidden again, the figure is the plots' alone.
TEST_F(SessionExport, TheSldProfileBesideThePlotsWhileShown) {
  startWithData(2, 20);
  setFitting(true);
  session.SSRSldProfile_Click(true);
  exportTo("profile.svg");
  session.SSRSldProfile_Click(false);
  exportTo("plain.svg");
  ASSERT_EQ(writer.pages.size(), 2u);
  const PrintPage &shown = writer.pages[0], &plain = writer.pages[1];
  ASSERT_EQ(shown.plots.size(), 3u);
  const PlotSurface& profile = shown.plots[2].surface;
  EXPECT_EQ(countOf<PolylinePrimitive>(profile.persistent()), 2);
  EXPECT_EQ(texts(profile.persistent(), TextRole::Title) + texts(profile.persistent(), TextRole::Legend), 0);
  EXPECT_GT(texts(profile.persistent(), TextRole::XTick), 1);
  std::vector<std::pair<std::string, int>> pageTexts;
  for (const PageText& t : shown.texts) pageTexts.emplace_back(t.text, t.colour);
  using Text = std::pair<std::string, int>;
  for (const Text& t : {Text{"\u25CF set1.vld", combinedDataColour(1)}, Text{"\u25CF set2.vld", combinedDataColour(2)},
                        Text{kSldProfileYCaption, 0}, Text{kSldProfileXCaption, 0}})
    EXPECT_NE(std::find(pageTexts.begin(), pageTexts.end(), t), pageTexts.end()) << t.first;

  ASSERT_EQ(plain.plots.size(), 2u);
  ASSERT_EQ(plain.texts.size(), 2u);
  EXPECT_GT(plain.plots[1].box.right, shown.plots[2].box.left);  // the plots take the whole width
}

}  // namespace
}  // namespace lumo::test
