#include "converter/DataConverter.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "Screenshots.h"
#include "TestSupport.h"
#include "converter/FileBrowser.h"
#include "converter/OpenData.h"
#include "converter/PlotToolFrames.h"
#include "converter/PlotViewPanel.h"
#include "converter/TextViewPanel.h"
#include "plot/PdfPagePrinter.h"
#include "platform/ScriptedDialogs.h"
#include "plot/PlotWidget.h"

namespace lumo::ui {
namespace {

class DataConverterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.write("a.dat", "0.1,0.2,0.3\r\n0.2,0.1,0.01\r\n");
    dir.write("b.dat", "0.3 0.05 0.001\r\n");
    dir.write("c.asc", "header\r\n");
    window.browser()->setFolder(QString::fromStdString(dir.path().string()));
  }
  test::ScratchDir dir;
  ScriptedDialogs dialogs;
  DataConverter window{&dialogs};
};

TEST_F(DataConverterTest, OpensWithTheStartUpChoicesAndFiltersTheFileList) {
  EXPECT_TRUE(window.inputOptions[0]->isChecked());  // ISIS
  EXPECT_TRUE(window.outputBoxes[0]->isChecked());   // own format
  EXPECT_FALSE(window.outputBoxes[3]->isChecked());
  EXPECT_EQ(window.txtSLD->text(), "6.35");
  EXPECT_EQ(window.txtTitle->text(), "");
  EXPECT_TRUE(window.lblStatus->isHidden());
  EXPECT_FALSE(window.cmdDelete->isEnabled());
  EXPECT_FALSE(window.mnuDelete->isVisible());
  EXPECT_EQ(window.browser()->TheFilter->currentText(), "*.*");
  EXPECT_EQ(window.browser()->listedNames(), (QStringList{"a.dat", "b.dat", "c.asc"}));
  window.browser()->setPattern("*.ASC");
  EXPECT_EQ(window.browser()->listedNames(), QStringList{"c.asc"});
}

TEST_F(DataConverterTest, ConvertsTheSelectedFilesAndListsTheNewOnes) {
  window.inputOptions[1]->setChecked(true);  // NIST Data
  window.outputBoxes[2]->setChecked(true);   // Excel
  window.txtTitle->setText("Contrast");
  window.browser()->selectNames({"a.dat", "b.dat"});
  dialogs.queueAnswer(MessageAnswer::Yes);
  window.cmdConvert->click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            "You have selected\n\nData Input  : NIST Data\nData Output: LUMO and EXCEL");
  EXPECT_FALSE(window.lblStatus->isHidden());
  EXPECT_EQ(window.lblStatus->text(), "FINISHED");
  EXPECT_TRUE(window.browser()->listedNames().contains("a.VLD"));
  EXPECT_TRUE(window.browser()->listedNames().contains("b.CSV"));
  EXPECT_EQ(test::readBytes(dir.file("b.CSV")).substr(0, 12), "\"Contrast\"\r\n");
}

TEST_F(DataConverterTest, DeletingIsEnabledFromTheOptionsMenu) {
  window.mnuEnableDeleting->trigger();
  EXPECT_TRUE(window.cmdDelete->isEnabled());
  EXPECT_TRUE(window.mnuDelete->isVisible());
  EXPECT_TRUE(window.mnuEnableDeleting->isChecked());
  window.browser()->selectNames({"c.asc"});
  dialogs.queueAnswer(MessageAnswer::Yes);
  window.cmdDelete->click();
  EXPECT_EQ(window.browser()->listedNames(), (QStringList{"a.dat", "b.dat"}));
  window.mnuEnableDeleting->trigger();
  EXPECT_FALSE(window.cmdDelete->isEnabled());
}

TEST_F(DataConverterTest, TheTextViewShowsTheSelectedFilesAndReturns) {
  window.browser()->selectNames({"a.dat", "b.dat"});
  window.cmdViewText->click();
  TextViewPanel* panel = window.textPanel();
  ASSERT_TRUE(panel->isVisibleTo(&window));
  EXPECT_EQ(panel->lstText->count(), 6);
  EXPECT_EQ(panel->txtNameOne->text(), "a.dat");
  panel->cmdViewTwo->click();
  EXPECT_FALSE(panel->lowerFrame->isHidden());
  panel->cmdNextTwo->click();
  EXPECT_EQ(panel->txtNameTwo->text(), "b.dat");
  EXPECT_EQ(panel->lstTextTwo->count(), 1);  // a line without commas is one item
  EXPECT_FALSE(panel->cmdNextTwo->isEnabled());
  panel->cmdReturn->click();
  EXPECT_FALSE(panel->isVisibleTo(&window));
  EXPECT_TRUE(window.browser()->isVisibleTo(&window));
}

