// The main window's model files, scroll-bar properties and printing, driven through
// its real widgets with mouse clicks and typed keys.
#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include <filesystem>

#include "WindowFixture.h"

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

}  // namespace
}  // namespace lumo::test
