#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "RecordingSeams.h"
#include "TestSupport.h"
#include "converter/ConverterState.h"
#include "converter/PlotView.h"
#include "platform/ScriptedDialogs.h"

namespace lumo::converter {
namespace {

using test::RecordingFigureWriter;
using test::RecordingPrinter;

// NIST files of `n` points: Q = 0.01·i, R = scale / i, dR = R / 10.
std::string nistFile(int n, double scale) {
  std::string text;
  for (int i = 1; i <= n; ++i) {
    const double r = scale / i;
    text +=
        std::to_string(0.01 * i) + "," + std::to_string(r) + "," + std::to_string(r / 10) + "\r\n";
  }
  return text;
}

class PlotViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.write("a.dat", nistFile(20, 1));
    dir.write("b.dat", nistFile(30, 0.5));
    dir.write("c.dat", nistFile(10, 0.1));
    state.inputFormat = InputFormat::NISTData;
  }
  PlotView& open(std::vector<std::string> names = {"a.dat", "b.dat", "c.dat"}) {
    state.cmdPlot_Click(dir.path().string(), names);
    return state.plotView();
  }
  // A logical point at data X `q` in the middle of the plot's height.
  LogicalPoint at(double q) {
    const PlotAxes& a = view().axes();
    return {a.frame.mapping.mapX(q), a.frame.mapping.YBottom - 500 * a.frame.mapping.YR};
  }
  PlotView& view() { return state.plotView(); }
  test::ScratchDir dir;
  ScriptedDialogs dialogs;
  ConverterState state{dialogs};
};

TEST_F(PlotViewTest, OpensOnTheFirstFileAndStepsThroughTheSelection) {
  PlotView& v = open();
  EXPECT_EQ(state.view(), ConverterView::Plot);
  EXPECT_EQ(v.txtPlotName, "a.dat");
  EXPECT_EQ(v.store().curve(1).PlotCount, 20);
  EXPECT_FALSE(v.previousEnabled);
  EXPECT_TRUE(v.nextEnabled);
  EXPECT_EQ(v.lblTitle, "Title ?");  // NIST files carry no title
  v.tools().SSCScaleFactor_Click();
  v.tools().txtScaleFactor = "2";
  v.tools().cmdScaleFactorOK_Click();
  EXPECT_EQ(v.lblScaleFactor, "sf:    2");
  v.SSCNextPlot_Click();
  v.SSCNextPlot_Click();
  EXPECT_EQ(v.txtPlotName, "c.dat");
  EXPECT_EQ(v.lblScaleFactor, "sf:     1");
  EXPECT_FALSE(v.nextEnabled);
  EXPECT_TRUE(v.previousEnabled);
  EXPECT_FLOAT_EQ(v.store().curve(1).PlotY[1], 0.1f);
  open({"b.dat"});
  EXPECT_FALSE(v.nextEnabled || v.previousEnabled);
}

TEST_F(PlotViewTest, AFileThatCannotBeReadIsNamedAndShownEmpty) {
  dir.write("bad.dat", "0.1,abc,0.2\r\n");
  PlotView& v = open({"a.dat", "bad.dat"});
  v.SSCNextPlot_Click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].text.find(dir.file("bad.dat")), std::string::npos);
  EXPECT_EQ(v.store().curve(1).PlotCount, 0);
  EXPECT_EQ(v.txtPlotName, "bad.dat");
}

TEST_F(PlotViewTest, AddingRemovingAndColouringCurves) {
  PlotView& v = open();
  PlotTools& t = v.tools();
  t.SSCAddPlot_Click();
  EXPECT_FALSE(t.panelEnabled());
  EXPECT_EQ(t.lstAddPlot(), (std::vector<std::string>{"a.dat", "b.dat", "c.dat"}));
  t.cmdAddPlot_Click(1);
  t.cmdAddPlot_Click(2);
  ASSERT_EQ(v.store().NumPlots(), 3);
  EXPECT_EQ(v.store().curve(3).PlotColour, 3);
  while (v.store().NumPlots() < kMaxPlots) t.cmdAddPlot_Click(0);
  t.cmdAddPlot_Click(0);  // the limit closes the frame
  EXPECT_EQ(t.openDialog(), PlotDialog::None);
  EXPECT_EQ(v.store().NumPlots(), kMaxPlots);

  t.SSCColour_Click();
  t.lstChangeColour_Click(3);  // curve 2
  EXPECT_EQ(t.pressedPaletteButton(), 2);
  t.SSRibbon1_Click(12);
  EXPECT_EQ(v.store().curve(2).PlotColour, 12);
  t.cmdChangeColourReturn_Click();

  t.SSCMinusPlot_Click();
  EXPECT_EQ(t.curveList()[0], "               Current Plots");
  EXPECT_EQ(t.curveList()[3], "2     b.dat");
  while (v.store().NumPlots() > 1) t.cmdMinusPlotDelete_Click(2);
  EXPECT_EQ(t.openDialog(), PlotDialog::None);  // closed by itself at one curve
}

