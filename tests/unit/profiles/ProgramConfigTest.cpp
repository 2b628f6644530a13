#include "profiles/ProgramConfig.h"

#include "ProfilesTestSupport.h"
#include "base/Errors.h"
#include "config/IniFile.h"
#include "profiles/GamesFile.h"
#include "support/CountingFileSystem.h"

namespace tgl::test {
namespace {

using ProgramConfigTest = TProfilesTest;

std::string ReadGames(const std::string& section, const std::string& key) {
  return TIniFile(GamesFilePath()).ReadString(section, key, "<missing>");
}

TEST_F(ProgramConfigTest, RenameMovesTheGameAndItsCardSectionsToTheEndWithOneWrite) {
  UseFixture("Games.CFG");
  TrlPrograms programs;
  TrlProgramConfig& arena = Named(programs, "Arena");
  {
    TCountingFileSystem counting;
    TPlatformScope scope(PlatformWith(counting));
    arena.SetName("Rally");
    EXPECT_EQ(counting.Writes, 1);
  }
  // Arena 2 and %Arena 2_GeForce% share the first letters of Arena but stay where they are.
  EXPECT_EQ(Games(), Fixture("AfterRename.CFG"));
  EXPECT_EQ(arena.Name, "Rally");
  EXPECT_EQ(DisplayNames(TrlPrograms()), (TStrings{" Default ", "Arena 2", "Rally"}));
}

TEST_F(ProgramConfigTest, CopyDefaultSettingsLeavesExactlyTheDefaultCardSections) {
  UseFixture("Games.CFG");
  TrlPrograms programs;
  TCountingFileSystem counting;
  TPlatformScope scope(PlatformWith(counting));
  Named(programs, "Arena").CopyDefaultSettings();
  EXPECT_EQ(counting.Writes, 1);
  EXPECT_EQ(Games(), Fixture("AfterCopyDefaultSettings.CFG"));
  // The default profile's own card sections cannot be erased this way.
  programs.Items(0).CopyDefaultSettings();
  EXPECT_EQ(Games(), Fixture("AfterCopyDefaultSettings.CFG"));
}

TEST_F(ProgramConfigTest, RenamesThatChangeNothing) {
  UseFixture("Games.CFG");
  TrlPrograms programs;
  TrlProgramConfig fresh;
  TCountingFileSystem counting;
  TPlatformScope scope(PlatformWith(counting));
  struct Case {
    TrlProgramConfig& Profile;
    const char* NewName;
    const char* Expected;
  } cases[] = {
      {programs.Items(0), "Rally", "%Default%"},
      {Named(programs, "Arena"), "Arena", "Arena"},
      {Named(programs, "Arena"), "", "Arena"},
      // Not stored yet: takes the title, even that of a stored game, and moves nothing.
      {fresh, "Arena 2", "Arena 2"},
  };
  for (const Case& c : cases) {
    c.Profile.SetName(c.NewName);
    EXPECT_EQ(c.Profile.Name, c.Expected);
  }
  EXPECT_EQ(counting.Writes, 0);
  EXPECT_EQ(Games(), Fixture("Games.CFG"));
}

TEST_F(ProgramConfigTest, SaveWritesOnlyPathAndParametersOfItsOwnSection) {
  UseFixture("Games.CFG");
  TrlPrograms programs;
  TrlProgramConfig& arena = Named(programs, "Arena");
  arena.Path = "D:\\Arena\\arena.exe";
  arena.Parameters = "'-fullscreen'";
  arena.Save();
  std::string expected = Fixture("Games.CFG");
  auto replace = [&](std::string_view from, std::string_view to) {
    expected.replace(expected.find(from), from.size(), to);
  };
  replace("C:\\Games\\Arena\\arena.exe", "D:\\Arena\\arena.exe");
  // In one more pair of quotes: its own would be taken off when it is read.
  replace("\"-window -nosound\"", "\"'-fullscreen'\"");
  EXPECT_EQ(Games(), expected);
  EXPECT_EQ(Named(TrlPrograms(), "Arena").Parameters, "'-fullscreen'");
}

TEST_F(ProgramConfigTest, ACaseOnlyRenameKeepsEverything) {
  // The file's section names ignore case: moving Arena onto ARENA must not erase itself.
  UseFixture("Games.CFG");
  TrlPrograms programs;
  Named(programs, "Arena").SetName("ARENA");
  TIniFile games(GamesFilePath());
  TStrings sections;
  games.ReadSections(sections);
  EXPECT_EQ(TStrings(sections.end() - 3, sections.end()),
            (TStrings{"ARENA", "%ARENA_GeForce%", "%ARENA_TNT%"}));
  EXPECT_EQ(ReadGames("Arena", "Path"), "C:\\Games\\Arena\\arena.exe");
  EXPECT_EQ(ReadGames(CardSectionName("ARENA", "GeForce"), "GL Force Antialiasing"), "0");
  EXPECT_EQ(ReadGames(CardSectionName("ARENA", "TNT"), "TNT VSync"), "1");
}

TEST_F(ProgramConfigTest, ARenameNeverTakesOverAnotherProfilesSections) {
  UseFixture("Games.CFG");
  TrlPrograms programs;
  TrlProgramConfig& arena = Named(programs, "Arena");
  for (const char* taken : {"Arena 2", "ARENA 2"}) {
    try {
      arena.SetName(taken);
      ADD_FAILURE() << taken;
    } catch (const EError& error) {
      EXPECT_STREQ(error.what(), "Application title should be unique");
    }
  }
  EXPECT_EQ(arena.Name, "Arena");
  EXPECT_EQ(Games(), Fixture("Games.CFG"));

  // Card sections of a title that no game holds any more are stale: the moved ones replace
  // them, and no stale key or card section is left behind for the renamed game.
  Folder.Write("Games.CFG",
               "[Arena]\r\nPath=a.exe\r\n[%Arena_GeForce%]\r\nGL Force Antialiasing=1\r\n"
               "[%Rally_GeForce%]\r\nGL Force Antialiasing=0\r\nGL Antialiasing Quality=2\r\n"
               "[%Rally_Radeon%]\r\nVSync=1\r\n");
  arena.SetName("Rally");
  EXPECT_EQ(Games(),
            "[Rally]\r\nPath=a.exe\r\n\r\n[%Rally_GeForce%]\r\nGL Force Antialiasing=1\r\n");
}

TEST_F(ProgramConfigTest, TitlesThatCannotBeStoredAreRefused) {
  UseFixture("Games.CFG");
  TrlPrograms programs;
  struct Case {
    std::string Title;
    const char* Message;
  } cases[] = {
      {"Arena_2", "Application title shouldn't contailns any \"_\" characters."},
      {"Arena]", "Application title shouldn't contain any \"]\" characters."},
      {"[Arena]", "Application title shouldn't contain any \"]\" characters."},
      {"Arena\r\n[Injected]", "Application title shouldn't contain any \"]\" characters."},
      {"Two\r\nLines", "Application title shouldn't contain line breaks."},
      {std::string("Zero\0Byte", 9), "Application title shouldn't contain line breaks."},
      {" Arena", "Application title shouldn't begin or end with blanks."},
      {"Arena\t", "Application title shouldn't begin or end with blanks."},
      {"%default%", "Application title \"%default%\" is reserved."},
      {"%%Configuration", "Application title \"%%Configuration\" is reserved."},
  };
  for (const Case& c : cases) {
    for (bool stored : {true, false}) {
      TrlProgramConfig fresh;
      fresh.Name = c.Title;
      try {
        if (stored)
          Named(programs, "Arena").SetName(c.Title);
        else
          fresh.Save();  // the New command
        ADD_FAILURE() << c.Title;
      } catch (const EError& error) {
        EXPECT_STREQ(error.what(), c.Message);
      }
    }
  }
  TrlProgramConfig empty;
  EXPECT_THROW(empty.Save(), EError);
  EXPECT_EQ(Games(), Fixture("Games.CFG"));
}

TEST_F(ProgramConfigTest, EveryAcceptedTitleReadsBackAsTheSameTitle) {
  UseFixture("Games.CFG");
  const std::string titles[] = {
      "[Bracket",  "semi;colon", ";Leading semicolon", "a=b", "=",   "Tab\tinside",
      "100% fun",  "Caf\xe9 \xc4\xd6", "\"Quoted\"",  "'",   std::string(5000, 'L')};
  for (const std::string& title : titles) {
    std::string renamed = title + " II";
    {
      // New, then Edit with a change of title.
      TrlProgramConfig game;
      game.Name = title;
      game.Path = "C:\\Games\\game.exe";
      game.Save();
      game.CopyDefaultSettings();
      TrlPrograms programs;
      EXPECT_EQ(Named(programs, title).Name, title);
      EXPECT_EQ(Named(programs, title).Path, "C:\\Games\\game.exe");
      EXPECT_EQ(ReadGames(CardSectionName(title, "GeForce"), "GL Antialiasing Quality"), "2");
      Named(programs, title).SetName(renamed);
    }
    TrlPrograms programs;
    EXPECT_EQ(programs.IndexOfName(title), -1) << title;
    EXPECT_EQ(Named(programs, renamed).Path, "C:\\Games\\game.exe");
    EXPECT_EQ(ReadGames(CardSectionName(renamed, "GeForce"), "GL Antialiasing Quality"), "2");
    programs.Delete(programs.IndexOfName(renamed));
    // Only the blank line that separated the added sections stays.
    EXPECT_EQ(Games(), Fixture("Games.CFG") + "\r\n") << title;
    UseFixture("Games.CFG");
  }
}

// The reader drops blanks at the ends of a value and one pair of matching quotes: what the
// user typed must still come back exactly after a restart.
TEST_F(ProgramConfigTest, FreeTextValuesReadBackExactlyAfterTheyAreSaved) {
  UseFixture("Games.CFG");
  const char* values[] = {"\"C:\\My Mods\\x.cfg\"", "'single'", "\"one end", "other end'",
                          "-config \"C:\\My Mods\\x.cfg\" -fast", " blank first",
                          "blank last\t", "\"\"", "\"", "''mixed\"", "plain"};
  for (const char* value : values) {
    SCOPED_TRACE(value);
    {
      TrlPrograms programs;
      TrlProgramConfig& arena = Named(programs, "Arena");
      arena.Path = value;
      arena.Parameters = value;
      arena.WaitForProgram = value;
      arena.Save();
    }
    TrlPrograms reread;
    const TrlProgramConfig& arena = Named(reread, "Arena");
    EXPECT_EQ(arena.Path, value);
    EXPECT_EQ(arena.Parameters, value);
    EXPECT_EQ(arena.WaitForProgram, value);
  }
  // A value the reader leaves alone is written as it is.
  EXPECT_EQ(ReadGames("Arena", "Parameters"), "plain");
  EXPECT_NE(Games().find("Parameters=plain\r\n"), std::string::npos);
}

}  // namespace
}  // namespace tgl::test
