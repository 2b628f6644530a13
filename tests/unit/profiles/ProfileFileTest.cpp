// Game profiles as files: the text written, export then import reproducing a game and its
// card sections exactly, and files that are not profiles or are damaged refused whole.
#include "profiles/ProfileFile.h"

#include "ProfilesTestSupport.h"
#include "config/IniFile.h"
#include "profiles/GamesFile.h"

namespace tgl::test {
namespace {

// The card sections of a title as the store reads them: name, then key and value pairs.
using TSections = std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>>;

class ProfileFileTest : public TProfilesTest {
protected:
  TSections CardSectionsOf(const std::string& title) const {
    TIniDocument games(Games());
    TSections sections;
    for (const std::string& name : games.SectionNames()) {
      if (!IsCardSectionOf(name, title)) continue;
      sections.push_back({name, {}});
      for (const std::string& key : games.KeyNames(name))
        sections.back().second.emplace_back(key, std::string(*games.Find(name, key)));
    }
    return sections;
  }

  std::string ExportFile() const { return Folder.Path() + "Exported.tgp"; }

  // The message of the EProfileFile that reading `text` raises, or "read".
  static std::string RefusalOf(std::string_view text) {
    try {
      ParseProfileFile(text, "C:\\Profiles\\x.tgp");
    } catch (const EProfileFile& error) {
      return error.what();
    }
    return "read";
  }
};

TEST_F(ProfileFileTest, TheFileNamesTheProgramTheGameAndItsValuesPerTuningFile) {
  UseFixture("Games.CFG");
  TrlPrograms programs;
  ExportProfile(Named(programs, "Arena"), ExportFile());
  EXPECT_EQ(ReadBytes(ExportFile()),
            "; Tesmora Game Launcher profile file\r\n"
            "[TesmoraGL profile]\r\n"
            "Format=TesmoraGL profile 1\r\n"
            "Title=Arena\r\n"
            "Path=C:\\Games\\Arena\\arena.exe\r\n"
            "Parameters=-window -nosound\r\n"
            "[Values GeForce]\r\n"
            "GL Force Antialiasing=0\r\n"
            "GL Antialiasing Quality=\r\n"
            "[Values TNT]\r\n"
            "TNT VSync=1\r\n"
            "[End]\r\n");
  // Exporting reads only.
  EXPECT_EQ(Games(), Fixture("Games.CFG"));
}

TEST_F(ProfileFileTest, DefaultIsExportedWithTheDefaultValuesAndNoProgram) {
  UseFixture("Games.CFG");
  TrlPrograms programs;
  TGameProfile exported = ExportableProfile(programs.Items(0));
  EXPECT_EQ(exported, (TGameProfile{"Default", "", "", "", {{"GeForce", {{"GL Force Antialiasing", "1"}, {"GL Antialiasing Quality", "2"}}}}}));
}

// The save dialog offers the title as the file name, without what a file name cannot hold;
// a dropped file is taken for a profile by its extension.
TEST_F(ProfileFileTest, FileNamesOfProfiles) {
  Folder.Write("Games.CFG", "[Quake: Arena <Demo> \"1|2\"]\r\nPath=q.exe\r\n[Doom/Heretic*?]\r\n"
                            "Path=d.exe\r\n[Myst. . .]\r\nPath=m.exe\r\n[?*?]\r\nPath=x.exe\r\n");
  TrlPrograms programs;
  EXPECT_EQ(ProfileFileNameFor(programs.Items(0)), "Default.tgp");
  EXPECT_EQ(ProfileFileNameFor(Named(programs, "Quake: Arena <Demo> \"1|2\"")),
            "Quake Arena Demo 12.tgp");
  EXPECT_EQ(ProfileFileNameFor(Named(programs, "Doom/Heretic*?")), "DoomHeretic.tgp");
  EXPECT_EQ(ProfileFileNameFor(Named(programs, "Myst. . .")), "Myst.tgp");
  EXPECT_EQ(ProfileFileNameFor(Named(programs, "?*?")), "Profile.tgp");
  for (const char* name : {"a.tgp", "A.TGP", "C:\\Games\\q.Tgp"})
    EXPECT_TRUE(IsProfileFileName(name)) << name;
  for (const char* name : {".tgp", "tgp", "a.tgpx", "a.tg", "atgp", "a.exe"})
    EXPECT_FALSE(IsProfileFileName(name)) << name;
}

TEST_F(ProfileFileTest, ExportThenImportReproducesTheGameAndItsCardSectionsExactly) {
  const char* const titles[] = {
      "Quake",          "Quake III Arena", "Tom \"Clancy\"'s", "\"Quoted\"",    "'Single'",
      "Back\\slash\\",  "[Bracket",        "100% Fun",         "x=y;#",         ";Semicolon",
      "Caf\xE9 \xC4\xFF", "a  b\tc",       "Default",          "-dash /slash",  "In%ner%",
  };
  for (const char* title : titles) {
    SCOPED_TRACE(title);
    const std::string t = title;
    Folder.Write("Games.CFG",
                 "[%%Configuration]\r\nOnRun=1\r\n[Other]\r\nPath=C:\\o.exe\r\n"
                 "[%Other_GeForce%]\r\nGL Force Antialiasing=1\r\n"
                 "[" + t + "]\r\nPath=C:\\Games\\" + t + "\\game.exe\r\nParameters=\"-a\" -b\r\n"
                 "WaitForProgram=real.exe\r\n"
                 "[%" + t + "_GeForce%]\r\nGL Force Antialiasing=0\r\nPadded=\"  two blanks \"\r\n"
                 "Quoted=\"\"inside\"\"\r\nEmpty=\r\nSpaced Key = 5 \r\n"
                 "[%" + t + "_TNT%]\r\nTNT VSync=1\r\n");
    TrlPrograms programs;
    TSections before = CardSectionsOf(t);
    ASSERT_EQ(before.size(), 2u);
    TrlProgramConfig& game = Named(programs, t);
    const std::string path = game.Path, parameters = game.Parameters;
    ExportProfile(game, ExportFile());

    programs.Delete(programs.IndexOfName(t));
    ASSERT_TRUE(CardSectionsOf(t).empty());
    TGameProfile read = ReadProfileFile(ExportFile());
    EXPECT_EQ(read.Title, t);
    int index = ImportProfile(programs, read, read.Title);

    EXPECT_EQ(index, programs.Count() - 1);
    TrlProgramConfig& imported = programs.Items(index);
    EXPECT_EQ(imported.Name, t);
    EXPECT_EQ(imported.Path, path);
    EXPECT_EQ(imported.Parameters, parameters);
    EXPECT_EQ(imported.WaitForProgram, "real.exe");
    EXPECT_EQ(CardSectionsOf(t), before);
    // As the store sees it after the next start.
    TrlPrograms reloaded;
    TrlProgramConfig& stored = Named(reloaded, t);
    EXPECT_EQ(stored.Path, path);
    EXPECT_EQ(stored.Parameters, parameters);
    EXPECT_EQ(stored.WaitForProgram, "real.exe");
    EXPECT_EQ(CardSectionsOf("Other").size(), 1u);
  }
}

TEST_F(ProfileFileTest, ATakenOrUnstorableTitleIsRefusedAndChangesNothing) {
  UseFixture("Games.CFG");
  TrlPrograms programs;
  TGameProfile arena = ExportableProfile(Named(programs, "Arena"));
  const std::string games = Games();
  for (const char* title : {"Arena", "ARENA", "%Hidden", "With_Underscore", "", " Blank"})
    EXPECT_THROW(ImportProfile(programs, arena, title), EImportTitle) << title;
  try {
    ImportProfile(programs, arena, "arena");
  } catch (const EImportTitle& error) {
    EXPECT_STREQ(error.what(), "Application title should be unique");
  }
  EXPECT_EQ(Games(), games);
  EXPECT_EQ(programs.Count(), 3);

  // Under another title it comes in; values a deleted game left under that title go.
  Folder.Write("Games.CFG", games + "[%Arena Copy_Radeon%]\r\nStale=1\r\n");
  ImportProfile(programs, arena, "Arena Copy");
  TSections copied = CardSectionsOf("Arena Copy");
  ASSERT_EQ(copied.size(), 2u);
  EXPECT_EQ(copied[0].first, "%Arena Copy_GeForce%");
  EXPECT_EQ(copied[1].first, "%Arena Copy_TNT%");
}

// A title that begins with "%" is stored, but the list passes over it: it is refused as the
// game properties dialog refuses it, so the user is asked for another.
TEST_F(ProfileFileTest, ATitleTheListWouldNotShowIsRefused) {
  UseFixture("Games.CFG");
  TrlPrograms programs;
  TGameProfile arena = ExportableProfile(Named(programs, "Arena"));
  const std::string games = Games();
  try {
    ImportProfile(programs, arena, "%New");
    ADD_FAILURE() << "imported";
  } catch (const EImportTitle& error) {
    EXPECT_STREQ(error.what(), "Application title shouldn't begin with \"%\".");
  }
  EXPECT_EQ(Games(), games);
  EXPECT_EQ(programs.Count(), 3);
}

// Export writes only what import reads back: values it could not carry are left out and
// named, and a game too large for a profile file is refused with nothing written.
TEST_F(ProfileFileTest, ExportWritesOnlyWhatImportReadsBack) {
  Folder.Write("Games.CFG", "[Arena]\r\nPath=C:\\Arena.exe\r\n"
                            "[%Arena_GeForce%]\r\nGood=1\r\n=no name\r\nZero=a" +
                                std::string(1, '\0') + "b\r\n"
                                "[%Arena_TNT%]\r\n=only one\r\n");
  TrlPrograms programs;
  TStrings leftOut = ExportProfile(Named(programs, "Arena"), ExportFile());
  EXPECT_EQ(leftOut, (TStrings{"GeForce: (a value without a name)", "GeForce: Zero",
                               "TNT: (a value without a name)"}));
  TGameProfile read = ReadProfileFile(ExportFile());
  ASSERT_EQ(read.Cards.size(), 1u);
  EXPECT_EQ(read.Cards[0].Values,
            (std::vector<std::pair<std::string, std::string>>{{"Good", "1"}}));

  // Parameters the file cannot carry refuse the export.
  Folder.Write("Games.CFG", "[Arena]\r\nPath=C:\\Arena.exe\r\nParameters=-a" +
                                std::string(1, '\0') + "\r\n");
  TrlPrograms withZero;
  EXPECT_THROW(ExportProfile(Named(withZero, "Arena"), Folder.Path() + "Zero.tgp"), EError);
  EXPECT_FALSE(Folder.Exists("Zero.tgp"));

  std::string large = "[Arena]\r\nPath=C:\\Arena.exe\r\n[%Arena_GeForce%]\r\n";
  for (int key = 0; large.size() <= MaxProfileFileSize; ++key)
    large += "Key" + std::to_string(key) + "=0123456789\r\n";
  Folder.Write("Games.CFG", large);
  TrlPrograms tooLarge;
  try {
    ExportProfile(Named(tooLarge, "Arena"), Folder.Path() + "Large.tgp");
    ADD_FAILURE() << "exported";
  } catch (const EError& error) {
    EXPECT_STREQ(error.what(),
                 "The values of \"Arena\" do not fit in a profile file (1 MB at most); nothing "
                 "was written.");
  }
  EXPECT_FALSE(Folder.Exists("Large.tgp"));
}

// A profile file near its size limit (room left for what export adds: its comment line and
// empty parameters), of one section of many keys or of many sections, is read, imported and
// exported whole (in time in proportion to its size: bench/).
TEST_F(ProfileFileTest, AFileAtTheSizeLimitRoundTrips) {
  for (int keysPerSection : {1 << 30, 2}) {
    SCOPED_TRACE(keysPerSection);
    std::string text =
        "[TesmoraGL profile]\r\nFormat=TesmoraGL profile 1\r\nTitle=Large\r\nPath=C:\\l.exe\r\n";
    int keys = 0;
    for (int key = 0; text.size() + 200 < MaxProfileFileSize; ++key, ++keys) {
      if (key % keysPerSection == 0) text += "[Values F" + std::to_string(key) + "]\r\n";
      text += "K" + std::to_string(key) + "=1\r\n";
    }
    text += "[End]\r\n";
    TGameProfile profile = ParseProfileFile(text, "Large.tgp");
    Folder.Write("Games.CFG", "");
    TrlPrograms programs;
    int index = ImportProfile(programs, profile, "Large");
    TStrings leftOut = ExportProfile(programs.Items(index), ExportFile());
    EXPECT_TRUE(leftOut.empty());
    TGameProfile exported = ReadProfileFile(ExportFile());
    size_t values = 0;
    for (const TCardValues& card : exported.Cards) values += card.Values.size();
    EXPECT_EQ(values, static_cast<size_t>(keys));
    EXPECT_EQ(exported.Cards.size(), profile.Cards.size());
  }
}

TEST_F(ProfileFileTest, AFileCutAnywhereIsRefusedWhole) {
  std::string text = ProfileFileText(
      {"Quake", "C:\\q.exe", "-x", "", {{"GeForce", {{"A", "1"}, {"B", "2"}}}, {"TNT", {{"C", ""}}}}});
  ASSERT_EQ(RefusalOf(text), "read");
  // Only the line break after the last line may go.
  for (size_t length = 0; length + 2 < text.size(); ++length)
    EXPECT_NE(RefusalOf(text.substr(0, length)), "read") << length;
  EXPECT_EQ(RefusalOf(text.substr(0, text.size() - 2)), "read");
  EXPECT_EQ(RefusalOf(text.substr(0, text.size() / 2)),
            "The profile file \"C:\\Profiles\\x.tgp\" is damaged: it ends before its last line.");
}

TEST_F(ProfileFileTest, FilesThatAreNotProfilesOrAreDamagedAreRefusedWithTheirReason) {
  const std::string head = "[TesmoraGL profile]\r\nFormat=TesmoraGL profile 1\r\n";
  const std::string notProfile = "\"C:\\Profiles\\x.tgp\" is not a profile file of Tesmora Game Launcher.";
  const std::string damaged = "The profile file \"C:\\Profiles\\x.tgp\" is damaged: ";
  struct Case {
    std::string Text;
    std::string Refusal;
  } cases[] = {
      {"", notProfile},
      {Fixture("Games.CFG"), notProfile},
      {ResourceFileBytes("GeForce.CFG"), notProfile},
      {std::string("\x89PNG\r\n\x1A\n\0\0", 10), notProfile},
      {"[TesmoraGL profile]\r\nTitle=Quake\r\n[End]\r\n", notProfile},
      {"[TesmoraGL profile]\r\nFormat=Other 1\r\nTitle=Q\r\n[End]\r\n", notProfile},
      {"\xEF\xBB\xBF" + head + "Title=Q\r\n[End]\r\n", notProfile},
      {std::string(MaxProfileFileSize + 1, ' '), notProfile},
      {"[TesmoraGL profile]\r\nFormat=TesmoraGL profile 2\r\nTitle=Q\r\n[End]\r\n",
       "The profile file \"C:\\Profiles\\x.tgp\" was written by a newer version of Tesmora Game "
       "Launcher."},
      {head + "Title=Q\r\nColour=red\r\n[End]\r\n", damaged + "line 4 is not understood."},
      {head + "Title=Q\r\nTitle=R\r\n[End]\r\n", damaged + "line 4 repeats a name."},
      {head + "Title=Q\r\n[Values GeForce]\r\nA=1\r\na=2\r\n[End]\r\n", damaged + "line 6 repeats a name."},
      {head + "Title=Q\r\n[Values GeForce]\r\n[Values geforce]\r\n[End]\r\n", damaged + "line 5 repeats a name."},
      {head + "Title=Q\r\n[Values GeForce]\r\njust text\r\n[End]\r\n", damaged + "line 5 is not understood."},
      {head + "Title=Q\r\n[Values GeForce]\r\n=1\r\n[End]\r\n", damaged + "line 5 is not understood."},
      {head + "Title=Q\r\n[Values]\r\n[End]\r\n", damaged + "line 4 is not understood."},
      {head + "Title=Q\r\n[Values Ge]Force]\r\n[End]\r\n", damaged + "line 4 is not understood."},
      {head + "Title=Q\r\n[Other]\r\n[End]\r\n", damaged + "line 4 is not understood."},
      {head + "Title=Q\r\n[End]\r\nA=1\r\n", damaged + "line 5 is not understood."},
      {head + "Title=Q\r\n[End]\r\n[End]\r\n", damaged + "line 5 is not understood."},
      {head + "Title=Q\r\n[Values GeForce]\r\nA=1\rB=2\r\n[End]\r\n", damaged + "line 5 is not understood."},
      {head + std::string("Title=Q\0\r\n[End]\r\n", 16), damaged + "line 3 is not understood."},
      {head + "Path=C:\\q.exe\r\n[End]\r\n", damaged + "it names no title."},
      {head + "Title=Q\r\n", damaged + "it ends before its last line."},
  };
  for (const Case& c : cases) EXPECT_EQ(RefusalOf(c.Text), c.Refusal) << c.Text.substr(0, 200);

  // What an editor may do to a file: line feeds alone, comments, blank lines, letter case.
  EXPECT_EQ(ParseProfileFile("; mine\n\n[tesmoragl PROFILE]\n  format = TesmoraGL profile 1 \n"
                             "title=Q\n\n[values GeForce]\n; note\nA = 1\n[end]\n\n; bye",
                             "x"),
            (TGameProfile{"Q", "", "", "", {{"GeForce", {{"A", "1"}}}}}));
}

TEST_F(ProfileFileTest, TheFuzzSeedsAreProfiles) {
  for (const char* seed : {"arena.tgp", "minimal.tgp"})
    EXPECT_NO_THROW(ReadProfileFile(std::string(TGL_SOURCE_DIR) + "/fuzz/corpus/profiles/" + seed))
        << seed;
}

TEST_F(ProfileFileTest, AFileThatCannotBeReadOrWrittenIsAnError) {
  EXPECT_THROW(ReadProfileFile(Folder.Path() + "missing.tgp"), EError);
  UseFixture("Games.CFG");
  TrlPrograms programs;
  EXPECT_THROW(ExportProfile(Named(programs, "Arena"), Folder.Path() + "no\\such\\folder/x.tgp"),
               EError);
}

}  // namespace
}  // namespace tgl::test