// A curve added over another spans the axes anew: its lower values (c.dat lies a decade
// below a.dat) sit on the axes, not below them, and the error bars, whose lower ends lie
// below the lowest point, are cut at the X axis, on log and linear Y alike.
TEST_F(PlotViewTest, AddedCurvesAreDrawnInsideTheAxes) {
  PlotView& v = open();
  v.setSwitch(PlotSwitch::SSRLine, true);
  v.tools().SSCAddPlot_Click();
  v.tools().cmdAddPlot_Click(2);
  v.tools().cmdAddPlotReturn_Click();
  for (bool logY : {true, false}) {
    v.setSwitch(PlotSwitch::SSRLogY, logY);
    const PlotMapping& m = v.axes().frame.mapping;
    EXPECT_FLOAT_EQ(v.axes().ranges.YMin, logY ? std::log10(0.01f) : 0.01f);
    const LogicalRect area = dataClipArea(m);
    const auto inside = [&](LogicalPoint p) {
      return p.x >= area.left && p.x <= area.right && p.y >= area.top && p.y <= area.bottom;
    };
    int circles = 0, bars = 0;
    for (const auto& p : v.picPlot().persistent()) {
      if (const auto* c = std::get_if<CirclePrimitive>(&p)) {
        ++circles;
        EXPECT_TRUE(inside(c->centre)) << c->centre.x << "," << c->centre.y;
      } else if (const auto* l = std::get_if<LinePrimitive>(&p); l && l->colour != 0) {
        bars += l->from.x == l->to.x;
        EXPECT_TRUE(inside(l->from) && inside(l->to)) << l->from.y << " " << l->to.y;
      } else if (const auto* pl = std::get_if<PolylinePrimitive>(&p)) {
        for (LogicalPoint q : pl->points) EXPECT_TRUE(inside(q));
      }
    }
    EXPECT_EQ(circles, 30);  // a.dat's 20 points and c.dat's 10
    EXPECT_GE(bars, 30);
  }
}

// The Y caption loses its spacing in the dialog and gets it back, trailing space and all.
TEST_F(PlotViewTest, TitlesAndLineWidthDialogs) {
  PlotView& v = open();
  PlotTools& t = v.tools();
  v.setSwitch(PlotSwitch::SSRLogY, false);
  t.SSCommand3_Click();
  EXPECT_EQ(t.txtNewYAxis, "Reflectivity");
  EXPECT_EQ(t.txtNewXAxis, "Q / \u00C5-1");
  t.txtNewTitle = "D2O";
  t.txtNewXAxis = "Q (\u00C5)";
  t.cmdTitleChangeOK_Click();
  EXPECT_EQ(v.lblYAxis, "R e f l e c t i v i t y ");
  EXPECT_EQ(v.lblXAxis, "Q (\u00C5)");
  EXPECT_EQ(v.lblTitle, "D2O");
  EXPECT_EQ(everySecondCharacter(spacedCharacters("\u00C5x")), "\u00C5x");

  t.SSCLineWidth_Click();
  EXPECT_EQ(t.txtLineWidth, "1");
  for (const char* bad : {"0", "-2", "abc", ""}) {
    t.txtLineWidth = bad;
    t.cmdLineWidthOK_Click();
    EXPECT_EQ(t.openDialog(), PlotDialog::LineWidth) << bad;
  }
  t.txtLineWidth = "3";
  t.cmdLineWidthOK_Click();
  EXPECT_EQ(v.LineWidth, 3);
}

// The background level picked on a log axis is a reflectivity; it comes off every
// curve, and the labels add up what was taken off.
TEST_F(PlotViewTest, BackgroundPickedWithTheMouse) {
  PlotView& v = open();
  v.setSwitch(PlotSwitch::SSRBackGroundSub, true);
  const PlotMapping& m = v.axes().frame.mapping;
  const LogicalPoint level{m.XLeft + 100, m.mapY(-1.0)};  // R = 0.1
  v.pointer().mouseMove(level, false);
  EXPECT_EQ(v.picPlot().overlay().size(), 1u);
  v.pointer().mouseDown(level, PlotButton::Left);
  EXPECT_EQ(v.tools().openDialog(), PlotDialog::BackgroundSub);
  EXPECT_EQ(v.tools().txtBackGroundToSubtract, "1.00E-01");
  v.tools().txtBackGroundToSubtract = "";
  v.tools().cmdBackGroundSubOK_Click();  // an empty value does nothing
  v.tools().txtBackGroundToSubtract = "0.05";
  v.tools().cmdBackGroundSubOK_Click();
  EXPECT_EQ(v.tools().openDialog(), PlotDialog::None);
  EXPECT_TRUE(v.picPlot().overlay().empty());
  EXPECT_FLOAT_EQ(v.store().curve(1).PlotY[1], 0.95f);
  EXPECT_EQ(v.lblBgd, "Bgd:   5.00E-02");
}

