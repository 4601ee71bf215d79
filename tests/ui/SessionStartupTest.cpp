// Start-up, the settings file, the recent-file history, exit, and the routing of menu
// items.
#include "SessionFixture.h"
#include <filesystem>

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

// The folder of the last file chosen in a file dialog is the working folder that exit
// records, and where the next start begins.
TEST_F(SessionStartup, ReadsTheStartFolderAndWritesToTheHomeFolderOnExit) {
  ScratchDir home;
  ScratchDir work;
  ScratchDir picked;
  dir.write("lumo.ini", cat("\"", home.path().string(), "\"\r\n\"", work.path().string(),
                            "\"\r\n2\r\n\"/d/one.vld\"\r\n\"/d/two.vld\"\r\n"));
  session.Form_Load();
  EXPECT_EQ(session.homeFolder(), home.path().string());
  EXPECT_EQ(folder.current(), work.path().string());
  ASSERT_EQ(session.history().count(), 2);
  EXPECT_EQ(session.history().caption(2), "&2  /d/two.vld");
  EXPECT_TRUE(session.menus()[Menu::mnuClearHistory].visible);

  open({picked.write("run.vld", dataFileText("run", 6.35, decayingCurve(10)))});
  EXPECT_EQ(folder.current(), picked.path().string());
  session.mnuExit_Click();
  const auto written = readSettingsFile(home.path().string());
  ASSERT_TRUE(written);
  EXPECT_EQ(written->settings.lastFolder, picked.path().string());
  EXPECT_EQ(written->settings.history.size(), 3u);
  EXPECT_TRUE(dialogs.messages.empty());
}

