// Figure files drawn with Qt: SVG that parses as XML with its texts as texts, a PDF of
// one page, a PNG of the requested pixels; written atomically with the umask's
// permissions, and a failure names the file and leaves nothing behind.
#include "plot/QtFigureWriter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>

#include <filesystem>

#include <sys/stat.h>

#include "SvgTexts.h"
#include "TestSupport.h"
#include "plot/FigurePage.h"
#include "plot/StandardColour.h"

namespace lumo::test {
namespace {

// A plot as the window records one: frame, a title, tick labels, data and a curve.
PlotSurface labelledPlot() {
  PlotSurface s;
  s.setLogicalSize(6000, 4000);
  s.setPersistentDrawing(true);
  s.addLine({1000, 3400}, {5800, 3400}, colour::Black);
  s.addLine({1000, 3400}, {1000, 200}, colour::Black);
  s.addText({{3400, 0}, "D2O contrast", HAlign::Centre, VAlign::Top, TextRole::Title, colour::Black});
  s.addText({{1000, 3450}, "0.050", HAlign::Centre, VAlign::Top, TextRole::XTick, colour::Black});
  s.addText({{950, 1800}, "1E-04", HAlign::Right, VAlign::Centre, TextRole::YTick, colour::Black});
  for (int i = 0; i < 20; ++i) s.addCircle({1200.0 + i * 220, 600.0 + i * 130}, 30, colour::DarkBlue);
  s.setDataArea({1000, 200, 5800, 3400});
  s.setPersistentDrawing(false);
  s.addPolyline({{1000, 500}, {3000, 2000}, {5800, 3300}}, colour::Black);
  return s;
}

PrintPage figure(const FigureSize& size) {
  static const PlotSurface plot = labelledPlot();
  FigureContent content;
  content.plots = {{&plot, &plot}, "L o g   R e f l e c t i v i t y", "Q / A-1"};
  return composeFigure(content, size);
}

class QtFigureWriterTest : public ::testing::Test {
 protected:
  ScratchDir dir;
  std::optional<std::string> write(const std::string& name, const FigureSize& size = {}) {
    const std::string path = dir.file(name);
    return plot::QtFigureWriter().write(figure(size), {path, *figureFormatOf(path), size});
  }
};

TEST_F(QtFigureWriterTest, SvgIsXmlWithItsTextsAsTexts) {
  ASSERT_FALSE(write("fig.svg"));
  const SvgSummary svg = readSvg(readBytes(dir.file("fig.svg")));
  ASSERT_EQ(svg.error, "");
  for (const char* t : {"D2O contrast", "0.050", "1E-04", "Q / A-1", "L o g   R e f l e c t i v i t y"})
    EXPECT_TRUE(svg.texts.count(t)) << t;
  EXPECT_GT(svg.shapes, 4);  // lines and points stay vectors
  EXPECT_TRUE(svg.width.starts_with("160")) << svg.width;  // millimetres on paper
}

TEST_F(QtFigureWriterTest, PdfHasOnePageOfTheFiguresSize) {
  ASSERT_FALSE(write("fig.pdf", {180, 90, 300}));
  const std::string pdf = readBytes(dir.file("fig.pdf"));
  ASSERT_EQ(pdf.rfind("%PDF", 0), 0u);
  size_t pages = 0;
  for (size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1))
    pages += pdf.compare(at, 12, "/Type /Pages") != 0;
  EXPECT_EQ(pages, 1u);
  // 180 x 90 mm in whole points, wide as the figure.
  EXPECT_NE(pdf.find("/MediaBox [0 0 510.000000 255.000000]"), std::string::npos);
  EXPECT_NE(pdf.find("/FontFile"), std::string::npos);  // the texts are text in an embedded font
}

TEST_F(QtFigureWriterTest, PngHasTheRequestedPixels) {
  ASSERT_FALSE(write("fig.png", {100, 50, 254}));
  QImageReader reader(QString::fromStdString(dir.file("fig.png")));
  EXPECT_EQ(reader.format(), "png");
  const QImage image = reader.read();
  EXPECT_EQ(image.size(), QSize(1000, 500));
  EXPECT_EQ(image.dotsPerMeterX(), 10000);
  int dark = 0;
  for (int y = 0; y < image.height(); y += 2)
    for (int x = 0; x < image.width(); x += 2) dark += qGray(image.pixel(x, y)) < 128;
  EXPECT_GT(dark, 500);
}

TEST_F(QtFigureWriterTest, WritesAtomicallyWithTheUmasksPermissions) {
  const mode_t old = ::umask(027);
  const auto error = write("fig.svg");
  ::umask(old);
  ASSERT_FALSE(error);
  EXPECT_EQ(std::filesystem::status(dir.file("fig.svg")).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                std::filesystem::perms::group_read);

  const std::string missing = dir.file("no/such/folder/fig.png");
  const auto failed = plot::QtFigureWriter().write(figure({}), {missing, FigureFormat::Png, {}});
  ASSERT_TRUE(failed);
  EXPECT_NE(failed->find(missing), std::string::npos) << *failed;

  std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  const auto refused = write("other.pdf");
  std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
  if (::geteuid() == 0) return;  // a folder is never closed to root
  ASSERT_TRUE(refused);
  EXPECT_NE(refused->find("other.pdf"), std::string::npos);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);  // fig.svg alone
}

}  // namespace
}  // namespace lumo::test
