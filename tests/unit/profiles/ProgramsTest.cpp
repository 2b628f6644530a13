#include "profiles/Programs.h"

#include "ProfilesTestSupport.h"
#include "base/Errors.h"
#include "config/IniFile.h"
#include "profiles/GamesFile.h"
#include "support/CountingFileSystem.h"

namespace tgl::test {
namespace {

using ProgramsTest = TProfilesTest;

TEST_F(ProgramsTest, LoadListsTheDefaultProfileThenTheGamesInFileOrder) {
  UseFixture("Games.CFG");
  Shell.Desktop = "D:\\Users\\Ann\\Desktop";
  TrlPrograms programs;
  // %%Configuration, %Default%, the card sections and the game %Hidden are no games.
  EXPECT_EQ(DisplayNames(programs), (TStrings{" Default ", "Arena", "Arena 2"}));

  const TrlProgramConfig& standard = programs.Items(0);
  EXPECT_TRUE(standard.IsDefault());
  EXPECT_EQ(standard.Name, "%Default%");
  EXPECT_EQ(standard.Parameters, "-default");
  EXPECT_EQ(standard.GetPath(), "D:\\Users\\Ann\\Desktop");  // not the Path of its section

  const TrlProgramConfig& arena = programs.Items(1);
  EXPECT_FALSE(arena.IsDefault());
  EXPECT_EQ(arena.GetPath(), "C:\\Games\\Arena\\arena.exe");
  EXPECT_EQ(arena.Parameters, "-window -nosound");  // quotes around the value are dropped
  EXPECT_EQ(programs.Items(2).Parameters, "");
  EXPECT_EQ(programs.IndexOfName("ARENA 2"), 2);
  EXPECT_EQ(programs.IndexOf(&arena), 1);
  try {
    programs.Items(3);
    FAIL();
  } catch (const EError& error) {
    EXPECT_STREQ(error.what(), "List index out of bounds (3)");
  }
}

TEST_F(ProgramsTest, TheFirstNewGameCreatesTheFile) {
  TrlPrograms programs;
  EXPECT_EQ(DisplayNames(programs), TStrings{" Default "});
  EXPECT_EQ(programs.Items(0).Path, "");
  EXPECT_FALSE(Folder.Exists("Games.CFG"));

  // The New command: the dialog fills in the fresh profile and saves it.
  for (const char* title : {"Quake", "%Secret"}) {
    auto game = std::make_unique<TrlProgramConfig>();
    game->Name = title;
    game->Path = "C:\\Games\\quake.exe";
    game->Parameters = "  +map e1m1 ";
    game->Save();
    game->CopyDefaultSettings();
    programs.Add(std::move(game));
  }
  EXPECT_EQ(Games(),
            "[Quake]\r\nPath=C:\\Games\\quake.exe\r\nParameters=\"  +map e1m1 \"\r\n\r\n"
            "[%Secret]\r\nPath=C:\\Games\\quake.exe\r\nParameters=\"  +map e1m1 \"\r\n");
  TrlPrograms reloaded;
  // A title that begins with "%" is stored, but never listed again.
  EXPECT_EQ(DisplayNames(reloaded), (TStrings{" Default ", "Quake"}));
  EXPECT_EQ(reloaded.Items(1).Parameters, "  +map e1m1 ");
}

TEST_F(ProgramsTest, DeleteRemovesTheGameAndAllItsCardSectionsWithOneWrite) {
  UseFixture("Games.CFG");
  TrlPrograms programs;
  TCountingFileSystem counting;
  TPlatformScope scope(PlatformWith(counting));
  programs.Delete(programs.IndexOf(&Named(programs, "Arena")));
  EXPECT_EQ(Games(), Fixture("AfterDelete.CFG"));
  EXPECT_EQ(counting.Writes, 1);
  EXPECT_EQ(DisplayNames(programs), (TStrings{" Default ", "Arena 2"}));
}

TEST_F(ProgramsTest, DamagedFilesLoadWhatTheyCanRead) {
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage += char((i * 7919) % 256 == '[' ? 0 : (i * 7919) % 256);
  struct Case {
    const char* Title;
    std::string Content;
    TStrings Listed;
    size_t NotesLength = 0;
  } cases[] = {
      {"binary garbage around a game",
       garbage + "\r\n[Quake]\r\nPath=q.exe\r\n" + garbage + "\r\n[Doom]\r\nPath=d.exe\r\n",
       {" Default ", "Quake", "Doom"}},
      {"a 10 MB line",
       "[Quake]\r\nPath=q.exe\r\nNotes=" + std::string(10 << 20, 'x') + "\r\n[Doom]\r\n",
       {" Default ", "Quake", "Doom"},
       10 << 20},
      {"no line break at the end", "[Quake]\r\nPath=q.exe\r\n[Doom]\r\nPath=d.exe",
       {" Default ", "Quake", "Doom"}},
      {"lone CR and LF line ends", "[Quake]\rPath=q.exe\n[Doom]\nPath=d.exe\r",
       {" Default ", "Quake", "Doom"}},
      {"duplicate sections", "[Quake]\r\nPath=q.exe\r\n[Doom]\r\n[QUAKE]\r\nPath=other.exe\r\n",
       {" Default ", "Quake", "Doom", "QUAKE"}},
      {"a section without a name", "[]\r\nPath=x.exe\r\n[Quake]\r\nPath=q.exe\r\n[Doom]\r\n",
       {" Default ", "Quake", "Doom"}},
      {"headers without a closing bracket", "[Quake\r\nPath=q.exe\r\n[Doom\r\nPath=d.exe\r\n",
       {" Default ", "Quake", "Doom"}},
  };
  for (const Case& c : cases) {
    Folder.Write("Games.CFG", c.Content);
    {
      TrlPrograms programs;
      EXPECT_EQ(DisplayNames(programs), c.Listed) << c.Title;
      EXPECT_EQ(Named(programs, "Quake").Path, "q.exe") << c.Title;  // the first one wins
      // A change elsewhere in the file keeps everything that was readable.
      auto game = std::make_unique<TrlProgramConfig>();
      game->Name = "Added";
      game->Save();
    }
    TrlPrograms reloaded;
    TStrings listed = c.Listed;
    listed.push_back("Added");
    EXPECT_EQ(DisplayNames(reloaded), listed) << c.Title;
    EXPECT_EQ(Named(reloaded, "Quake").Path, "q.exe") << c.Title;
    EXPECT_EQ(TIniFile(GamesFilePath()).ReadString("Quake", "Notes", "").size(), c.NotesLength)
        << c.Title;
  }
}

}  // namespace
}  // namespace tgl::test