// A first line naming no folder (gone, or garbage) keeps the settings in the start-up
// folder, said once at the exit that saves them there; a home that cannot be written is
// reported by name.
TEST_F(SessionStartup, AHomeFolderThatIsGoneFallsBackToTheStartFolder) {
  for (const std::string& named : {dir.file("gone"), std::string("\x01\x1b]0;x\x07\xff")}) {
    dir.write("lumo.ini", cat("\"", named, "\"\r\n\"", dir.file("gone"), "\"\r\n0\r\n"));
    for (int start = 0; start < 2; ++start) {
      ui::MainSession s(dialogs, folder);
      s.Form_Load();
      EXPECT_EQ(s.homeFolder(), dir.path().string());
      EXPECT_EQ(folder.current(), dir.path().string());
      dialogs.messages.clear();
      s.mnuExit_Click();
      EXPECT_TRUE(s.exitRequested());
      // Said at the first exit only: the file now names the start-up folder.
      ASSERT_EQ(dialogs.messages.size(), start == 0 ? 1u : 0u);
      EXPECT_EQ(readSettingsFile(dir.path().string())->settings.homeFolder, dir.path().string());
      if (start == 0) {
        EXPECT_NE(message().find("does not exist"), std::string::npos);
        EXPECT_NE(message().find(dir.path().string()), std::string::npos);
        EXPECT_EQ(message().find('\x1b'), std::string::npos);
      }
    }
  }
  ScratchDir home;
  std::filesystem::create_directory(home.path() / "lumo.ini");  // cannot be replaced
  dir.write("lumo.ini", cat("\"", home.path().string(), "\"\r\n\"\"\r\n0\r\n"));
  dialogs.messages.clear();
  ui::MainSession s(dialogs, folder);
  s.Form_Load();
  s.Form_Unload();  // the close button saves as exit does
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(message().find("Error Saving File!"), std::string::npos);
  EXPECT_NE(message().find(home.file("lumo.ini")), std::string::npos);
  s.Form_Unload();
  EXPECT_EQ(dialogs.messages.size(), 1u);  // once
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

// What a command may change, as text: buttons, menu items, panels, plots, dialogs.
std::string stateOf(const ui::MainSession& s, const ScriptedDialogs& d) {
  std::string t;
  for (int i = 0; i < ui::kToolCount; ++i) {
    const ui::ToolButtonState& b = s.tools()[static_cast<Tool>(i)];
    t += cat(std::to_string(b.enabled), std::to_string(b.down), std::to_string(b.visible));
  }
  for (int i = 0; i < ui::kMenuCount; ++i) {
    const ui::MenuItemState& m = s.menus()[static_cast<Menu>(i)];
    t += cat(std::to_string(m.enabled), std::to_string(m.checked), std::to_string(m.visible));
  }
  for (int p = 0; p < ui::kPlotSurfaces; ++p)
    t += cat(std::to_string(s.picPlot(p).visible()), std::to_string(s.picPlot(p).persistentVersion()),
             std::to_string(s.picPlot(p).overlayVersion()));
  const ui::FittingPanels& f = s.fittingPanels();
  const ui::DataOpsPanels& o = s.dataOpsPanels();
  for (bool b : {f.residualPanelVisible, f.autoFitPanelVisible, f.constrainPanelVisible,
                 f.limitPanelVisible, s.increasePointsPanelVisible(), s.exitRequested(),
                 s.saveFitPanel().visible, s.scrollProperties().visible,
                 s.printForms().optionsVisible, s.printForms().formVisible, o.background.visible,
                 o.scale.visible, o.negatives.visible, o.save.visible, o.yRange.visible,
                 s.refinePanel().visible})
    t += std::to_string(b);
  for (size_t n : {d.requests.size(), d.messages.size(), size_t(s.history().count())})
    t += cat(",", std::to_string(n));
  return t + s.tools().hoverCaption;
}

// No command that can be chosen does nothing: with or without data, every enabled
// button and menu item changes something when chosen; the others stay disabled. (The
// about box and the converter are the window's own, tested there.)
TEST_F(SessionStartup, EveryCommandThatCanBeChosenActs) {
  const auto viewOnly = [](int item, bool isTool) {
    return isTool ? static_cast<Tool>(item) == Tool::SSCAbout
                  : static_cast<Menu>(item) == Menu::mnuAbout ||
                        static_cast<Menu>(item) == Menu::mnuStartDataConv;
  };
  const std::vector<std::string> files = writeDataSets(2, 20);
  for (bool withData : {false, true}) {
    for (bool isTool : {true, false}) {
      for (int item = 0; item < (isTool ? ui::kToolCount : ui::kMenuCount); ++item) {
        if (viewOnly(item, isTool)) continue;
        ScriptedDialogs d;
        ui::MainSession s(d, folder, &clock);
        s.Form_Load();
        if (withData) {
          for (const auto& f : files) d.queueFile(f);
          d.queueCancel();
          s.toolClicked(Tool::SSROpenData, true);
          s.toolClicked(Tool::SSRFitting, true);
        }
        const bool usable = isTool ? s.toolUsable(static_cast<Tool>(item))
                                   : s.menuUsable(static_cast<Menu>(item));
        const std::string before = stateOf(s, d);
        if (isTool) {
          const Tool t = static_cast<Tool>(item);
          s.toolClicked(t, !s.tools().down(t));
        } else {
          s.menuClicked(static_cast<Menu>(item));
        }
        const char* name = isTool ? ui::toolName(static_cast<Tool>(item))
                                  : ui::menuName(static_cast<Menu>(item));
        const std::string after = stateOf(s, d);
        EXPECT_EQ(after != before, usable) << name << (withData ? " with data" : "");
      }
    }
  }
  // Commands that are not built yet, or have no action, are never offered.
  ui::MainSession s(dialogs, folder);
  EXPECT_FALSE(s.toolUsable(Tool::SSCPause));
  for (Menu m : {Menu::mnuReleaseNotes, Menu::mnuWebsite})
    EXPECT_FALSE(s.menuUsable(m)) << ui::menuName(m);
}

}  // namespace
}  // namespace lumo::test
