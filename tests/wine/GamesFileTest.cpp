// Games.CFG written through the real file calls, as Windows 95, 98 and Me (which cannot
// replace a file in one step) and as Windows 2000: a read-only file, the user's own files beside it, a file
// the user deleted, and a file saved as "Unicode".
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>

#include "WineHarness.h"

namespace tgl::wine {
namespace {

class GamesFileTest : public ::testing::TestWithParam<const char*> {
protected:
  GamesFileTest() {
    Folder.Write("gamesfileprobe.exe", ReadBytes(ExeDir() + "/gamesfileprobe.exe"));
    SetWindowsVersion(GetParam());
  }
  ~GamesFileTest() override { RunReg({"delete", "HKCU\\Software\\Wine", "/v", "Version", "/f"}); }

  // The probe's output after its VERSION line; EXPECTs its exit code.
  std::vector<std::string> Probe(const std::vector<std::string>& arguments, int exitCode = 0) {
    TRunResult result = RunWine(Folder.Path() + "gamesfileprobe.exe", arguments, Folder.Path(), 60);
    EXPECT_EQ(result.ExitCode, exitCode) << result.Output;
    std::vector<std::string> lines = OutputLines(result.Output);
    if (!lines.empty()) lines.erase(lines.begin());
    return lines;
  }
  std::vector<std::string> Write(const std::string& section, const std::string& key,
                                 const std::string& value, int exitCode = 0) {
    return Probe({"write", section, key, value}, exitCode);
  }
  std::string Read(const std::string& section, const std::string& key) {
    std::vector<std::string> lines = Probe({"read", section, key});
    return lines.size() == 1 && lines[0].rfind("VALUE ", 0) == 0 ? lines[0].substr(6) : "<none>";
  }
  std::vector<std::string> FilesBesideTheProgram(std::vector<std::string> names) const {
    names.insert(names.end(), {"TesmoraGL.exe", "gamesfileprobe.exe"});
    std::sort(names.begin(), names.end());
    return names;
  }

  TProgramFolder Folder;
};

TEST_P(GamesFileTest, AReadOnlyGamesCfgIsRefusedEveryTimeAndNothingIsLeftBehind) {
  Folder.Write("Games.CFG", "[S]\r\nK=1\r\n");
  ASSERT_EQ(::chmod((Folder.Path() + "Games.CFG").c_str(), 0444), 0);
  const std::string refused = "ERROR Unable to write to " + WindowsPath(Folder.Path()) + "Games.CFG";
  EXPECT_EQ(Write("S", "K", "2", 1), std::vector<std::string>{refused});
  EXPECT_EQ(Write("S", "K", "3", 1), std::vector<std::string>{refused});
  EXPECT_EQ(Read("S", "K"), "1");
  EXPECT_EQ(Folder.FileNames(), FilesBesideTheProgram({"Games.CFG"}));
}

TEST_P(GamesFileTest, SavesLeaveTheUsersOwnFilesAndNoFileOfTheirOwn) {
  Folder.Write("Games.CFG", "[S]\r\nK=1\r\n");
  for (const char* mine : {"Games.CFG.old", "Games.CFG.new"}) Folder.Write(mine, "mine");
  EXPECT_TRUE(Write("S", "K", "2").empty());
  EXPECT_TRUE(Write("S", "L", "3").empty());
  EXPECT_EQ(Folder.Read("Games.CFG"), "[S]\r\nK=2\r\nL=3\r\n");
  for (const char* mine : {"Games.CFG.old", "Games.CFG.new"}) EXPECT_EQ(Folder.Read(mine), "mine");
  EXPECT_EQ(Folder.FileNames(),
            FilesBesideTheProgram({"Games.CFG", "Games.CFG.new", "Games.CFG.old"}));
}

TEST_P(GamesFileTest, AGamesCfgTheUserDeletedIsNotBroughtBackAtStart) {
  Folder.Write("Games.CFG.old", "[%%Configuration]\r\nWriteLog=1\r\n");
  Folder.Write("Games.CFG.TesmoraGL-old", "[%%Configuration]\r\nWriteLog=1\r\n");
  TWineProcess program(Folder.Exe(), {"/?"}, Folder.Path());
  ReadMessageBoxAndPressOk();
  ASSERT_EQ(program.Wait(30), 0);
  EXPECT_EQ(Read("%%Configuration", "WriteLog"), "");
  EXPECT_EQ(Folder.FileNames(),
            FilesBesideTheProgram({"Games.CFG.TesmoraGL-old", "Games.CFG.old"}));
}

// Notepad's "Unicode": a byte order mark, then UTF-16 little-endian.
std::string Utf16(const std::string& ascii) {
  std::string bytes = "\xFF\xFE";
  for (char c : ascii) bytes += std::string{c, '\0'};
  return bytes;
}

TEST_P(GamesFileTest, AUnicodeGamesCfgIsReadAndStaysUnicode) {
  Folder.Write("Games.CFG", Utf16("[Arena]\r\nPath=C:\\Arena.exe\r\n"));
  EXPECT_EQ(Read("Arena", "Path"), "C:\\Arena.exe");
  EXPECT_TRUE(Write("Arena", "Parameters", "-window").empty());
  EXPECT_EQ(Folder.Read("Games.CFG"),
            Utf16("[Arena]\r\nPath=C:\\Arena.exe\r\nParameters=-window\r\n"));
}

INSTANTIATE_TEST_SUITE_P(EveryWindows, GamesFileTest,
                         ::testing::Values("win95", "win98", "winme", "win2k"));

}  // namespace
}  // namespace tgl::wine
