#include "config/Log.h"
#include "app/Startup.h"
#include "base/WindowsVersion.h"

#include "base/Errors.h"
#include "support/TestSupport.h"

namespace tgl::test {
namespace {

using LogAndStartupTest = TCoreTest;

const TOsVersion Windows98{PlatformWindows, 4, 10};

TEST_F(LogAndStartupTest, StartWithLoggingOnWritesTheTwoOpeningLines) {
  Folder.Write("Games.CFG", "[%%Configuration]\r\nWriteLog=1\r\n");
  InitializeStartup(Folder.Path() + "TesmoraGL.exe", Windows98);
  const std::string start = "\r\n--=== Start of program ===--\r\nStarting in \"" + Folder.Path() + "\"";
  EXPECT_EQ(Folder.Read("TesmoraGL.Log"), start);
  EXPECT_EQ(Startup().WindowsVersion, wvWindows98);
  EXPECT_EQ(Startup().ProgramFile, Folder.Path() + "TesmoraGL.exe") << "what shortcuts start";

  InitializeStartup(Folder.Path() + "TesmoraGL.exe", Windows98);
  WriteLog("");
  EXPECT_EQ(Folder.Read("TesmoraGL.Log"), start + start + "\r\n");
}

TEST_F(LogAndStartupTest, WithoutTheSwitchNoLogIsTouched) {
  for (const char* games : {"", "[%%Configuration]\r\nWriteLog=0\r\n", "[%%Configuration]\r\nWriteLog=yes\r\n"}) {
    TScratchFolder folder;
    if (*games) folder.Write("Games.CFG", games);
    InitializeStartup(folder.Path() + "TesmoraGL.exe", Windows98);
    EXPECT_FALSE(Startup().LogEnabled);
    EXPECT_EQ(Startup().ProgramDir, folder.Path());
    EXPECT_EQ(Startup().ProgramFile, folder.Path() + "TesmoraGL.exe");
  }
  EXPECT_FALSE(Folder.Exists("TesmoraGL.Log"));
}

TEST_F(LogAndStartupTest, LogGoesToTheWorkingDirectoryAndKeepsAnExistingFile) {
  TScratchFolder program;
  program.Write("Games.CFG", "[%%Configuration]\r\nWriteLog=1\r\n");
  Folder.Write("TesmoraGL.Log", "earlier text");
  InitializeStartup(program.Path() + "TesmoraGL.exe", Windows98);
  EXPECT_FALSE(program.Exists("TesmoraGL.Log"));
  EXPECT_EQ(Folder.Read("TesmoraGL.Log").substr(0, 14), "earlier text\r\n");
}

TEST_F(LogAndStartupTest, AnUncreatableLogRaisesCannotCreateFile) {
  Startup().LogEnabled = true;
  ASSERT_EQ(::mkdir((Folder.Path() + "TesmoraGL.Log").c_str(), 0755), 0);
  try {
    WriteLog("x");
    FAIL();
  } catch (const EError& error) {
    EXPECT_STREQ(error.what(), "Cannot create file TesmoraGL.Log");
  }
}

TEST(WindowsVersionTest, MapsTheReportedVersionNumbers) {
  struct Case {
    TOsVersion Os;
    int Expected;
    const char* System;
  } cases[] = {
      {{PlatformWindows, 4, 0}, wvWindows95, "95"},
      {{PlatformWindows, 4, 9}, wvWindows95, "95 (minor 9)"},
      {{PlatformWindows, 4, 10}, wvWindows98, "98"},
      {{PlatformWindows, 4, 89}, wvWindows98, "98 (minor 89)"},
      {{PlatformWindows, 4, 90}, wvWindowsMe, "Me"},
      {{PlatformWindows, 3, 95}, wvUnsupported, "9x below 4"},
      {{PlatformNT, 4, 0}, wvUnsupported, "NT 4.0"},
      {{PlatformNT, 5, 0}, wvWindows2000, "2000"},
      {{PlatformNT, 5, 1}, wvWindows2000, "XP"},
      {{PlatformNT, 10, 0}, wvWindows2000, "10"},
      {{PlatformWin32s, 3, 10}, wvUnsupported, "Win32s"},
  };
  for (const Case& c : cases) EXPECT_EQ(WindowsVersionOf(c.Os), c.Expected) << c.System;
}

}  // namespace
}  // namespace tgl::test
