// The two opt-in keys: the restore setting in [%%Configuration] and a game's launcher stub
// program. Games.CFG stays byte for byte as it was while they are not used.
#include "launch/LaunchSettings.h"

#include "config/IniFile.h"
#include "profiles/ProgramConfig.h"
#include "support/TestSupport.h"

namespace tgl::test {
namespace {

const std::string GamesText =
    "[%%Configuration]\r\nConfirmSaving=1\r\nOnRun=1\r\n[Quake]\r\nPath=C:\\q.exe\r\nParameters=\r\n";

using LaunchSettingsTest = TCoreTest;

TEST_F(LaunchSettingsTest, TheRestoreSettingIsWrittenOnlyWhileItIsOn) {
  Folder.Write("Games.CFG", GamesText);
  TIniFile games(Folder.Path() + "Games.CFG");
  EXPECT_FALSE(ReadRestoreDriverSettings(games));
  WriteRestoreDriverSettings(games, false);
  EXPECT_EQ(Folder.Read("Games.CFG"), GamesText);

  WriteRestoreDriverSettings(games, true);
  EXPECT_TRUE(ReadRestoreDriverSettings(games));
  EXPECT_EQ(games.ReadString("%%Configuration", "RestoreDriverSettings", ""), "1");
  WriteRestoreDriverSettings(games, false);
  EXPECT_FALSE(ReadRestoreDriverSettings(games));
  EXPECT_EQ(Folder.Read("Games.CFG"), GamesText);

  // The same through one edit of the document.
  games.Modify([](TIniDocument& document) { WriteRestoreDriverSettings(document, true); });
  EXPECT_TRUE(ReadRestoreDriverSettings(games));
  games.Modify([](TIniDocument& document) { WriteRestoreDriverSettings(document, false); });
  EXPECT_EQ(Folder.Read("Games.CFG"), GamesText);
}

TEST_F(LaunchSettingsTest, AGamesLauncherStubProgramIsStoredOnlyWhenSet) {
  Folder.Write("Games.CFG", GamesText);
  TrlProgramConfig game;
  game.Name = "Quake";
  game.Load();
  EXPECT_EQ(game.WaitForProgram, "");
  game.Save();
  EXPECT_EQ(Folder.Read("Games.CFG"), GamesText);

  game.WaitForProgram = "QuakeGame.exe";
  game.Save();
  TrlProgramConfig reloaded;
  reloaded.Name = "Quake";
  reloaded.Load();
  EXPECT_EQ(reloaded.WaitForProgram, "QuakeGame.exe");

  game.WaitForProgram.clear();
  game.Save();
  EXPECT_EQ(Folder.Read("Games.CFG"), GamesText);
}

}  // namespace
}  // namespace tgl::test
