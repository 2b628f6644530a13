// The last five copies of Games.CFG: made once per program run before its first write,
// shifted up with the oldest dropped, and whole after a crash at any step.
#include "config/BackupRotation.h"

#include <sys/stat.h>

#include "base/StartupState.h"
#include "config/IniFile.h"
#include "config/Log.h"
#include "support/TestSupport.h"

namespace tgl::test {
namespace {

class BackupRotationTest : public TCoreTest {
protected:
  std::string GamesPath() const { return Folder.Path() + "Games.CFG"; }
  // One run of the program that writes `content` to Games.CFG.
  void RunWriting(const std::string& content) {
    TBackupRotation backups(GamesPath());
    backups.BeforeWrite();
    Folder.Write("Games.CFG", content);
    backups.BeforeWrite();  // later writes of the same run copy nothing
    Folder.Write("Games.CFG", content + "again");
  }
  std::vector<std::string> Copies() const {
    std::vector<std::string> copies;
    for (int n = 1; n <= 6; ++n) {
      std::string name = "Games.CFG." + std::to_string(n);
      copies.push_back(Folder.Exists(name) ? Folder.Read(name) : "-");
    }
    return copies;
  }
};

TEST_F(BackupRotationTest, SixRunsKeepTheFiveNewestCopies) {
  Folder.Write("Games.CFG", "v0");
  for (int run = 1; run <= 6; ++run) RunWriting("v" + std::to_string(run));
  EXPECT_EQ(Copies(), (std::vector<std::string>{"v5again", "v4again", "v3again", "v2again",
                                                "v1again", "-"}));
  EXPECT_EQ(Folder.Read("Games.CFG"), "v6again");
  EXPECT_EQ(Folder.FileNames().size(), 6u);
}

TEST_F(BackupRotationTest, NoFileNoCopyAndNoCopyOfWhatTheNewestCopyHolds) {
  RunWriting("first");  // no Games.CFG yet
  EXPECT_EQ(Copies()[0], "-");

  // A run that crashed after the copy, before its write: the next run copies nothing new.
  TBackupRotation(GamesPath()).BeforeWrite();
  EXPECT_EQ(Copies()[0], "firstagain");
  TBackupRotation(GamesPath()).BeforeWrite();
  EXPECT_EQ(Copies(), (std::vector<std::string>{"firstagain", "-", "-", "-", "-", "-"}));
}

TEST_F(BackupRotationTest, AGapLeftByACrashIsFilledAndNoCopyIsLost) {
  Folder.Write("Games.CFG", "now");
  Folder.Write("Games.CFG.1", "one");
  Folder.Write("Games.CFG.3", "three");
  Folder.Write("Games.CFG.1.TesmoraGL-new", "half a cop");
  TBackupRotation(GamesPath()).BeforeWrite();
  EXPECT_EQ(Copies(), (std::vector<std::string>{"now", "one", "three", "-", "-", "-"}));
  EXPECT_FALSE(Folder.Exists("Games.CFG.1.TesmoraGL-new"));
}

TEST_F(BackupRotationTest, ACopyThatCannotBeWrittenIsAnErrorAndLeavesGamesCfg) {
  Folder.Write("Games.CFG", "now");
  ASSERT_EQ(::mkdir((Folder.Path() + "Games.CFG.1").c_str(), 0755), 0);
  TBackupRotation backups(GamesPath());
  try {
    backups.BeforeWrite();
    ADD_FAILURE() << "no error";
  } catch (const EError& error) {
    EXPECT_EQ(error.what(), "Unable to write to " + GamesPath() + ".1");
  }
  EXPECT_EQ(Folder.Read("Games.CFG"), "now");
  EXPECT_TRUE(backups.Done());
}

// The program's own writes: every writer of Games.CFG goes through TIniFile, which makes the
// run's copy before the first write that changes the file, and only of Games.CFG.
TEST_F(BackupRotationTest, TheRunsWritesOfGamesCfgAreBackedUpOnceAndNothingElseIs) {
  Folder.Write("Games.CFG", "[Quake]\r\nPath=q.exe\r\n");
  Folder.Write("Cards.CFG", "[Card]\r\n");
  for (int run = 1; run <= 2; ++run) {
    GamesBackup().emplace(GamesPath());
    TIniFile games(GamesPath());
    games.Modify([](TIniDocument& document) { document.Set("Quake", "Path", "q.exe"); });
    EXPECT_FALSE(Folder.Exists("Games.CFG." + std::to_string(run)))
        << "an edit that changes nothing writes nothing";
    games.Modify([&](TIniDocument& document) {
      document.Set("Quake", "Run", std::to_string(run));
    });
    games.Modify([](TIniDocument& document) { document.Set("Quake", "More", "1"); });
    TIniFile(Folder.Path() + "Cards.CFG").Modify([](TIniDocument& document) {
      document.Set("Card", "Name", "x");
    });
  }
  EXPECT_EQ(Copies(), (std::vector<std::string>{"[Quake]\r\nPath=q.exe\r\nRun=1\r\nMore=1\r\n",
                                                "[Quake]\r\nPath=q.exe\r\n", "-", "-", "-",
                                                "-"}));
  EXPECT_FALSE(Folder.Exists("Cards.CFG.1"));
}

// The write is crash-safe by itself; refusing it would lose the change being saved.
TEST_F(BackupRotationTest, ACopyThatCannotBeMadeIsLoggedAndTheWriteGoesOn) {
  Startup().LogEnabled = true;
  Folder.Write("Games.CFG", "[A]\r\n");
  ASSERT_EQ(::mkdir((Folder.Path() + "Games.CFG.1").c_str(), 0755), 0);
  GamesBackup().emplace(GamesPath());
  TIniFile(GamesPath()).Modify([](TIniDocument& document) { document.Set("A", "B", "C"); });
  EXPECT_EQ(Folder.Read("Games.CFG"), "[A]\r\nB=C\r\n");
  EXPECT_NE(Folder.Read(LogFileName).find("No backup of " + GamesPath() + ": Unable to write to " +
                                          GamesPath() + ".1"),
            std::string::npos)
      << Folder.Read(LogFileName);
}

}  // namespace
}  // namespace tgl::test
