#include "config/FileReplace.h"

#include <sys/stat.h>

#include <set>

#include "support/TestSupport.h"

namespace tgl::test {
namespace {

// The file calls as Windows 9x makes them: no replacing move, a rename never lands on an
// existing file, and a read-only file cannot be removed. Single steps can be made to fail,
// as a full disk, a virus scanner holding the file or a crash would make them.
class TWindows9xFiles : public TPosixFileSystem {
public:
  bool CanReplaceInOneStep() const override { return false; }
  bool ReplaceInOneStep(const std::string&, const std::string&) override { return false; }
  bool RenameFile(const std::string& source, const std::string& target) override {
    if (FailingRenames.count(source + ">" + target)) return false;
    return TPosixFileSystem::RenameFile(source, target);
  }
  bool RemoveFile(const std::string& path) noexcept override {
    if (IsReadOnly(path) || FailingRemovals.count(path)) return false;
    return TPosixFileSystem::RemoveFile(path);
  }
  std::set<std::string> FailingRenames;  // "source>target"
  std::set<std::string> FailingRemovals;
};

class FileReplaceTest : public TCoreTest {
protected:
  std::string PathOf(const std::string& name) const { return Folder.Path() + name; }
  std::vector<std::string> Names() const { return Folder.FileNames(); }
  void FailRename(const std::string& from, const std::string& to) {
    Windows9x.FailingRenames.insert(PathOf(from) + ">" + PathOf(to));
  }

  TWindows9xFiles Windows9x;
  const std::string Backup = "t.ini.TesmoraGL-old";
  const std::string Fresh = "t.ini.TesmoraGL-new";
};

TEST_F(FileReplaceTest, SideFilesHaveNamesOfTheirOwnAndUsersFilesAreNeverTouched) {
  EXPECT_EQ(BackupFileName(PathOf("t.ini")), PathOf(Backup));
  EXPECT_EQ(ReplacementFileName(PathOf("t.ini")), PathOf(Fresh));
  for (TFileSystem* files : std::initializer_list<TFileSystem*>{&FileSystem, &Windows9x}) {
    TScratchFolder folder;
    for (const char* mine : {"t.ini.old", "t.ini.new", "t.ini.bak"}) folder.Write(mine, "mine");
    folder.Write("t.ini", "old");
    ASSERT_TRUE(ReplaceFileContent(*files, folder.Path() + "t.ini", "new"));
    ASSERT_TRUE(ReplaceFileContent(*files, folder.Path() + "t.ini", "newer"));
    ASSERT_TRUE(ReplaceFileContent(*files, folder.Path() + "fresh.ini", "created"));
    EXPECT_EQ(folder.FileNames(), (std::vector<std::string>{"fresh.ini", "t.ini", "t.ini.bak",
                                                            "t.ini.new", "t.ini.old"}));
    EXPECT_EQ(folder.Read("t.ini"), "newer");
    EXPECT_EQ(folder.Read("fresh.ini"), "created");
    for (const char* mine : {"t.ini.old", "t.ini.new", "t.ini.bak"})
      EXPECT_EQ(folder.Read(mine), "mine");
  }
}

TEST_F(FileReplaceTest, AReadOnlyFileIsNeverReplacedOnAnySystem) {
  for (TFileSystem* files : std::initializer_list<TFileSystem*>{&FileSystem, &Windows9x}) {
    TScratchFolder folder;
    folder.Write("t.ini", "old");
    ASSERT_EQ(::chmod((folder.Path() + "t.ini").c_str(), 0444), 0);
    EXPECT_FALSE(ReplaceFileContent(*files, folder.Path() + "t.ini", "new"));
    EXPECT_FALSE(ReplaceFileContent(*files, folder.Path() + "t.ini", "new"));
    EXPECT_EQ(folder.Read("t.ini"), "old");
    EXPECT_EQ(folder.FileNames(), (std::vector<std::string>{"t.ini"}));
  }
}

TEST_F(FileReplaceTest, AFailedStepLeavesTheOldContentAndNoSideFile) {
  struct Case {
    const char* From;
    const char* To;
  } cases[] = {{"t.ini", "t.ini.TesmoraGL-old"}, {"t.ini.TesmoraGL-new", "t.ini"}};
  for (const Case& c : cases) {
    Folder.Write("t.ini", "old");
    Windows9x.FailingRenames.clear();
    FailRename(c.From, c.To);
    EXPECT_FALSE(ReplaceFileContent(Windows9x, PathOf("t.ini"), "new")) << c.From;
    EXPECT_EQ(Folder.Read("t.ini"), "old") << c.From;
    EXPECT_EQ(Names(), (std::vector<std::string>{"t.ini"})) << c.From;
  }
}

TEST_F(FileReplaceTest, AReplaceStoppedHalfWayIsUndoneByTheNextRead) {
  // The new file cannot move in, and the old one cannot move back: as if the program had
  // stopped between the two moves.
  Folder.Write("t.ini", "old");
  FailRename(Fresh, "t.ini");
  FailRename(Backup, "t.ini");
  EXPECT_FALSE(ReplaceFileContent(Windows9x, PathOf("t.ini"), "new"));
  EXPECT_EQ(Names(), (std::vector<std::string>{Fresh, Backup}));
  Windows9x.FailingRenames.clear();
  RecoverInterruptedReplace(Windows9x, PathOf("t.ini"));
  EXPECT_EQ(Folder.Read("t.ini"), "old");
  EXPECT_EQ(Names(), (std::vector<std::string>{"t.ini"}));
}

TEST_F(FileReplaceTest, OnlyBothSideFilesWithoutTheFileProveAnUnfinishedReplace) {
  // Each file holds its own name.
  struct Case {
    std::vector<std::string> Files;
    std::vector<std::string> After;
    std::string Content;  // of t.ini afterwards
  } cases[] = {
      {{Backup}, {Backup}, ""},  // the user deleted the file after a replace
      {{Fresh}, {Fresh}, ""},    // the first write stopped before its move
      {{"t.ini", Backup, Fresh}, {"t.ini", Fresh, Backup}, "t.ini"},
      {{"t.ini.old", "t.ini.new"}, {"t.ini.new", "t.ini.old"}, ""},
      {{Backup, Fresh}, {"t.ini"}, Backup},
  };
  for (const Case& c : cases) {
    TScratchFolder folder;
    for (const std::string& name : c.Files) folder.Write(name, name);
    RecoverInterruptedReplace(Windows9x, folder.Path() + "t.ini");
    EXPECT_EQ(folder.FileNames(), c.After) << c.Files.front();
    EXPECT_EQ(folder.Exists("t.ini") ? folder.Read("t.ini") : "", c.Content) << c.Files.front();
  }
}

TEST_F(FileReplaceTest, ABackupLeftByAnEarlierReplaceGoesWithTheNext) {
  Folder.Write("t.ini", "old");
  Windows9x.FailingRemovals.insert(PathOf(Backup));
  EXPECT_TRUE(ReplaceFileContent(Windows9x, PathOf("t.ini"), "new"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"t.ini", Backup}));
  Windows9x.FailingRemovals.clear();
  EXPECT_TRUE(ReplaceFileContent(Windows9x, PathOf("t.ini"), "newer"));
  EXPECT_EQ(Folder.Read("t.ini"), "newer");
  EXPECT_EQ(Names(), (std::vector<std::string>{"t.ini"}));
}

}  // namespace
}  // namespace tgl::test
