// The main window's model files, scroll-bar properties and printing, driven through
// its real widgets with mouse clicks and typed keys.
#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include <filesystem>

#include "WindowFixture.h"
#include "plot/PageView.h"
#include "plot/PdfPagePrinter.h"
#include "ui/LumoPrint.h"

namespace lumo::test {
namespace {

using ui::Menu;
using ui::Tool;

class ModelPrintWindow : public WindowFixture {
 protected:
  void press(const char* name) { QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton); }
  void type(const char* box, const char* text) {
    auto* edit = child<QLineEdit>(box);
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromLatin1(text));
  }
};

// Save Fit from the tool panel with one data set unticked, then Open Fit from the menu
// brings the saved layer values back onto the widgets.
TEST_F(ModelPrintWindow, SavesAndReopensAModelThroughThePanel) {
  openFiles(writeDataSets(2));
  window.show();
  trigger(Tool::SSCSave);
  auto* frame = child<QWidget>("frameSaveFit");
  ASSERT_TRUE(frame->isVisible());
  EXPECT_FALSE(child<QCheckBox>("chkDataSet3")->isVisible());
  EXPECT_FALSE(child<QLineEdit>("txtQNumPts")->isEnabled());  // on the data's points
  press("chkDataSet2");
  press("chkKeepOriginalPoints");
  type("txtQNumPts", "21");
  dialogs.queueFile(dir.file("saved.FIT"));
  press("cmdSaveFitOK");
  EXPECT_FALSE(frame->isVisible());
  EXPECT_TRUE(dialogs.messages.empty());
  ASSERT_TRUE(std::filesystem::exists(dir.file("saved.FIT")));
  EXPECT_NE(readBytes(dir.file("saved.FIT")).find("\r\n 21 \r\n"), std::string::npos);
  EXPECT_EQ(session().txtIncreasePointsNumPts(), "21");

  window.run([](ui::MainSession& s) { s.setScrollValue(thicknessBar(1), 40); });
  EXPECT_EQ(row(0)->textBox()->text(), "40");
  dialogs.queueFile(dir.file("saved.FIT"));
  menu(Menu::mnuOpenFit)->trigger();
  EXPECT_EQ(row(0)->textBox()->text(), "14");
  EXPECT_EQ(row(0)->scrollBar()->value(), 14);
}

// The properties dialog with typed boxes and the layer selector; Set reaches the layer's
// scroll bar, a bad box is said and changes nothing.
TEST_F(ModelPrintWindow, SetsScrollBarPropertiesFromTypedBoxes) {
  window.show();
  trigger(Tool::SSCSetProperties);
  ASSERT_TRUE(child<QWidget>("frameSetScrollBars")->isVisible());
  EXPECT_EQ(child<QLineEdit>("txtSethsbSLDSmallChange")->text(), "0.01");
  type("txtSethsbThicknessMax", "250");
  press("cmdSetProperties");
  EXPECT_EQ(row(0)->scrollBar()->maximum(), 250);
  type("txtSethsbSolventMin", "x");
  press("cmdSetProperties");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].text.find("\"Min\" box of \"% Solvent\""), std::string::npos);
  auto* selector = child<QScrollBar>("hsbWhichLayerProperties");
  QTest::mouseClick(selector, Qt::LeftButton, {}, QPoint(selector->width() - 4, selector->height() / 2));
  EXPECT_EQ(child<QLineEdit>("txtWhichLayerProperties")->text(), "2");
  EXPECT_EQ(child<QLineEdit>("txtSethsbThicknessMax")->text(), "50");
  press("CmdOK2");
  EXPECT_FALSE(child<QWidget>("frameSetScrollBars")->isVisible());
}

// Print options, the print form's preview of three data sets, and printing from the form
// into a PDF file through the printer seam.
TEST_F(ModelPrintWindow, PreviewsAndPrintsThreeDataSets) {
  plot::PdfPagePrinter pdf(dir.file("plots.pdf"));
  window.setPrinter(&pdf);
  openFiles(writeDataSets(3));
  trigger(Tool::SSRFitting);
  window.show();
  menu(Menu::mnuPrint)->trigger();
  EXPECT_TRUE(child<QWidget>("FramePrint")->isVisible());
  EXPECT_TRUE(child<QCheckBox>("chkPrintSet3")->isChecked());
  EXPECT_FALSE(child<QCheckBox>("chkPrintSet4")->isVisible());
  press("cmdPrintPreview");
  ui::LumoPrint* form = window.printForm();
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(form->view()->page().plots.size(), 3u);
  EXPECT_EQ(pdf.pagesPrinted(), 0);

  press("cmdLumoPrintPrint");
  EXPECT_EQ(pdf.pagesPrinted(), 1);
  EXPECT_TRUE(dialogs.messages.empty());
  const std::string bytes = readBytes(dir.file("plots.pdf"));
  EXPECT_EQ(bytes.rfind("%PDF", 0), 0u);
  EXPECT_GT(bytes.size(), 10000u);
  press("cmdLumoPrintCancel");
  EXPECT_FALSE(form->isVisible());
  press("cmdPrintCancel");
  EXPECT_FALSE(child<QWidget>("FramePrint")->isVisible());
}

}  // namespace
}  // namespace lumo::test
