#pragma once
// A scratch program folder on the real file system with the native platform installed over
// it, as the program has it: real files, the embedded texts, the INI cache (optional here,
// to measure without it) and a fixed desktop folder; the registry in memory, a list of
// display adapters to detect, and a shell that starts nothing.
#include <string>

#include "config/IniCache.h"
#include "platform/Platform.h"
#include "platform/TableTexts.h"
#include "platform/Windows1252.h"
#include "platform/posix/PosixFileSystem.h"
#include "support/ListedDisplayDevices.h"
#include "support/MemoryRegistry.h"
#include "support/TestSupport.h"

namespace tgl::bench {

class TBenchProgramFolder {
public:
  explicit TBenchProgramFolder(bool withCache);
  ~TBenchProgramFolder();
  TBenchProgramFolder(const TBenchProgramFolder&) = delete;
  TBenchProgramFolder& operator=(const TBenchProgramFolder&) = delete;

  const std::string& Path() const { return FolderPath; }
  void Write(const std::string& name, const std::string& bytes);

  test::TListedDisplayDevices Displays;

private:
  class TSilentMessages : public TMessages {
  public:
    void ShowMessage(const std::string&, TMessageKind) override {}
    TAnswer Ask(const std::string&, TQuestionButtons, TMessageKind) override {
      return TAnswer::anCancel;
    }
  };
  class TDesktop : public TShellFolders {
  public:
    std::string DesktopPath() const override { return "C:\\WINDOWS\\Desktop"; }
  };

  std::string FolderPath;
  TPosixFileSystem FileSystem;
  TTableTexts Texts{BuiltInTexts()};
  TSilentMessages Messages;
  TDesktop Desktop;
  TIniCache Cache;
  TWindows1252 CodePage;
  test::TMemoryRegistry Registry;
  test::TRecordedShell Shell;
  TPlatformScope Scope;
};

}  // namespace tgl::bench
