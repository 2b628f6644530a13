#include "config/ConfigFiles.h"

#include <sys/stat.h>

#include "base/Errors.h"
#include "support/CountingFileSystem.h"
#include "support/TestSupport.h"

namespace tgl::test {
namespace {

// Counts the files written, to see repeated exports.
class TWriteRecorder : public TPosixFileSystem {
public:
  void WriteFile(const std::string& path, std::string_view bytes) override {
    Written.push_back(path.substr(path.rfind('/') + 1));
    TPosixFileSystem::WriteFile(path, bytes);
  }
  std::vector<std::string> Written;
};

using ConfigFilesTest = TCoreTest;

TEST_F(ConfigFilesTest, DiskFileWinsOverTheEmbeddedTextWhateverItsCase) {
  EXPECT_EQ(OpenConfigFile("Cards.CFG")->ReadString("Files", "GeForce", ""), "GeForce");
  Folder.Write("cards.cfg", "[Files]\r\nGeForce=MyGeForce\r\n");
  std::unique_ptr<TCustomIniFile> disk = OpenConfigFile("Cards.CFG");
  EXPECT_EQ(disk->ReadString("Files", "GeForce", ""), "MyGeForce");
  // The disk file replaces the embedded text completely.
  EXPECT_EQ(disk->ReadString("Idents", "VEN_10DE&DEV_0110", "none"), "none");
}

TEST_F(ConfigFilesTest, NameWithoutTextOrFileGivesAnEmptyReader) {
  std::unique_ptr<TCustomIniFile> reader = OpenConfigFile("RadeonNT.CFG");
  TStrings sections{"x"};
  reader->ReadSections(sections);
  EXPECT_TRUE(sections.empty());
  EXPECT_TRUE(ResourceExists("geforce"));
  EXPECT_FALSE(ResourceExists("RadeonNT"));
}

TEST_F(ConfigFilesTest, EveryNameOfOneFileOrTextHasOneIdentity) {
  ASSERT_EQ(::mkdir((Folder.Path() + "sub").c_str(), 0755), 0);
  Folder.Write("A.CFG", "");
  const std::string a = FindConfigFile("A.CFG").Identity();
  EXPECT_FALSE(a.empty());
  for (const char* name : {"./A.CFG", "sub/../A.CFG", ".//./A.CFG", "a.cfg"})
    EXPECT_EQ(FindConfigFile(name).Identity(), a) << name;
  EXPECT_EQ(FindConfigFile("geforce.cfg").Identity(), FindConfigFile("GeForce.CFG").Identity());
  EXPECT_NE(FindConfigFile("GeForce.CFG").Identity(), a);
  EXPECT_EQ(FindConfigFile("Nowhere.CFG").Identity(), "");
  // A disk file is a file of its own, even when an embedded text has its name.
  auto identityOf = [](const std::string& diskPath, const std::string& resource = "") {
    return TConfigSource{diskPath, resource}.Identity();
  };
  Folder.Write("TNT.CFG", "");
  EXPECT_NE(FindConfigFile("TNT.CFG").Identity(), identityOf("", "TNT"));

  // Windows paths, as Windows resolves them.
  const std::string windows = identityOf("C:\\Games\\Tesmora\\A.CFG");
  for (const char* path : {"c:/games/tesmora/a.cfg", "C:\\Games\\Tesmora.\\.\\A.CFG",
                           "C:\\Games\\Tesmora \\Sub\\..\\A.CFG",
                           "C:\\Games\\\\Tesmora\\A.CFG"})
    EXPECT_EQ(identityOf(path), windows) << path;
  EXPECT_NE(identityOf("C:\\Games\\A.CFG"), windows);
}

TEST_F(ConfigFilesTest, ReadConfigFileReadsADiskFileOnceForAllItsLookups) {
  Folder.Write("Main.CFG", "[S]\r\nA=1\r\nB=2\r\n");
  TCountingFileSystem counting;
  TPlatformScope scope(PlatformWith(counting));
  std::unique_ptr<TCustomIniFile> reader = ReadConfigFile("main.cfg");
  Folder.Write("Main.CFG", "[S]\r\nA=changed\r\n");
  EXPECT_EQ(reader->ReadString("S", "A", ""), "1");
  EXPECT_EQ(reader->ReadString("s", "b", ""), "2");
  EXPECT_TRUE(reader->ValueExists("S", "B"));
  EXPECT_EQ(counting.Reads, 1);
  EXPECT_EQ(ReadConfigFile("GeForce.CFG")->ReadString("%General%", "include", ""), "TNT");
  EXPECT_EQ(counting.Reads, 1);
}

TEST_F(ConfigFilesTest, ExportAllWritesTheCatalogueAndEveryFileItNames) {
  TWriteRecorder recorder;
  TPlatformScope scope(PlatformWith(recorder));
  ExportAllConfigFiles();
  EXPECT_EQ(recorder.Written,
            (std::vector<std::string>{"Cards.Cfg", "Voodoo3.Cfg", "Vsa100.Cfg", "Voodoo4.Cfg",
                                      "Vsa100.Cfg", "Voodoo6000.Cfg", "RagePro.Cfg", "Radeon.Cfg",
                                      "TNT.Cfg", "GeForce.Cfg"}));
  for (const char* name : {"Cards", "Voodoo3", "Vsa100", "Voodoo4", "Voodoo6000", "RagePro",
                           "Radeon", "TNT", "GeForce"})
    EXPECT_EQ(Folder.Read(std::string(name) + ".Cfg"), ResourceFileBytes(std::string(name) + ".CFG"))
        << name;
  // From now on the exported catalogue is the one that is read.
  Folder.Write("Cards.Cfg", "[Files]\r\nTNT=Other\r\n");
  EXPECT_EQ(OpenConfigFile("Cards.CFG")->ReadString("Files", "TNT", ""), "Other");
}

TEST_F(ConfigFilesTest, ExportAllReplacesAnEditedCatalogueBeforeReadingIt) {
  Folder.Write("Cards.CFG", "[Files]\r\nMine=TNT\r\n[FilesNT]\r\nMine=GeForce\r\n");
  TWriteRecorder recorder;
  TPlatformScope scope(PlatformWith(recorder));
  ExportAllConfigFiles();
  // The disk reader reads the freshly exported catalogue, so the embedded list is written.
  EXPECT_EQ(recorder.Written,
            (std::vector<std::string>{"Cards.CFG", "Voodoo3.Cfg", "Vsa100.Cfg", "Voodoo4.Cfg",
                                      "Vsa100.Cfg", "Voodoo6000.Cfg", "RagePro.Cfg", "Radeon.Cfg",
                                      "TNT.Cfg", "GeForce.Cfg"}));
  EXPECT_EQ(Folder.Read("Cards.CFG"), ResourceFileBytes("Cards.CFG"));
}

TEST_F(ConfigFilesTest, HandleExportCommandArgumentForms) {
  struct Case {
    TStrings Arguments;
    bool Done;
    const char* WrittenFile;
  } cases[] = {
      {{}, false, nullptr},
      {{"/export:"}, false, nullptr},
      {{"/export:nosuchfile"}, false, nullptr},
      {{"/exportx"}, false, nullptr},
      {{"/?", "/exportall"}, false, nullptr},
      {{"/export:geforce", "/exportall"}, true, "GEFORCE.Cfg"},
      {{"/EXPORT:Tnt"}, true, "TNT.Cfg"},
      {{"/ExportAll"}, true, "Cards.Cfg"},
      {{"/EXPORTALL"}, true, "GeForce.Cfg"},
  };
  for (const Case& c : cases) {
    TScratchFolder folder;
    Startup().ProgramDir = folder.Path();
    EXPECT_EQ(HandleExportCommand(c.Arguments), c.Done) << ::testing::PrintToString(c.Arguments);
    if (c.WrittenFile)
      EXPECT_TRUE(folder.Exists(c.WrittenFile)) << c.WrittenFile;
    else
      EXPECT_TRUE(folder.FileNames().empty());
  }
}

TEST_F(ConfigFilesTest, ExportReplacesAnExistingFileOfAnyCase) {
  Folder.Write("geforce.cfg", "old");
  EXPECT_TRUE(ExportConfigFile("GEFORCE"));
  EXPECT_EQ(Folder.FileNames(), (std::vector<std::string>{"geforce.cfg"}));
  EXPECT_EQ(Folder.Read("geforce.cfg"), ResourceFileBytes("GeForce.CFG"));
}

TEST_F(ConfigFilesTest, ExportToAnUncreatableFileNamesIt) {
  Startup().ProgramDir = Folder.Path() + "missing/";
  try {
    ExportConfigFile("TNT");
    FAIL();
  } catch (const EError& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot create file " + Folder.Path() + "missing/TNT.Cfg");
  }
}

}  // namespace
}  // namespace tgl::test
