// The print path: a page of recorded surfaces painted as vectors on an image and into a
// PDF file through the printer seam.
#include "plot/PagePainter.h"

#include <gtest/gtest.h>

#include <QImage>

#include "TestSupport.h"
#include "plot/PdfPagePrinter.h"
#include "plot/StandardColour.h"

namespace lumo::test {
namespace {

PlotSurface crossedSurface() {
  PlotSurface s;
  s.setLogicalSize(1000, 1000);
  s.setPersistentDrawing(true);
  s.addLine({100, 900}, {900, 900}, colour::Black);
  s.addLine({100, 900}, {100, 100}, colour::Black);
  s.addText({{500, 0}, "Title", HAlign::Centre, VAlign::Top, TextRole::Title, colour::Black});
  s.setDataArea({100, 100, 900, 900});
  s.setPersistentDrawing(false);
  s.addPolyline({{100, 100}, {900, 900}, {1500, 1500}}, colour::Black);
  return s;
}

PrintPage twoPlotPage() {
  PrintPage page;
  page.width = 2000;
  page.height = 1000;
  page.fontHeight = 40;
  page.lineWidth = 4;
  page.addPlot(crossedSurface(), {0, 0, 1000, 1000});
  page.addText({{1500, 500}, "R e f l e c t i v i t y", HAlign::Centre, VAlign::Centre, true});
  return page;
}

int darkPixels(const QImage& image, const QRect& area) {
  int dark = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) dark += qGray(image.pixel(x, y)) < 128;
  return dark;
}

// The page keeps its shape in a wider area; the plot lands in its box, the curve is cut
// at the data area, the vertical title stands in its place.
TEST(PagePainter, PaintsThePlotsInTheirBoxesAtTheDevicesResolution) {
  QImage image(1000, 400, QImage::Format_RGB32);
  image.fill(Qt::gray);
  ASSERT_TRUE(plot::renderPage(image, twoPlotPage()));
  const QRectF target = plot::pageTarget(twoPlotPage(), QRectF(0, 0, 1000, 400));
  EXPECT_EQ(target, QRectF(100, 0, 800, 400));
  EXPECT_EQ(image.pixel(50, 200), QColor(Qt::gray).rgb());   // outside the page
  EXPECT_EQ(image.pixel(880, 20), QColor(Qt::white).rgb());  // on it, blank
  EXPECT_GT(darkPixels(image, {110, 30, 380, 360}), 300);    // the plot's box
  EXPECT_GT(darkPixels(image, {690, 100, 20, 200}), 50);     // the vertical title
  EXPECT_EQ(darkPixels(image, {460, 380, 40, 20}), 0);       // the curve cut at the axes
}

TEST(PagePainter, PrintsOnePdfPageOrSaysWhyNot) {
  ScratchDir dir;
  plot::PdfPagePrinter printer(dir.file("page.pdf"));
  const PrintResult done = printer.print(twoPlotPage(), "test page");
  ASSERT_EQ(done.outcome, PrintOutcome::Printed) << done.error;
  const std::string pdf = readBytes(dir.file("page.pdf"));
  EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
  size_t pages = 0;
  for (size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1))
    pages += pdf.compare(at, 12, "/Type /Pages") != 0;
  EXPECT_EQ(pages, 1u);
  EXPECT_GT(pdf.size(), 2000u);

  plot::PdfPagePrinter nowhere(dir.file("missing/page.pdf"));
  const PrintResult failed = nowhere.print(twoPlotPage(), "test page");
  EXPECT_EQ(failed.outcome, PrintOutcome::Failed);
  EXPECT_NE(failed.error.find(dir.file("missing/page.pdf")), std::string::npos);
}

}  // namespace
}  // namespace lumo::test
