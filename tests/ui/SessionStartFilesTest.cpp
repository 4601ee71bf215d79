// Data files named on the program's command line, opened at start as "Open Data Files"
// opens the files chosen in its dialogs.
#include "SessionFixture.h"

namespace lumo::test {
namespace {

using ui::Tool;

class SessionStartFiles : public SessionFixture {
 protected:
  void SetUp() override { session.Form_Load(); }
};

TEST_F(SessionStartFiles, OpenAsTheDialogsOfOpenDataFilesOpenThem) {
  std::vector<std::string> paths = writeDataSets(2);
  // Opening reads every point, whatever the file announces.
  paths.push_back(dir.write("long.vld", dataFileText("long", 2.07, decayingCurve(40), 10)));
  session.openDataFiles(paths);

  ScriptedDialogs otherDialogs;
  FixedWorkingFolder otherFolder{dir.path().string()};
  ui::MainSession viaDialogs(otherDialogs, otherFolder);
  viaDialogs.Form_Load();
  for (const auto& p : paths) otherDialogs.queueFile(p);
  otherDialogs.queueCancel();
  viaDialogs.toolClicked(Tool::SSROpenData, true);

  EXPECT_TRUE(dialogs.requests.empty());
  EXPECT_TRUE(dialogs.messages.empty());
  ASSERT_EQ(session.store().NumDataSets, 3);
  EXPECT_EQ(session.store()[3].NumPoints, 40);
  EXPECT_EQ(session.history().paths(), viaDialogs.history().paths());
  for (int i = 1; i <= 3; ++i) {
    const DataSet& a = session.store()[i];
    const DataSet& b = viaDialogs.store()[i];
    EXPECT_EQ(a.DataFileName, b.DataFileName);
    EXPECT_EQ(a.DataR, b.DataR) << i;  // log10 R, as Log Y is on
    EXPECT_EQ(a.ErrLower, b.ErrLower) << i;
    EXPECT_EQ(session.editor().value({ScrollFamily::SLDRun, i}),
              viaDialogs.editor().value({ScrollFamily::SLDRun, i}));
    EXPECT_EQ(session.picPlot(i).persistent().size(), viaDialogs.picPlot(i).persistent().size());
    EXPECT_TRUE(session.picPlot(i).visible());
  }
  EXPECT_FALSE(session.tools().enabled(Tool::SSROpenData));
  EXPECT_TRUE(session.tools().enabled(Tool::SSCReload));
  EXPECT_FALSE(session.BusyFlag());
}

TEST_F(SessionStartFiles, AFileThatCannotBeReadShowsItsMessageAndKeepsTheFilesBeforeIt) {
  const std::string good = writeData("good.vld");
  const std::string wrong =
      dir.write("wrong.vld", "\"NOTLUMO\"\r\n\"t\"\r\n1\r\n1\r\n0.1,1,0.1\r\n");
  session.openDataFiles({good, wrong, writeData("after.vld")});
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(message().find("File Not In Correct Format!"), std::string::npos);
  EXPECT_NE(message().find(wrong), std::string::npos);
  EXPECT_EQ(dialogs.messages[0].title, "LUMO");
  EXPECT_EQ(session.store().NumDataSets, 1);
  EXPECT_EQ(session.history().paths(), std::vector<std::string>{good});

  session.closeDataAction();
  session.openDataFiles({dir.file("gone.vld")});
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_NE(message(1).find("Error Opening File!"), std::string::npos);
  EXPECT_FALSE(session.dataLoaded());
}

TEST_F(SessionStartFiles, MoreThanFourAreNamedInAMessageAndTheFirstFourOpen) {
  std::vector<std::string> paths = writeDataSets(4);
  paths.push_back(writeData("fifth.vld"));
  paths.push_back(writeData("sixth.vld"));
  session.openDataFiles(paths);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(message().rfind("Only four data files can be opened at once", 0), 0u) << message();
  EXPECT_NE(message().find(paths[4]), std::string::npos);
  EXPECT_NE(message().find(paths[5]), std::string::npos);
  EXPECT_EQ(message().find(paths[3]), std::string::npos);
  EXPECT_EQ(session.store().NumDataSets, 4);
  EXPECT_EQ(session.store()[4].DataFileName, paths[3]);
}

}  // namespace
}  // namespace lumo::test
