#pragma once
// The platform a fuzz target runs the core on: files in memory in the program folder
// "/fuzz/", the built-in texts and any the target adds (which take the place of a built-in
// text of the same name), silent message boxes, a fixed
// desktop, Windows-1252 and, on request, the INI cache. It resets the start-up state.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "config/IniCache.h"
#include "platform/Platform.h"
#include "platform/TableTexts.h"
#include "platform/Windows1252.h"

namespace tgl::fuzz {

inline constexpr const char* FuzzProgramDir = "/fuzz/";

// Files in memory. Windows 9x can be played (no one-step replace); a rename never lands
// on an existing file, as on Windows.
class TMemoryFiles : public TFileSystem {
public:
  std::map<std::string, std::string> Files;
  bool OneStepReplace = true;

  std::string FindFile(const std::string& folder, const std::string& name) const override;
  bool FileExists(const std::string& path) const override { return Files.count(path) > 0; }
  // No folders in memory: a path names a file or nothing.
  bool PathExists(const std::string& path) const override { return FileExists(path); }
  bool IsReadOnly(const std::string&) const override { return false; }
  bool ReadFileInto(const std::string& path, size_t maxBytes, std::string& content) const override;
  void WriteFile(const std::string& path, std::string_view bytes) override;
  void AppendToFile(const std::string& path, std::string_view bytes) override;
  bool CanReplaceInOneStep() const override { return OneStepReplace; }
  bool ReplaceInOneStep(const std::string& source, const std::string& target) override;
  bool RenameFile(const std::string& source, const std::string& target) override;
  bool RemoveFile(const std::string& path) noexcept override { return Files.erase(path) > 0; }
};

class TFuzzPlatform {
public:
  explicit TFuzzPlatform(bool withIniCache, const std::vector<TEmbeddedEntry>& extraTexts = {});
  ~TFuzzPlatform();
  TFuzzPlatform(const TFuzzPlatform&) = delete;
  TFuzzPlatform& operator=(const TFuzzPlatform&) = delete;

  TMemoryFiles Files;

private:
  class TSilentMessages : public TMessages {
  public:
    void ShowMessage(const std::string&, TMessageKind) override {}
    // Every question is turned down, as a user who closes the box would.
    TAnswer Ask(const std::string&, TQuestionButtons, TMessageKind) override { return TAnswer::anCancel; }
  };
  class TDesktop : public TShellFolders {
  public:
    std::string DesktopPath() const override { return "C:\\WINDOWS\\Desktop"; }
  };

  std::vector<TEmbeddedEntry> TextEntries;
  TTableTexts Texts;
  TSilentMessages Messages;
  TDesktop Desktop;
  TIniCache Cache;
  TWindows1252 CodePage;
  TPlatformScope Scope;
};

}  // namespace tgl::fuzz