// A folder and a file whose names are not UTF-8 (Latin-1 here) are listed, converted,
// shown and deleted: their names reach the file calls as the file system gave them.
TEST_F(DataConverterTest, NamesThatAreNotUtf8ReachTheFileCalls) {
  const std::filesystem::path folder = dir.path() / "d\xfcr";
  std::filesystem::create_directory(folder);
  dir.write("d\xfcr/caf\xe9.dat", "0.1 0.2 0.3\r\n");
  window.browser()->setFolder(QFile::decodeName(QByteArray::fromStdString(folder.string())));
  auto selectOnly = [&] {
    ASSERT_EQ(window.browser()->TheFile->count(), 1);
    window.browser()->TheFile->item(0)->setSelected(true);
  };
  selectOnly();
  window.inputOptions[1]->setChecked(true);  // NIST Data
  dialogs.queueAnswer(MessageAnswer::Yes);
  window.cmdConvert->click();
  EXPECT_EQ(dialogs.messages.size(), 1u) << dialogs.messages.back().text;
  EXPECT_TRUE(std::filesystem::exists(folder / "caf\xe9.VLD"));

  window.browser()->setPattern("*.dat");
  selectOnly();
  window.cmdViewText->click();
  ASSERT_EQ(window.textPanel()->lstText->count(), 1);
  EXPECT_EQ(window.textPanel()->lstText->item(0)->text(), "0.1 0.2 0.3");
  EXPECT_EQ(window.textPanel()->txtNameOne->text(), QString::fromUtf8("caf\uFFFD.dat"));
  EXPECT_EQ(dialogs.messages.size(), 1u);
  window.textPanel()->cmdReturn->click();

  window.mnuEnableDeleting->trigger();
  selectOnly();
  dialogs.queueAnswer(MessageAnswer::Yes);
  window.cmdDelete->click();
  EXPECT_FALSE(std::filesystem::exists(folder / "caf\xe9.dat"));
  EXPECT_EQ(dialogs.messages.size(), 2u);  // the question only
}

TEST_F(DataConverterTest, ReturningToLumoClosesTheWindowAndTellsTheMainWindowOnce) {
  window.show();
  QSignalSpy spy(&window, &DataConverter::returnToLumoRequested);
  window.cmdReturntoLumo->click();
  EXPECT_EQ(spy.count(), 1);
  EXPECT_FALSE(window.isVisible());
}

// The real window on measured curves, with the mouse: three files plotted, a second
// curve added, a zoom dragged over the middle of the plot, and a corrected curve saved
// to a new file and read back.
class ConverterPlotWindow : public DataConverterTest {
 protected:
  // In the order of the file list.
  static constexpr const char* kFiles[] = {"Si_D2O_HEPES_20mM.dat", "Si_D2O_HEPES_20mM_POPC_1h.dat",
                                           "Si_H2O_HEPES_20mM.dat"};
  void plotMeasured(const std::filesystem::path& measured, int option) {
    window.show();
    window.browser()->setFolder(QString::fromStdString(measured.string()));
    window.inputOptions[static_cast<size_t>(option)]->setChecked(true);
    window.browser()->selectNames({kFiles[0], kFiles[1], kFiles[2]});
    window.cmdPlot->click();
    QApplication::processEvents();
  }
  PlotViewPanel* panel() { return window.plotPanel(); }
  converter::PlotView& view() { return window.state().plotView(); }
  void addCurve(int row) {
    panel()->SSCAddPlot->click();
    panel()->frames()->lstAddPlot->setCurrentRow(row);
    panel()->frames()->cmdAddPlot->click();
    panel()->frames()->cmdAddPlotReturn->click();
  }
  // Drags the left button from x0 to x1 (fractions of the plot's width) at mid-height.
  void dragZoom(double x0, double x1) {
    QWidget* plot = panel()->picPlot();
    const int y = plot->height() / 2;
    const QPoint from(int(x0 * plot->width()), y), to(int(x1 * plot->width()), y);
    QTest::mousePress(plot, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), plot->mapToGlobal(QPointF(to)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(plot, &move);
    QTest::mouseRelease(plot, Qt::LeftButton, {}, to);
  }
};

TEST_F(ConverterPlotWindow, PlotsAddsZoomsAndSavesACorrectedCurve) {
  LUMO_REQUIRE_TESTDATA(data);

  plotMeasured(data / "measured", 1);  // NIST Data
  ASSERT_TRUE(panel()->isVisibleTo(&window));
  EXPECT_EQ(panel()->txtPlotName->text(), kFiles[0]);
  EXPECT_TRUE(panel()->SSCNextPlot->isEnabled());
  EXPECT_FALSE(panel()->SSCSavePlot->isEnabled());
  addCurve(2);
  EXPECT_EQ(view().store().NumPlots(), 2);
  const float fullRange = view().axes().ranges.XMax - view().axes().ranges.XMin;
  dragZoom(0.3, 0.6);
  const converter::PlotCurve& c = view().store().curve(1);
  EXPECT_GT(c.PlotStart, 1);
  EXPECT_LT(c.PlotEnd, c.PlotCount);
  EXPECT_LT(view().axes().ranges.XMax - view().axes().ranges.XMin, 0.5f * fullRange);
  QTest::mouseClick(panel()->picPlot(), Qt::RightButton, {}, QPoint(50, 50));
  EXPECT_EQ(c.PlotEnd, c.PlotCount);

  // "User Defined" shows the points read last, those of the H2O file, which can be saved.
  panel()->cmdReturn->click();
  plotMeasured(data / "measured", static_cast<int>(converter::InputFormat::UserDefinedData));
  EXPECT_EQ(panel()->txtPlotName->text(), kFiles[2]);
  panel()->SSCScaleFactor->click();
  panel()->frames()->txtScaleFactor->clear();
  QTest::keyClicks(panel()->frames()->txtScaleFactor, "2");
  panel()->frames()->cmdScaleFactorOK->click();
  EXPECT_EQ(panel()->lblScaleFactor->text(), "sf:    2");
  dialogs.queueFile(dir.file("corrected.VLD"));
  panel()->SSCSavePlot->click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "File Saved!");

