#include "config/IniFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string_view>

#include "base/Errors.h"
#include "config/FileReplace.h"
#include "config/IniSnapshot.h"
#include "support/CountingFileSystem.h"
#include "support/TestSupport.h"

namespace tgl::test {
namespace {

class IniFileTest : public TCoreTest {
protected:
  std::string PathOf(const std::string& name) { return Folder.Path() + name; }
};

TEST_F(IniFileTest, ReadStringFollowsTheProfileFileRules) {
  Folder.Write("t.ini",
               "Stray=before any section\r\n"
               "[Main]\r\n"
               "  Spaced  =  a value  \r\n"
               "Double=\"quoted\"\r\n"
               "Single='quoted'\r\n"
               "Unmatched=\"half'\r\n"
               "Inner=a \"b\" c\r\n"
               "Empty=\r\n"
               ";Comment=1\r\n"
               "  ; Indented=1\r\n"
               "First=1\r\n"
               "FIRST=2\r\n"
               "   [ Other ]\r\n"
               "Key=other\r\n"
               "[main]\r\n"
               "Late=never reached\n");
  TIniFile ini(PathOf("t.ini"));
  struct Case {
    const char* Section;
    const char* Ident;
    const char* Expected;
  } cases[] = {
      {"MAIN", "spaced", "a value"},
      {"Main", "Double", "quoted"},
      {"Main", "Single", "quoted"},
      {"Main", "Unmatched", "\"half'"},
      {"Main", "Inner", "a \"b\" c"},
      {"Main", "Empty", ""},
      {"Main", "Comment", "<default>"},
      {"Main", "; Indented", "<default>"},
      {"Main", "First", "1"},
      {"Main", "Late", "<default>"},
      {"Other", "Key", "other"},
      {"", "Stray", "<default>"},
      {"Missing", "Key", "<default>"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ini.ReadString(c.Section, c.Ident, "<default>"), c.Expected) << c.Ident;

  TStrings list;
  ini.ReadSections(list);
  EXPECT_EQ(list, (TStrings{"Main", "Other", "main"}));
  ini.ReadSection("main", list);
  EXPECT_EQ(list, (TStrings{"Spaced", "Double", "Single", "Unmatched", "Inner", "Empty", "First",
                            "FIRST"}));
}

TEST_F(IniFileTest, MissingFileReadsAsEmpty) {
  TIniFile ini(PathOf("missing.ini"));
  EXPECT_EQ(ini.ReadString("S", "K", "d"), "d");
  EXPECT_EQ(ini.ReadInteger("S", "K", 5), 5);
  TStrings list{"x"};
  ini.ReadSections(list);
  EXPECT_TRUE(list.empty());
  EXPECT_FALSE(Folder.Exists("missing.ini"));
}

TEST_F(IniFileTest, WritesKeepEveryOtherLineOfTheFile) {
  Folder.Write("t.ini", "; settings\r\n[A]\r\nx=1\r\n; note\r\n\r\n[B]\r\ny=2\r\n");
  TIniFile ini(PathOf("t.ini"));
  ini.WriteString("a", "X", "10");   // existing key keeps its spelling
  ini.WriteString("A", "z", "3");    // new key goes behind the section's last key
  ini.WriteString("C", "w", "4");    // new section at the end
  ini.WriteInteger("B", "n", -7);
  ini.WriteBool("B", "b", true);
  EXPECT_EQ(Folder.Read("t.ini"),
            "; settings\r\n[A]\r\nx=10\r\nz=3\r\n; note\r\n\r\n[B]\r\ny=2\r\nn=-7\r\nb=1\r\n"
            "\r\n[C]\r\nw=4\r\n");
  ini.DeleteKey("A", "x");
  ini.EraseSection("b");
  EXPECT_EQ(Folder.Read("t.ini"), "; settings\r\n[A]\r\nz=3\r\n; note\r\n\r\n[C]\r\nw=4\r\n");
}

TEST_F(IniFileTest, FirstWriteCreatesTheFile) {
  TIniFile ini(PathOf("new.ini"));
  ini.WriteString("S", "K", "V");
  EXPECT_EQ(Folder.Read("new.ini"), "[S]\r\nK=V\r\n");
  EXPECT_EQ(Folder.FileNames(), (std::vector<std::string>{"new.ini"}));
}

TEST_F(IniFileTest, TwoObjectsOnOneFileSeeEachOthersWrites) {
  TIniFile first(PathOf("t.ini"));
  TIniFile second(PathOf("t.ini"));
  first.WriteString("S", "K", "1");
  EXPECT_EQ(second.ReadString("S", "K", ""), "1");
  second.WriteString("S", "K", "2");
  EXPECT_EQ(first.ReadString("S", "K", ""), "2");
}

TEST_F(IniFileTest, ReadsLongValuesAndManySectionsWhole) {
  std::string longValue(10000, 'v');
  std::string text = "[S]\r\nLong=" + longValue + "\r\n";
  for (int i = 0; i < 2000; ++i) text += "[Game number " + std::to_string(i) + "]\r\nPath=x\r\n";
  Folder.Write("t.ini", text);
  TIniFile ini(PathOf("t.ini"));
  EXPECT_EQ(ini.ReadString("S", "Long", ""), longValue);
  TStrings sections;
  ini.ReadSections(sections);
  ASSERT_EQ(sections.size(), 2001u);
  EXPECT_EQ(sections.back(), "Game number 1999");
}

TEST_F(IniFileTest, ReadSectionValuesMergesIntoTheGivenList) {
  Folder.Write("t.ini", "[S]\r\na=1\r\nempty=\r\nB=2\r\nc=\r\nA=3\r\nC=4\r\n");
  TIniFile ini(PathOf("t.ini"));
  // A repeated key counts with the value of its first line, under the name of its last.
  TStrings list{"keep=me", "b=old", "EMPTY=gone", "c=first", "no name", "C=second"};
  ini.ReadSectionValues("S", list);
  EXPECT_EQ(list, (TStrings{"keep=me", "B=2", "no name", "A=1"}));
}

TEST_F(IniFileTest, RefusesTextThatWouldBreakTheFile) {
  Folder.Write("t.ini", "[S]\r\nK=1\r\n");
  TIniFile ini(PathOf("t.ini"));
  const std::string expected = "Unable to write to " + PathOf("t.ini");
  for (auto [section, ident, value] :
       {std::tuple{"S", "K", "a\r\n[Injected]"}, std::tuple{"S]", "K", "v"},
        std::tuple{"S", "K=", "v"}, std::tuple{"S\n", "K", "v"}}) {
    try {
      ini.WriteString(section, ident, value);
      ADD_FAILURE() << "accepted " << section << "/" << ident;
    } catch (const EError& error) {
      EXPECT_EQ(error.what(), expected);
    }
  }
  EXPECT_EQ(Folder.Read("t.ini"), "[S]\r\nK=1\r\n");
}

// A file system whose replace step fails, as when the program is killed or the disk fills
// between writing the new content and putting it in place.
class TFailingReplace : public TPosixFileSystem {
public:
  bool ReplaceInOneStep(const std::string&, const std::string&) override { return false; }
};

TEST_F(IniFileTest, AFailedWriteLeavesThePreviousContent) {
  Folder.Write("t.ini", "[S]\r\nK=old\r\n");
  TFailingReplace failing;
  TPlatformScope scope(PlatformWith(failing));
  TIniFile ini(PathOf("t.ini"));
  EXPECT_THROW(ini.WriteString("S", "K", "new"), EError);
  EXPECT_EQ(Folder.Read("t.ini"), "[S]\r\nK=old\r\n");
  EXPECT_EQ(Folder.FileNames(), (std::vector<std::string>{"t.ini"}));
}

TEST_F(IniFileTest, RecoversTheBackupOfAReplaceThatStoppedHalfway) {
  // On Windows 9x the old file is moved aside before the new one takes its place.
  Folder.Write("t.ini.TesmoraGL-old", "[S]\r\nK=old\r\n");
  Folder.Write("t.ini.TesmoraGL-new", "[S]\r\nK=new\r\n");
  TIniFile ini(PathOf("t.ini"));
  EXPECT_EQ(ini.ReadString("S", "K", ""), "old");
  ini.WriteString("S", "K", "newer");
  EXPECT_EQ(Folder.Read("t.ini"), "[S]\r\nK=newer\r\n");
  EXPECT_EQ(Folder.FileNames(), (std::vector<std::string>{"t.ini"}));
}

TEST_F(IniFileTest, AFileTheUserDeletedDoesNotComeBack) {
  // Neither a user's own file of the backup's name nor a backup left without the rest of an
  // unfinished replace proves that one of ours stopped half-way.
  for (const std::string& backup : {PathOf("t.ini.old"), BackupFileName(PathOf("t.ini"))}) {
    TScratchFolder folder;
    std::string name = backup.substr(backup.rfind('/') + 1);
    folder.Write(name, "[S]\r\nK=kept\r\n");
    TIniFile ini(folder.Path() + "t.ini");
    EXPECT_EQ(ini.ReadString("S", "K", "none"), "none") << name;
    EXPECT_EQ(folder.FileNames(), (std::vector<std::string>{name}));
    ini.WriteString("S", "K", "new");
    EXPECT_EQ(folder.Read("t.ini"), "[S]\r\nK=new\r\n");
    EXPECT_EQ(folder.Read(name), "[S]\r\nK=kept\r\n") << name;
  }
}

TEST_F(IniFileTest, AReadOnlyFileIsRefusedEveryTimeAndNothingIsLeftBehind) {
  Folder.Write("t.ini", "[S]\r\nK=1\r\n");
  ASSERT_EQ(::chmod(PathOf("t.ini").c_str(), 0444), 0);
  TIniFile ini(PathOf("t.ini"));
  for (int attempt = 0; attempt < 2; ++attempt) {
    try {
      ini.WriteString("S", "K", "2");
      ADD_FAILURE() << "written";
    } catch (const EError& error) {
      EXPECT_EQ(error.what(), "Unable to write to " + PathOf("t.ini"));
    }
  }
  EXPECT_EQ(ini.ReadString("S", "K", ""), "1");
  EXPECT_EQ(Folder.FileNames(), (std::vector<std::string>{"t.ini"}));
}

// The bytes of a text saved as "Unicode" by Notepad: a byte order mark, then UTF-16.
std::string Utf16File(std::u16string_view text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t unit : text) {
    char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

TEST_F(IniFileTest, UnicodeFilesAreReadAndWrittenInTheirOwnByteOrder) {
  const std::u16string games = u"[Arena]\r\nPath=C:\\Arena.exe\r\n[Caf\u00E9 \u20AC]\r\nPath=x\r\n";
  for (bool bigEndian : {false, true}) {
    Folder.Write("Games.CFG", Utf16File(games, bigEndian));
    TIniFile ini(PathOf("Games.CFG"));
    TStrings sections;
    ini.ReadSections(sections);
    EXPECT_EQ(sections, (TStrings{"Arena", "Caf\xE9 \x80"})) << bigEndian;
    EXPECT_EQ(ini.ReadString("Arena", "Path", ""), "C:\\Arena.exe") << bigEndian;
    ini.WriteString("Arena", "Parameters", "-w\xE9");
    EXPECT_EQ(Folder.Read("Games.CFG"),
              Utf16File(u"[Arena]\r\nPath=C:\\Arena.exe\r\nParameters=-w\u00E9\r\n[Caf\u00E9 \u20AC]"
                        u"\r\nPath=x\r\n",
                        bigEndian))
        << bigEndian;
  }
}

TEST_F(IniFileTest, AUnicodeFileThatWouldLoseCharactersIsReadButNeverWritten) {
  const std::string bytes = Utf16File(u"[\u0416\u0443\u043A]\r\nPath=x\r\n[Arena]\r\nPath=y\r\n", false);
  Folder.Write("Games.CFG", bytes);
  TIniFile ini(PathOf("Games.CFG"));
  EXPECT_EQ(ini.ReadString("Arena", "Path", ""), "y");
  try {
    ini.WriteString("Arena", "Path", "z");
    ADD_FAILURE() << "written";
  } catch (const EError& error) {
    EXPECT_EQ(error.what(), "Unable to write to " + PathOf("Games.CFG") +
                                ": its Unicode text has characters outside this system's code page");
  }
  EXPECT_EQ(Folder.Read("Games.CFG"), bytes);
  EXPECT_EQ(Folder.FileNames(), (std::vector<std::string>{"Games.CFG"}));
}

TEST_F(IniFileTest, AFileTooLargeToHoldIsRefusedWithAClearMessage) {
  const std::string tooLarge =
      "The file " + PathOf("t.ini") + " is too large (over 64 MB or 4,000,000 lines)";
  auto sizeOf = [this] {
    struct stat info {};
    return ::stat(PathOf("t.ini").c_str(), &info) == 0 ? info.st_size : -1;
  };
  std::string manyLines;
  for (int i = 0; i <= 4000000; ++i) manyLines += "a\n";
  // A damaged disk leaves files of zeros; one a byte beyond 64 MB, then too many lines.
  for (int variant = 0; variant < 2; ++variant) {
    if (variant == 0) {
      Folder.Write("t.ini", "");
      ASSERT_EQ(::truncate(PathOf("t.ini").c_str(), (64 << 20) + 1), 0);
    } else {
      Folder.Write("t.ini", manyLines);
    }
    const off_t size = sizeOf();
    TIniFile ini(PathOf("t.ini"));
    for (auto operation : {+[](TIniFile& file) { file.ReadString("S", "K", ""); },
                           +[](TIniFile& file) { file.WriteString("S", "K", "V"); }}) {
      try {
        operation(ini);
        ADD_FAILURE() << "accepted " << variant;
      } catch (const EError& error) {
        EXPECT_EQ(error.what(), tooLarge);
      }
    }
    EXPECT_EQ(sizeOf(), size);
  }
  // Blank lines and comments cost nothing to hold.
  Folder.Write("t.ini", std::string(5000000, '\n') + "; note\r\n[S]\r\nK=1\r\n");
  EXPECT_EQ(TIniFile(PathOf("t.ini")).ReadString("S", "K", ""), "1");
}

TEST_F(IniFileTest, UnwritableFolderRaisesUnableToWrite) {
  TIniFile ini(Folder.Path() + "no/such/folder/t.ini");
  try {
    ini.WriteString("S", "K", "V");
    FAIL();
  } catch (const EError& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to write to " + Folder.Path() + "no/such/folder/t.ini");
  }
}

TEST_F(IniFileTest, ModifyWritesManyChangesOnceAndNothingWhenNothingChanged) {
  TCountingFileSystem counting;
  TPlatformScope scope(PlatformWith(counting));
  TIniFile ini(PathOf("t.ini"));
  ini.Modify([](TIniDocument& document) {
    for (int i = 0; i < 100; ++i) document.Set("S" + std::to_string(i % 10), "K", "V");
  });
  EXPECT_EQ(counting.Writes, 1);
  ini.Modify([](TIniDocument& document) { document.EraseSection("Missing"); });
  ini.EraseSection("Missing");
  ini.DeleteKey("S1", "Missing");
  EXPECT_EQ(counting.Writes, 1);
  EXPECT_EQ(ini.ReadString("s9", "k", ""), "V");
}

TEST_F(IniFileTest, AnEditThatFailsHalfwayChangesNothing) {
  Folder.Write("t.ini", "[S]\r\nK=old\r\n");
  TIniFile ini(PathOf("t.ini"));
  EXPECT_EQ(ini.ReadString("S", "K", ""), "old");
  EXPECT_THROW(ini.Modify([](TIniDocument& document) {
    document.Set("S", "K", "half");
    throw EError("stop");
  }),
               EError);
  EXPECT_THROW(ini.Modify([](TIniDocument& document) {
    document.Set("S", "K", "half");
    document.Set("S", "K", "line\r\nbreak");
  }),
               EError);
  EXPECT_EQ(Folder.Read("t.ini"), "[S]\r\nK=old\r\n");
  EXPECT_EQ(ini.ReadString("S", "K", ""), "old");
}

// An existing file that cannot be read at the moment, as when another program holds it.
class TUnreadable : public TPosixFileSystem {
public:
  bool ReadFileInto(const std::string&, size_t, std::string& content) const override {
    content.clear();
    return false;
  }
};

TEST_F(IniFileTest, AFileThatCannotBeReadIsNeverReplacedByAnEdit) {
  Folder.Write("t.ini", "[S]\r\nK=1\r\n[Other]\r\nX=2\r\n");
  TUnreadable unreadable;
  TPlatformScope scope(PlatformWith(unreadable));
  TIniFile ini(PathOf("t.ini"));
  EXPECT_EQ(ini.ReadString("S", "K", "default"), "default");
  EXPECT_THROW(ini.WriteString("S", "K", "3"), EError);
  EXPECT_EQ(Folder.Read("t.ini"), "[S]\r\nK=1\r\n[Other]\r\nX=2\r\n");
}

TEST_F(IniFileTest, ASameSizeRewriteWithTheSameTimeIsSeen) {
  // FAT keeps write times in two-second steps and copy tools keep them: neither size nor
  // time tells these two versions apart.
  Folder.Write("t.ini", "[S]\r\nK=1\r\n");
  TIniFile ini(PathOf("t.ini"));
  EXPECT_EQ(ini.ReadString("S", "K", ""), "1");
  struct stat before {};
  ASSERT_EQ(::stat(PathOf("t.ini").c_str(), &before), 0);
  Folder.Write("t.ini", "[S]\r\nK=2\r\n");
  timespec times[2] = {before.st_atim, before.st_mtim};
  ASSERT_EQ(::utimensat(AT_FDCWD, PathOf("t.ini").c_str(), times, 0), 0);
  struct stat after {};
  ASSERT_EQ(::stat(PathOf("t.ini").c_str(), &after), 0);
  ASSERT_EQ(after.st_size, before.st_size);
  ASSERT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
  ASSERT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
  EXPECT_EQ(ini.ReadString("S", "K", ""), "2");
  ini.WriteString("S", "L", "3");
  EXPECT_EQ(Folder.Read("t.ini"), "[S]\r\nK=2\r\nL=3\r\n");
}

TEST_F(IniFileTest, ASnapshotKeepsItsVersionAndAnUnchangedFileIsNotParsedAgain) {
  Folder.Write("t.ini", "[S]\r\nK=1\r\n");
  TIniFile ini(PathOf("t.ini"));
  std::shared_ptr<const TIniDocument> first = ini.Snapshot();
  EXPECT_EQ(ini.Snapshot(), first);
  ini.WriteString("S", "K", "2");
  EXPECT_EQ(first->Find("S", "K"), "1");
  std::shared_ptr<const TIniDocument> second = ini.Snapshot();
  EXPECT_NE(second, first);
  EXPECT_EQ(second->Find("S", "K"), "2");

  TIniSnapshot reader(PathOf("t.ini"), second);
  TStrings values;
  reader.ReadSectionValues("S", values);
  EXPECT_EQ(values, TStrings{"K=2"});
  try {
    reader.WriteString("S", "K", "3");
    FAIL();
  } catch (const EError& error) {
    EXPECT_STREQ(error.what(), "TIniSnapshot: couldn't modify data (only read allowed)");
  }
}

// The file is compared with the kept copy piece by piece: a change anywhere in it is seen,
// also one byte in its last piece of a file larger than several pieces, and a Unicode file,
// whose bytes never equal its text, is still not parsed again while it does not change.
TEST_F(IniFileTest, AnUnchangedFileKeepsItsCopyAndAChangeAnywhereInItIsSeen) {
  std::string text = "[S]\r\nK=1\r\n";
  while (text.size() < 3 * TFileSystem::ComparedPieceSize) text += "[Filler]\r\nX=0123456789\r\n";
  text += "[Last]\r\nL=a\r\n";
  Folder.Write("big.ini", text);
  TIniFile ini(PathOf("big.ini"));
  std::shared_ptr<const TIniDocument> first = ini.Snapshot();
  EXPECT_EQ(ini.Snapshot(), first);

  text[text.size() - 3] = 'b';
  Folder.Write("big.ini", text);
  std::shared_ptr<const TIniDocument> second = ini.Snapshot();
  EXPECT_NE(second, first);
  EXPECT_EQ(second->Find("Last", "L"), "b");
  Folder.Write("big.ini", text + "\r\n");
  EXPECT_NE(ini.Snapshot(), second);

  const char wideText[] = "\xFF\xFE[\0S\0]\0\r\0\n\0K\0=\0" "1\0";
  Folder.Write("wide.ini", std::string(wideText, sizeof wideText - 1));
  TIniFile wide(PathOf("wide.ini"));
  std::shared_ptr<const TIniDocument> unicode = wide.Snapshot();
  EXPECT_EQ(unicode->Find("S", "K"), "1");
  EXPECT_EQ(wide.Snapshot(), unicode);
}

}  // namespace
}  // namespace tgl::test
