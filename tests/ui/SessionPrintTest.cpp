// Printing through the session: the print options, the print form composed as recorded
// primitives, and what the printer seam reports.
#include <filesystem>

#include "RecordingSeams.h"
#include "SessionFixture.h"
#include "ui/PrintForms.h"

namespace lumo::test {
namespace {

using ui::Tool;

int texts(const PrimitiveList& list, TextRole role) {
  return static_cast<int>(std::count_if(list.begin(), list.end(), [role](const PlotPrimitive& p) {
    const auto* t = std::get_if<TextPrimitive>(&p);
    return t && t->role == role;
  }));
}

class SessionPrint : public SessionFixture {
 protected:
  RecordingPrinter printer;
  void SetUp() override { session.setPrinter(&printer); }
  const PrintPage& page() const { return session.printForms().page; }
};

TEST_F(SessionPrint, WithoutDataTheOptionsShowNoBoxAndTheFormIsEmpty) {
  session.Form_Load();
  session.menuClicked(ui::Menu::mnuPrint);
  ASSERT_TRUE(session.printForms().optionsVisible);
  for (int i = 1; i <= 4; ++i) EXPECT_FALSE(session.printForms().setVisible[static_cast<size_t>(i)]);
  session.cmdPrintPreview_Click();
  EXPECT_TRUE(session.printForms().formVisible);
  EXPECT_TRUE(page().plots.empty());
  session.cmdLumoPrintCancel_Click();
  EXPECT_FALSE(session.printForms().formVisible);
  EXPECT_TRUE(session.printForms().optionsVisible);  // the options stay open
}

// The ticked sets' pictures in their places, each with ticks, labels (x ones also on a
// logarithmic X axis), title, data and curve; the plots on the screen and the folder
// stay as they were.
TEST_F(SessionPrint, ComposesTheTickedPlotsAsTheyAreDrawn) {
  startWithData(3, 30);
  setFitting(true);
  session.toolClicked(Tool::SSRLogX, true);
  const auto screenVersion = session.picPlot(1).persistentVersion();
  const auto filesBefore = std::distance(std::filesystem::directory_iterator(dir.path()), {});
  session.toolClicked(Tool::SSCPrint);
  EXPECT_FALSE(session.printForms().setVisible[4]);
  session.chkPrintSet_Click(2, false);
  session.cmdPrintPreview_Click();

  ASSERT_EQ(page().plots.size(), 2u);
  EXPECT_EQ(page().width, ui::kPrintFormWidth);
  const LogicalRect third = ui::printPictureBox(3);
  EXPECT_EQ(page().plots[1].box.left, third.left);
  EXPECT_EQ(page().plots[1].box.top, 3360);
  EXPECT_EQ(page().plots[1].box.bottom - page().plots[1].box.top, 2775);
  for (const PagePlot& plot : page().plots) {
    EXPECT_EQ(countOf<CirclePrimitive>(plot.surface.persistent()), 30);
    EXPECT_GT(texts(plot.surface.persistent(), TextRole::XTick), 0);
    EXPECT_GT(texts(plot.surface.persistent(), TextRole::YTick), 0);
    EXPECT_EQ(texts(plot.surface.persistent(), TextRole::Title), 1);
    EXPECT_EQ(countOf<PolylinePrimitive>(plot.surface.overlay()), 1);
  }
  EXPECT_EQ(texts(session.picPlot(1).persistent(), TextRole::XTick), 0);  // Log X on screen
  EXPECT_EQ(session.picPlot(1).persistentVersion(), screenVersion);
  ASSERT_EQ(page().texts.size(), 2u);
  EXPECT_EQ(page().texts[0].text, "Q / A-1");
  EXPECT_EQ(page().texts[1].text, "L o g   R e f l e c t i v i t y");
  EXPECT_TRUE(page().texts[1].vertical);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), filesBefore);

  // The Y title follows "Log Y"; without "Calculate Fit" there is no curve.
  session.toolClicked(Tool::SSRLogY, false);
  setFitting(false);
  session.cmdPrintPreview_Click();
  EXPECT_EQ(page().texts[1].text, "R e f l e c t i v i t y");
  EXPECT_EQ(countOf<PolylinePrimitive>(page().plots[0].surface.overlay()), 0);
  EXPECT_TRUE(printer.pages.empty());  // a preview prints nothing
}

// Printed, cancelled (quietly), failed (said), or no printer at all (said).
TEST_F(SessionPrint, PrintsThroughThePrinterAndReportsWhatWentWrong) {
  startWithData(2);
  session.SSCPrint_Click();
  session.cmdPrintPrint_Click();
  ASSERT_EQ(printer.pages.size(), 1u);
  EXPECT_EQ(printer.pages[0].plots.size(), 2u);
  EXPECT_TRUE(session.printForms().formVisible);

  printer.answer = {PrintOutcome::Cancelled, {}};
  session.cmdLumoPrintPrint_Click();
  EXPECT_TRUE(dialogs.messages.empty());
  printer.answer = {PrintOutcome::Failed, "The page could not be printed to /nowhere.pdf."};
  session.cmdLumoPrintPrint_Click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(message().find("/nowhere.pdf"), std::string::npos);
  session.setPrinter(nullptr);
  session.cmdLumoPrintPrint_Click();
  EXPECT_EQ(message(1), "No printer is available.");
  EXPECT_EQ(printer.pages.size(), 3u);
}

// While the combined plot is shown, printing prints that picture, as drawn on the screen,
// over the whole grid: every set, its legend and every curve; the screen's combined
// mapping stays for the next curve refresh.
TEST_F(SessionPrint, TheCombinedPlotPrintsAsShown) {
  startWithData(3, 20);
  setFitting(true);
  session.toolClicked(Tool::SSRMultiPlot, true);
  const PlotMapping onScreen = session.mapping(session.CurrentPlot());
  session.toolClicked(Tool::SSCPrint);
  for (int i = 1; i <= 4; ++i) EXPECT_FALSE(session.printForms().setVisible[static_cast<size_t>(i)]);
  session.cmdPrintPrint_Click();
  ASSERT_EQ(printer.pages.size(), 1u);
  const PrintPage& printed = printer.pages[0];
  ASSERT_EQ(printed.plots.size(), 1u);
  EXPECT_EQ(printed.plots[0].box.left, ui::printPictureBox(1).left);
  EXPECT_EQ(printed.plots[0].box.bottom, ui::printPictureBox(4).bottom);
  const PlotSurface& combined = printed.plots[0].surface;
  EXPECT_EQ(countOf<CirclePrimitive>(combined.persistent()), 60);
  EXPECT_EQ(countOf<PolylinePrimitive>(combined.overlay()), 3);
  EXPECT_EQ(texts(combined.persistent(), TextRole::Legend), 3);
  EXPECT_EQ(combined.persistent().size(), session.picPlot(0).persistent().size());
  EXPECT_EQ(session.mapping(session.CurrentPlot()).YMin, onScreen.YMin);
  EXPECT_EQ(session.mapping(session.CurrentPlot()).XScale, onScreen.XScale);
}

}  // namespace
}  // namespace lumo::test
