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

#include "TestSupport.h"
#include "converter/FileBrowser.h"
#include "converter/TextViewPanel.h"
#include "platform/ScriptedDialogs.h"

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

}  // namespace
}  // namespace lumo::ui
