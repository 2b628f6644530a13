#pragma once
// What the shell does for the program besides naming folders: it carries out a verb on a
// file (starts a program, opens a document or a web address), gives the index of a file's
// icon in its system image lists, hands out a file's icon itself, and writes shortcuts
// (.lnk files).
#include <memory>
#include <string>

namespace tgl {

// ShellExecuteA's show commands that the program uses.
inline constexpr int ShowNoActivate = 4;  // SW_SHOWNOACTIVATE
inline constexpr int ShowDefault = 10;    // SW_SHOWDEFAULT

struct TShellCommand {
  std::string Verb;  // empty: the file's default verb
  std::string File;
  std::string Parameters;
  std::string Directory;  // empty: the current directory
  int ShowCommand = ShowDefault;
  bool OwnedByMainWindow = false;  // else without owner window
};

// What a shortcut starts, and how it shows.
struct TShellLink {
  std::string Target;  // the program file
  std::string Arguments;
  std::string WorkingDirectory;  // empty: none
  std::string IconFile;          // empty: the target's own icon
  int IconIndex = 0;
  std::string Description;
  friend bool operator==(const TShellLink&, const TShellLink&) = default;
};

// A file's large icon that the shell handed out; freed with this object.
class TFileIcon {
public:
  virtual ~TFileIcon() = default;
  // The icon's index in the system image lists; 0 when the shell knows nothing of the file.
  virtual int IconIndex() const = 0;
};

class TShellCalls {
public:
  virtual ~TShellCalls() = default;
  // ShellExecuteA's result: above 32 when the shell carried the command out.
  virtual int Execute(const TShellCommand& command) = 0;
  // The file's icon index in the system image lists, whose small and large lists share
  // their indices; 0 when the shell knows nothing of the file.
  virtual int FileIconIndex(const std::string& path, bool large) = 0;
  // The file's large icon with its index; nullptr when the shell gives none.
  virtual std::unique_ptr<TFileIcon> LargeFileIcon(const std::string& path) = 0;
  // Writes the shortcut file `linkPath`, replacing one that is there.
  // Error: "Cannot create the shortcut %s".
  virtual void CreateShortcut(const std::string& linkPath, const TShellLink& link) = 0;
};

inline constexpr const char* ShortcutFailedText = "Cannot create the shortcut %s";

// ShellExecuteA reports success with a value above this one.
inline constexpr int ShellExecuteFailureLimit = 32;

}  // namespace tgl
