// The real TesmoraGL.exe under Wine: its command line, the files it writes, its log, its
// message boxes and its single instance.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "WineHarness.h"

namespace tgl::wine {
namespace {

const char* const EmbeddedTexts[] = {"Cards",      "Voodoo3", "Vsa100", "Voodoo4", "Voodoo6000",
                                     "RagePro",    "Radeon",  "TNT",    "GeForce"};
const int ExitTimeout = 30;

TEST(ProgramEntry, HelpShowsTheSwitchesAndEnds) {
  TProgramFolder folder;
  TWineProcess program(folder.Exe(), {"/?", "/exportall"}, folder.Path());
  EXPECT_EQ(ReadMessageBoxAndPressOk(),
            "Possible command line parameters:\\r"
            "  /minimized - start TesmoraGL minimized in traybar\\r"
            "  /exportall - Export all configuration files\\r"
            "  /export:name - Export \"name\" configuration file\\r"
            "  /run:\"title\" - Apply the settings of game \"title\" and start it\\r"
            "  /apply:\"title\" - Apply the settings of game \"title\"\\r"
            "  /apply:Default - Apply the default settings\\r"
            "  /? - This message will be displayed");
  EXPECT_EQ(program.Wait(ExitTimeout), 0);
  EXPECT_EQ(folder.FileNames(), (std::vector<std::string>{"TesmoraGL.exe"}));
}

TEST(ProgramEntry, ExportAllWritesTheNineTextsByteForByte) {
  TProgramFolder folder;
  TWineProcess program(folder.Exe(), {"/ExportAll"}, folder.Path());
  EXPECT_EQ(ReadMessageBoxAndPressOk(), "Export succesfull completed");
  EXPECT_EQ(program.Wait(ExitTimeout), 0);
  for (const char* name : EmbeddedTexts)
    EXPECT_EQ(folder.Read(std::string(name) + ".Cfg"),
              ReadBytes(SourceDir() + "/resources/" + name + ".CFG"))
        << name;
  EXPECT_EQ(folder.FileNames().size(), 10u);
}

TEST(ProgramEntry, ExportOfOneTextUsesTheUpperCaseName) {
  TProgramFolder folder;
  TWineProcess program(folder.Exe(), {"/export:geforce"}, folder.Path());
  EXPECT_EQ(ReadMessageBoxAndPressOk(), "Export succesfull completed");
  EXPECT_EQ(program.Wait(ExitTimeout), 0);
  EXPECT_EQ(folder.FileNames(), (std::vector<std::string>{"GEFORCE.Cfg", "TesmoraGL.exe"}));
  EXPECT_EQ(folder.Read("GEFORCE.Cfg"), ReadBytes(SourceDir() + "/resources/GeForce.CFG"));
}

TEST(ProgramEntry, AFailedExportIsShownAndEndsWithExitCodeOne) {
  TProgramFolder folder;
  ASSERT_EQ(::mkdir((folder.Path() + "TNT.Cfg").c_str(), 0755), 0);
  TWineProcess program(folder.Exe(), {"/export:TNT"}, folder.Path());
  EXPECT_EQ(ReadMessageBoxAndPressOk(),
            "Cannot create file " + WindowsPath(folder.Path()) + "TNT.Cfg");
  EXPECT_EQ(program.Wait(ExitTimeout), 1);
}

TEST(ProgramEntry, UnknownExportNameStartsTheProgramNormally) {
  TProgramFolder folder;
  TWineProcess program(folder.Exe(), {"/export:nosuchfile"}, folder.Path());
  TRunResult window = RunDriver({"shown", "TTesmoraGLxForm", "20000"});
  EXPECT_EQ(window.ExitCode, 0) << window.Output;
  EXPECT_NE(window.Output.find("title= Default  - Tesmora Game Launcher"), std::string::npos)
      << window.Output;
  EXPECT_EQ(RunDriver({"close", "TTesmoraGLxForm"}).ExitCode, 0);
  EXPECT_EQ(program.Wait(ExitTimeout), 0);
  // Nothing exported; the settings are saved as the program ends.
  EXPECT_EQ(folder.FileNames(), (std::vector<std::string>{"Games.CFG", "TesmoraGL.exe"}));
  EXPECT_EQ(folder.Read("Games.CFG").rfind("[%%Configuration]\r\n", 0), 0u);
}

TEST(ProgramEntry, LogHoldsTheExactOpeningLines) {
  TProgramFolder folder;
  folder.Write("Games.CFG", "[%%Configuration]\r\nWriteLog=1\r\n");
  TWineProcess program(folder.Exe(), {"/?"}, folder.Path());
  ReadMessageBoxAndPressOk();
  ASSERT_EQ(program.Wait(ExitTimeout), 0);
  const std::string lines =
      "\r\n--=== Start of program ===--\r\nStarting in \"" + WindowsPath(folder.Path()) + "\"";
  EXPECT_EQ(folder.Read("TesmoraGL.Log"), lines);
}

TEST(ProgramEntry, ASecondStartBringsTheFirstToTheFrontAndEnds) {
  TProgramFolder folder;
  TWineProcess first(folder.Exe(), {}, folder.Path());
  ASSERT_EQ(RunDriver({"shown", "TTesmoraGLxForm", "20000"}).ExitCode, 0);
  ASSERT_EQ(RunDriver({"minimize", "TTesmoraGLxForm"}).ExitCode, 0);

  TRunResult second = RunWine(folder.Exe(), {}, folder.Path(), ExitTimeout);
  EXPECT_EQ(second.ExitCode, 0);
  TRunResult shown = RunDriver({"shown", "TTesmoraGLxForm", "10000"});
  EXPECT_EQ(shown.ExitCode, 0) << shown.Output;
  EXPECT_NE(shown.Output.find("iconic=0"), std::string::npos) << shown.Output;

  EXPECT_EQ(RunDriver({"close", "TTesmoraGLxForm"}).ExitCode, 0);
  EXPECT_EQ(first.Wait(ExitTimeout), 0);
}

}  // namespace
}  // namespace tgl::wine
