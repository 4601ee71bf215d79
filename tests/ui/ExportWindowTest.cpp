// "Export Plot" in the real main window: the File menu's item opens the frame, typed
// sizes and a click on "Export" write the figure of the shown plots.
#include <QImageReader>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "FittingSessionFixture.h"
#include "WindowFixture.h"

namespace lumo::test {
namespace {

using ui::Menu;
using ui::Tool;

class ExportWindow : public WindowFixture {
 protected:
  QImage exportPng(const std::string& name, const char* widthMm, const char* dpi) {
    menu(Menu::mnuExportPlot)->trigger();
    for (const auto& [box, text] : {std::pair{"txtExportWidth", widthMm}, std::pair{"txtExportResolution", dpi}}) {
      auto* edit = child<QLineEdit>(box);
      edit->selectAll();
      QTest::keyClicks(edit, QString::fromLatin1(text));
    }
    dialogs.queueFile(dir.file(name));
    QTest::mouseClick(child<QAbstractButton>("cmdExportPlotOK"), Qt::LeftButton);
    return QImageReader(QString::fromStdString(dir.file(name))).read();
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

// For looking at by eye, into $LUMO_SCREENSHOT_DIR: the measured silicon block in D2O and
// H2O and with a bilayer in D2O, with the oxide model's curves, exported as a PNG of a
// paper's figure, and the combined plot of the same.
TEST_F(ExportWindow, Screenshots) {
  const char* out = std::getenv("LUMO_SCREENSHOT_DIR");
  if (!out) GTEST_SKIP() << "set LUMO_SCREENSHOT_DIR to write screenshots";
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
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace lumo::test
