// Start-up, the settings file, the recent-file history, exit, and the routing of menu
// items.
#include "SessionFixture.h"
#include "files/SettingsFile.h"

namespace lumo::test {
namespace {

using ui::Menu;
using ui::Tool;

class SessionStartup : public SessionFixture {};

TEST_F(SessionStartup, StartsWithoutSettingsFileOnTheDefaultModelAndDrawsNothing) {
  session.Form_Load();
  EXPECT_EQ(session.homeFolder(), dir.path().string());
  EXPECT_TRUE(session.history().empty());
  EXPECT_FALSE(session.menus()[Menu::mnuClearHistory].visible);
  EXPECT_FALSE(session.menus()[Menu::mnuFileArraySeparator].visible);

  // The model follows the editor's texts.
  EXPECT_EQ(session.editor().control(sldBar(1)).text, "3.4");
  EXPECT_FLOAT_EQ(session.model().LayerSLD[1], 3.4e-6f);
  EXPECT_FLOAT_EQ(session.model().SolventFraction[1], 0.25f);

  // Nothing that needs data can be started.
  for (Tool off : {Tool::SSRCloseData, Tool::SSRSaveData, Tool::SSRBackGroundSub, Tool::SSRScaleFactor,
                   Tool::SSRRemoveNegatives, Tool::SSRIncreasePoints, Tool::SSRResidual, Tool::SSCReload})
    EXPECT_FALSE(session.tools().enabled(off)) << ui::toolName(off);
  for (int p = 0; p < ui::kPlotSurfaces; ++p) EXPECT_FALSE(session.picPlot(p).visible());

  session.menuClicked(Menu::mnuExit);
  EXPECT_TRUE(session.exitRequested());
  const std::string home = dir.path().string();
  EXPECT_EQ(readBytes(dir.file("lumo.ini")), cat("\"", home, "\"\r\n\"", home, "\"\r\n0\r\n"));
}

TEST_F(SessionStartup, ReadsTheStartFolderAndWritesToTheHomeFolderOnExit) {
  ScratchDir home;
  ScratchDir work;
  dir.write("lumo.ini", cat("\"", home.path().string(), "\"\r\n\"", work.path().string(),
                            "\"\r\n2\r\n\"/d/one.vld\"\r\n\"/d/two.vld\"\r\n"));
  session.Form_Load();
  EXPECT_EQ(session.homeFolder(), home.path().string());
  EXPECT_EQ(folder.current(), work.path().string());
  ASSERT_EQ(session.history().count(), 2);
  EXPECT_EQ(session.history().caption(2), "&2  /d/two.vld");
  EXPECT_TRUE(session.menus()[Menu::mnuClearHistory].visible);

  session.mnuExit_Click();
  const auto written = readSettingsFile(home.path().string());
  ASSERT_TRUE(written);
  EXPECT_EQ(written->settings.lastFolder, work.path().string());
  EXPECT_EQ(written->settings.history.size(), 2u);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SessionStartup, AMissingLastFolderOrUnwritableHomeIsSurvived) {
  dir.write("lumo.ini", cat("\"", dir.file("gone"), "\"\r\n\"", dir.file("gone"), "\"\r\n0\r\n"));
  session.Form_Load();
  EXPECT_EQ(folder.current(), dir.path().string());
  session.mnuExit_Click();
  EXPECT_TRUE(session.exitRequested());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(message().find("Error Saving File!"), std::string::npos);
  EXPECT_NE(message().find(dir.file("gone")), std::string::npos);
}

TEST_F(SessionStartup, OpeningTheSameFileTwiceAddsOneHistoryEntry) {
  session.Form_Load();
  const std::string a = writeData("a.vld"), b = writeData("b.vld");
  open({a, b});
  session.toolClicked(Tool::SSRCloseData, true);
  open({b, a});
  ASSERT_EQ(session.history().count(), 2);
  EXPECT_EQ(session.history().caption(1), cat("&1  ", a));
  EXPECT_EQ(session.history().path(2), b);

  session.menuClicked(Menu::mnuClearHistory);
  EXPECT_TRUE(session.history().empty());
  EXPECT_FALSE(session.menus()[Menu::mnuClearHistory].visible);
}

// Menu items flip their buttons (see the display and data tests); those without an
// action of their own do nothing.
TEST_F(SessionStartup, MenuItemsWithoutActionDoNothing) {
  session.Form_Load();
  for (Menu m : {Menu::mnuResidual, Menu::mnuRemoveNegativePoints, Menu::mnuReleaseNotes,
                 Menu::mnuWebsite, Menu::mnuReLoad, Menu::mnuAutoFit})
    session.menuClicked(m);
  EXPECT_EQ(session.calculationCount(), 0);
  EXPECT_TRUE(dialogs.requests.empty());
  EXPECT_FALSE(session.picPlot(1).visible());
}

}  // namespace
}  // namespace lumo::test
