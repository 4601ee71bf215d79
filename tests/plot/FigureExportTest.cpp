// Figure export without Qt: formats from extensions, sizes and their limits, the output
// planned so that no input is replaced, and the page the figure is composed on.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "plot/FigureExport.h"
#include "plot/FigurePage.h"

namespace lumo::test {
namespace {

TEST(FigureExport, FormatsAndSizes) {
  EXPECT_EQ(figureFormatOf("a/fig.svg"), FigureFormat::Svg);
  EXPECT_EQ(figureFormatOf("FIG.PDF"), FigureFormat::Pdf);
  EXPECT_EQ(figureFormatOf("x.y.Png"), FigureFormat::Png);
  for (const char* none : {"fig", "fig.jpg", "svg", "fig.svg.txt", ".png/x"})
    EXPECT_FALSE(figureFormatOf(none)) << none;

  // 160 x 110 mm at 300 dpi; a side never rounds to nothing.
  const PixelSize px = figurePixels({160, 110, 300});
  EXPECT_EQ(px.width, 1890);
  EXPECT_EQ(px.height, 1299);
  EXPECT_EQ(figurePixels({25.4, 25.4, 100}).width, 100);

  EXPECT_FALSE(checkFigureSize({}, FigureFormat::Png));
  EXPECT_FALSE(checkFigureSize({kMinFigureMm, kMaxFigureMm, kMinFigureDpi}, FigureFormat::Svg));
  for (const FigureSize bad : {FigureSize{29, 100, 300}, FigureSize{100, 1001, 300}, FigureSize{-5, 100, 300},
                               FigureSize{100, 100, 49}, FigureSize{100, 100, 2401}})
    EXPECT_TRUE(checkFigureSize(bad, FigureFormat::Svg)) << bad.widthMm << " " << bad.dpi;
  // A large PNG is refused (its pixels named) while the same vectors are fine.
  const FigureSize poster{500, 400, 600};
  EXPECT_FALSE(checkFigureSize(poster, FigureFormat::Pdf));
  const auto tooLarge = checkFigureSize(poster, FigureFormat::Png);
  ASSERT_TRUE(tooLarge);
  EXPECT_NE(tooLarge->find("11811 x 9449"), std::string::npos) << *tooLarge;
}

TEST(FigureExport, PlanningNeverReplacesAnInput) {
  ScratchDir dir;
  const std::string data = dir.write("run.vld", "x"), model = dir.write("m.svg", "x");
  const std::vector<std::string> inputs{model, data};
  const auto planned = planFigureFile(dir.file("fig.PNG"), {}, inputs);
  ASSERT_TRUE(std::holds_alternative<FigureFile>(planned));
  EXPECT_EQ(std::get<FigureFile>(planned).format, FigureFormat::Png);

  // The input under another name, a link to it, a file name without a figure's
  // extension: refused with the file's name.
  std::filesystem::create_symlink(model, dir.file("link.svg"));
  for (const std::string& path : {(dir.path() / "." / "m.svg").string(), dir.file("link.svg"),
                                  dir.file("run.vld"), dir.file("fig.txt")}) {
    const auto refused = planFigureFile(path, {}, inputs);
    ASSERT_TRUE(std::holds_alternative<std::string>(refused)) << path;
    EXPECT_NE(std::get<std::string>(refused).find(path), std::string::npos);
  }
  const auto badSize = planFigureFile(dir.file("fig.png"), {100, 100, 10}, inputs);
  EXPECT_NE(std::get<std::string>(badSize).find("resolution"), std::string::npos);
}

PlotSurface surface() {
  PlotSurface s;
  s.setLogicalSize(6000, 4000);
  return s;
}

double width(const LogicalRect& r) { return r.right - r.left; }

// One plot fills the figure, two stand side by side, four make a 2 x 2 grid in the
// window's order; the captions sit left of and under the plots, inside the page.
TEST(FigurePage, ArrangesThePlotsAsTheWindowDoes) {
  const PlotSurface a = surface(), b = surface(), c = surface(), d = surface();
  FigureContent content;
  content.plots = {{&a}, "L o g   R e f l e c t i v i t y", "Q / A-1"};
  const PrintPage one = composeFigure(content, {160, 110, 300});
  EXPECT_EQ(one.width, 1600);
  EXPECT_EQ(one.height, 1100);
  EXPECT_EQ(one.fontHeight, 32);  // 3.2 mm on paper whatever the resolution
  ASSERT_EQ(one.plots.size(), 1u);
  EXPECT_GT(width(one.plots[0].box), 0.9 * one.width);
  ASSERT_EQ(one.texts.size(), 2u);
  EXPECT_TRUE(one.texts[0].vertical);
  EXPECT_EQ(one.texts[1].text, "Q / A-1");
  EXPECT_LT(one.texts[0].anchor.x, one.plots[0].box.left);
  EXPECT_GT(one.texts[1].anchor.y, one.plots[0].box.bottom);
  EXPECT_LT(one.texts[1].anchor.y + one.fontHeight, one.height);

  content.plots.plots = {&a, &b};
  const PrintPage two = composeFigure(content, {160, 110, 300});
  ASSERT_EQ(two.plots.size(), 2u);
  EXPECT_EQ(two.plots[0].box.top, two.plots[1].box.top);
  EXPECT_LT(two.plots[0].box.right, two.plots[1].box.left);

  content.plots.plots = {&a, &b, &c, &d};
  const PrintPage four = composeFigure(content, {160, 110, 300});
  ASSERT_EQ(four.plots.size(), 4u);
  EXPECT_EQ(four.plots[2].box.left, four.plots[0].box.left);
  EXPECT_LT(four.plots[1].box.bottom, four.plots[3].box.top);
  for (const PagePlot& p : four.plots) {
    EXPECT_GE(p.box.left, 0);
    EXPECT_LE(p.box.right, four.width);
    EXPECT_LE(p.box.bottom, four.height);
  }
}

// A view beside the plots (the SLD profile) takes the right third with its own captions
// and its legend's lines, in their colours, stacked above it; a small figure keeps room
// for its plots by smaller labels.
TEST(FigurePage, ASideViewAndSmallFigures) {
  const PlotSurface a = surface(), profile = surface();
  FigureContent content;
  content.plots = {{&a}, "R e f l e c t i v i t y", "Q / A-1"};
  content.side = FigureGroup{{&profile}, "SLD", "Depth", {{"one", 9}, {"two", 10}}};
  const PrintPage page = composeFigure(content, {180, 90, 300});
  ASSERT_EQ(page.plots.size(), 2u);
  ASSERT_EQ(page.texts.size(), 6u);
  EXPECT_LT(page.plots[0].box.right, page.plots[1].box.left);
  EXPECT_GT(page.plots[1].box.left, page.width * 0.6);
  EXPECT_EQ(page.texts[5].text, "Depth");
  const PageText &one = page.texts[2], &two = page.texts[3];  // after the plots' captions
  EXPECT_EQ(two.text, "two");
  EXPECT_EQ(two.colour, 10);
  EXPECT_GT(one.anchor.x, page.plots[0].box.right);
  EXPECT_EQ(one.anchor.x, two.anchor.x);
  EXPECT_GE(two.anchor.y - one.anchor.y, page.fontHeight);
  EXPECT_GE(page.plots[1].box.top, two.anchor.y + page.fontHeight);
  EXPECT_LT(page.plots[0].box.top, one.anchor.y + page.fontHeight);  // the plots keep their height

  content.side.reset();
  const PrintPage small = composeFigure(content, {40, 30, 300});
  EXPECT_LT(small.fontHeight, 12);
  EXPECT_GT(width(small.plots[0].box), small.width / 2);
}

}  // namespace
}  // namespace lumo::test
