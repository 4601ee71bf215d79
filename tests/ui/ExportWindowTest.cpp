// "Export Plot" in the real main window: the File menu's item opens the frame, typed
// sizes and a click on "Export" write the figure of the shown plots.
#include <QImageReader>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "FittingSessionFixture.h"
#include "Screenshots.h"
#include "SvgTexts.h"
#include "WindowFixture.h"
#include "plot/SldProfilePlot.h"

namespace lumo::test {
namespace {

using ui::Menu;
using ui::Tool;

class ExportWindow : public WindowFixture {
 protected:
  // "Export Plot" to `name`, with the width and resolution typed when given.
  void exportTo(const std::string& name, const char* widthMm = nullptr, const char* dpi = nullptr) {
    menu(Menu::mnuExportPlot)->trigger();
    for (const auto& [box, text] : {std::pair{"txtExportWidth", widthMm}, std::pair{"txtExportResolution", dpi}}) {
      if (!text) continue;
      auto* edit = child<QLineEdit>(box);
      edit->selectAll();
      QTest::keyClicks(edit, QString::fromLatin1(text));
    }
    dialogs.queueFile(dir.file(name));
    QTest::mouseClick(child<QAbstractButton>("cmdExportPlotOK"), Qt::LeftButton);
  }
  QImage exportPng(const std::string& name, const char* widthMm, const char* dpi) {
    exportTo(name, widthMm, dpi);
    return QImageReader(QString::fromStdString(dir.file(name))).read();
  }
  SvgSummary exportSvg(const std::string& name) {
    exportTo(name);
    return readSvg(readBytes(dir.file(name)));
  }
};

TEST_F(ExportWindow, TheFileMenuExportsTheShownPlots) {
  window.show();
  QAction* item = menu(Menu::mnuExportPlot);
  EXPECT_EQ(item->text(), QStringLiteral("&Export Plot\u2026"));
  EXPECT_TRUE(window.menuBar()->actions().front()->menu()->actions().contains(item));
  EXPECT_FALSE(item->isEnabled());  // nothing shown yet
  openFiles(writeDataSets(2));
  trigger(Tool::SSRFitting);
  EXPECT_TRUE(item->isEnabled());
  auto* frame = child<QWidget>("frameExportPlot");
  EXPECT_FALSE(frame->isVisible());

  const QImage image = exportPng("fig.png", "100", "127");
  EXPECT_EQ(image.size(), QSize(500, 550));  // 100 x 110 mm at 127 dpi
  EXPECT_FALSE(frame->isVisible());
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(session().exportPlotPanel().width, "100");
}

// While the SLD profile panel is shown the figure holds the profile beside the plots,
// with its axis captions and legend as texts; hidden again, the figure is as before.
TEST_F(ExportWindow, TheSldProfileJoinsTheFigureWhileShown) {
  window.show();
  openFiles(writeDataSets(2));
  trigger(Tool::SSRFitting);
  const SvgSummary plain = exportSvg("plain.svg");
  trigger(Tool::SSRSldProfile);
  ASSERT_TRUE(session().sldProfileShown());
  const SvgSummary profiled = exportSvg("profile.svg");
  trigger(Tool::SSRSldProfile);
  const SvgSummary hidden = exportSvg("hidden.svg");
  ASSERT_EQ(plain.error + profiled.error, "");
  EXPECT_TRUE(dialogs.messages.empty());

  for (const char* title : {"set1.vld", "set2.vld"}) {
    EXPECT_TRUE(plain.texts.count(title)) << title;
    EXPECT_TRUE(profiled.texts.count(title)) << title;
  }
  for (const std::string& text : {std::string(kSldProfileYCaption), std::string(kSldProfileXCaption),
                                  std::string("\u25CF set2.vld")}) {
    EXPECT_TRUE(profiled.texts.count(text)) << text;
    EXPECT_FALSE(plain.texts.count(text)) << text;
  }
  EXPECT_GT(profiled.shapes, plain.shapes);
  EXPECT_EQ(hidden.texts, plain.texts);
  EXPECT_EQ(hidden.shapes, plain.shapes);
}

// For looking at by eye, into $LUMO_SCREENSHOT_DIR: the measured silicon block in D2O and
// H2O and with a bilayer in D2O, with the oxide model's curves, exported as a PNG of a
// paper's figure, the combined plot of the same, and the three with the SLD profile.
TEST_F(ExportWindow, Screenshots) {
  LUMO_REQUIRE_SCREENSHOT_FOLDER(out);
  LUMO_REQUIRE_TESTDATA(data);
  const auto measured = data / "measured";
  window.show();
  openFiles({convertMeasured(measured, dir, "Si_D2O_HEPES_20mM.dat", 6.01, 4e-6, 0.89),
             convertMeasured(measured, dir, "Si_H2O_HEPES_20mM.dat", -0.56, 4.5e-6, 0.89),
             convertMeasured(measured, dir, "Si_D2O_HEPES_20mM_POPC_1h.dat", 6.01, 4e-6, 0.89)});
  trigger(Tool::SSRFitting);
  window.run([](ui::MainSession& s) {
    putOxideModel(s);
    s.setScrollValue(thicknessBar(1), 11);
  });
  const QString shots = QString::fromLatin1(out) + "/";
  exportPng("three.png", "160", "300").save(shots + "export-three-contrasts.png");
  trigger(Tool::SSRMultiPlot);
  exportPng("combined.png", "160", "300").save(shots + "export-combined.png");
  trigger(Tool::SSRMultiPlot);
  trigger(Tool::SSRSldProfile);
  exportPng("profile.png", "160", "300").save(shots + "export-three-contrasts-profile.png");
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace lumo::test