// Dragging from Q = 0.05 to 0.105 shows points 5..10; the right button shows them all.
TEST_F(PlotViewTest, MouseZoomAndReadOuts) {
  PlotView& v = open();
  v.pointer().mouseMove(at(0.1), false);
  EXPECT_TRUE(v.pointer().crossCursor());
  EXPECT_EQ(v.pointer().lblX, "X: 0.100");
  v.pointer().mouseDown(at(0.05), PlotButton::Left);
  v.pointer().mouseMove(at(0.105), true);
  EXPECT_FALSE(v.picPlot().overlay().empty());  // the marker line
  v.pointer().mouseUp(at(0.105), PlotButton::Left);
  EXPECT_EQ(v.store().curve(1).PlotStart, 5);
  EXPECT_EQ(v.store().curve(1).PlotEnd, 10);
  EXPECT_NEAR(v.axes().ranges.XMax, 0.1, 1e-6);
  v.pointer().mouseDown(at(0.08), PlotButton::Left);
  v.pointer().mouseUp(at(0.07), PlotButton::Left);  // leftwards: nothing changes
  EXPECT_EQ(v.store().curve(1).PlotStart, 5);
  v.pointer().mouseUp(at(0.07), PlotButton::Right);
  EXPECT_EQ(v.store().curve(1).PlotEnd, 20);
}

int textsOf(const PrimitiveList& list, TextRole role) {
  return static_cast<int>(std::count_if(list.begin(), list.end(), [role](const PlotPrimitive& p) {
    const auto* t = std::get_if<TextPrimitive>(&p);
    return t && t->role == role;
  }));
}

// Print: one page of the plot drawn afresh (title, tick labels, curves) with the axis
// captions, without the pointer's lines; offered only with a printer; a failure named.
TEST_F(PlotViewTest, PrintsThePlotAsOnePage) {
  PlotView& v = open();
  EXPECT_FALSE(v.printAvailable());
  RecordingPrinter printer;
  v.setPrinter(&printer);
  EXPECT_TRUE(v.printAvailable());
  v.pointer().mouseDown(at(0.05), PlotButton::Left);  // a zoom being dragged
  v.pointer().mouseMove(at(0.12), true);
  v.SSCPrint_Click();
  ASSERT_EQ(printer.pages.size(), 1u);
  const PrintPage& page = printer.pages[0];
  EXPECT_GT(page.width, page.height);  // a landscape page
  ASSERT_EQ(page.plots.size(), 1u);
  const PlotSurface& plot = page.plots[0].surface;
  EXPECT_EQ(textsOf(plot.persistent(), TextRole::Title), 1);
  EXPECT_GT(textsOf(plot.persistent(), TextRole::XTick), 0);
  EXPECT_GT(textsOf(plot.persistent(), TextRole::YTick), 0);
  EXPECT_LT(plot.persistent().size() + plot.overlay().size(),
            v.picPlot().persistent().size() + v.picPlot().overlay().size());  // no marker lines
  ASSERT_EQ(page.texts.size(), 2u);
  EXPECT_EQ(page.texts[0].text, v.lblYAxis);
  EXPECT_EQ(page.texts[1].text, kPlotXCaption);
  EXPECT_TRUE(dialogs.messages.empty());
  printer.answer = {PrintOutcome::Failed, "The page could not be printed to /x/plot.pdf."};
  v.SSCPrint_Click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].text.find("/x/plot.pdf"), std::string::npos);
  // Nothing in the folders: no scratch picture anywhere.
  EXPECT_FALSE(std::filesystem::exists(dir.file("plot.bmp")));
  EXPECT_FALSE(std::filesystem::exists("plot.bmp"));
}

// Export Plot: the same figure as the main window's export, never over a plotted file.
TEST_F(PlotViewTest, ExportsThePlotAsAFigure) {
  PlotView& v = open();
  v.SSCExportPlot_Click();
  EXPECT_FALSE(v.exportPanel().visible);  // no writer
  RecordingFigureWriter writer;
  v.setFigureWriter(&writer);
  v.SSCExportPlot_Click();
  ASSERT_TRUE(v.exportPanel().visible);
  dialogs.queueFile(dir.file("a.dat"));
  v.cmdExportPlotOK_Click();
  EXPECT_TRUE(writer.pages.empty());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].text.find("never replaced"), std::string::npos);
  EXPECT_EQ(dialogs.requests.back().fileName, dir.file("a.svg"));
  v.setExportPlotText(ui::ExportPlotBox::Height, "80");
  dialogs.queueFile(dir.file("fig.pdf"));
  v.cmdExportPlotOK_Click();
  ASSERT_EQ(writer.pages.size(), 1u);
  EXPECT_EQ(writer.files[0].size.heightMm, 80);
  EXPECT_EQ(writer.pages[0].plots.size(), 1u);
  EXPECT_FALSE(v.exportPanel().visible);
}

}  // namespace
}  // namespace lumo::converter