  converter::ConvData original, saved;
  ASSERT_FALSE(converter::OpenData((data / "measured" / kFiles[2]).string(),
                                   {converter::InputFormat::NISTData, false}, original));
  ASSERT_FALSE(converter::OpenData(dir.file("corrected.VLD"),
                                   {converter::InputFormat::LUMOData, false}, saved));
  ASSERT_EQ(saved.ConvNumPoints, original.ConvNumPoints);
  for (int i = 1; i <= saved.ConvNumPoints; ++i) {
    EXPECT_EQ(saved.ConvQ[i], original.ConvQ[i]);
    EXPECT_EQ(saved.ConvR[i], 2 * original.ConvR[i]);
    EXPECT_EQ(saved.ConvdR[i], 2 * original.ConvdR[i]);
  }
}

// Print goes through the printer seam as one PDF page in vectors, with no scratch file;
// "Export" writes the same plot as a figure.
TEST_F(ConverterPlotWindow, PrintsOnePageAndExportsTheFigure) {
  LUMO_REQUIRE_TESTDATA(data);
  plot::PdfPagePrinter printer(dir.file("printed.pdf"));
  window.setPrinter(&printer);
  plotMeasured(data / "measured", 1);
  addCurve(2);
  const auto filesBefore = std::distance(std::filesystem::directory_iterator(dir.path()), {});
  ASSERT_TRUE(panel()->SSCPrint->isEnabled());
  QTest::mouseClick(panel()->SSCPrint, Qt::LeftButton);
  EXPECT_EQ(printer.pagesPrinted(), 1);
  const std::string pdf = test::readBytes(dir.file("printed.pdf"));
  EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
  // The PDF alone is new: no scratch picture on the way.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), filesBefore + 1);
  EXPECT_FALSE(std::filesystem::exists("plot.bmp"));

  auto* frame = panel()->findChild<QWidget*>(QStringLiteral("frameExportPlot"));
  ASSERT_NE(frame, nullptr);
  EXPECT_FALSE(frame->isVisible());
  QTest::mouseClick(panel()->SSCExportPlot, Qt::LeftButton);
  EXPECT_TRUE(frame->isVisible());
  dialogs.queueFile(dir.file("plot.svg"));
  QTest::mouseClick(frame->findChild<QPushButton*>(QStringLiteral("cmdExportPlotOK")), Qt::LeftButton);
  EXPECT_FALSE(frame->isVisible());
  const std::string svg = test::readBytes(dir.file("plot.svg"));
  EXPECT_NE(svg.find("<text"), std::string::npos);
  EXPECT_NE(svg.find("L o g   R e f l e c t i v i t y"), std::string::npos);
  EXPECT_TRUE(dialogs.messages.empty());
}

// Pictures for looking at by eye, written into $LUMO_SCREENSHOT_DIR: one measured curve,
// three overlaid in colours with the add frame, a zoom being dragged and its result,
// linear axes with lines, and the titles frame.
TEST_F(ConverterPlotWindow, Screenshots) {
  LUMO_REQUIRE_SCREENSHOT_FOLDER(out);
  LUMO_REQUIRE_TESTDATA(data);
  const auto shot = [&](const char* name) { test::saveScreenshot(window, out, name); };
  plotMeasured(data / "measured", 1);
  shot("converter-plot-one");
  addCurve(1);
  panel()->SSCAddPlot->click();
  panel()->frames()->lstAddPlot->setCurrentRow(2);
  panel()->frames()->cmdAddPlot->click();
  shot("converter-plot-add-frame");
  panel()->frames()->cmdAddPlotReturn->click();
  shot("converter-plot-three");
  QWidget* plot = panel()->picPlot();
  const QPoint from(int(0.25 * plot->width()), plot->height() / 3);
  const QPoint to(int(0.5 * plot->width()), plot->height() / 3);
  QTest::mousePress(plot, Qt::LeftButton, {}, from);
  QMouseEvent move(QEvent::MouseMove, QPointF(to), plot->mapToGlobal(QPointF(to)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(plot, &move);
  shot("converter-plot-zoom-drag");
  QTest::mouseRelease(plot, Qt::LeftButton, {}, to);
  shot("converter-plot-zoomed");
  panel()->switches[2]->click();  // log Y off
  panel()->switches[5]->click();  // lines on
  panel()->SSCommand3->click();
  shot("converter-plot-linear-titles");
}

}  // namespace
}  // namespace lumo::ui
