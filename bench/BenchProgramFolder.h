#pragma once
// A scratch program folder on the real file system with the native platform installed over
// it, as the program has it: real files, the embedded texts, the INI cache (optional here,
// to measure without it) and a fixed desktop folder.
#include <string>

#include "config/IniCache.h"
#include "platform/Platform.h"
#include "platform/TableTexts.h"
#include "platform/Windows1252.h"
#include "platform/posix/PosixFileSystem.h"

namespace tgl::bench {

class TBenchProgramFolder {
public:
  explicit TBenchProgramFolder(bool withCache);
  ~TBenchProgramFolder();
  TBenchProgramFolder(const TBenchProgramFolder&) = delete;
  TBenchProgramFolder& operator=(const TBenchProgramFolder&) = delete;

  const std::string& Path() const { return FolderPath; }
  void Write(const std::string& name, const std::string& bytes);

private:
  class TSilentMessages : public TMessages {
  public:
    void ShowMessage(const std::string&, TMessageKind) override {}
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
  TPlatformScope Scope;
};

}  // namespace tgl::bench
