#pragma once
// What the core's tests share: a scratch program folder on the real file system, the
// embedded texts from the generated table, recorded message boxes, an empty in-memory registry,
// an empty list of display adapters, Windows-1252 as the code page, and a fresh start-up state.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/Errors.h"
#include "base/StartupState.h"
#include "base/TextUtils.h"
#include "config/IniCache.h"
#include "platform/Platform.h"
#include "platform/TableTexts.h"
#include "platform/Windows1252.h"
#include "platform/posix/PosixFileSystem.h"
#include "support/FixedShellFolders.h"
#include "support/ListedDisplayDevices.h"
#include "support/MemoryRegistry.h"
#include "support/ScratchFolder.h"

namespace tgl::test {

struct TShownMessage {
  std::string Text;
  TMessageKind Kind;
  friend bool operator==(const TShownMessage&, const TShownMessage&) = default;
};

// Message boxes and questions as a list of what was shown; questions take their answers
// from a script, in order. A question without a scripted answer fails the test and is
// answered with Cancel.
class TRecordedMessages : public TMessages {
public:
  void ShowMessage(const std::string& text, TMessageKind kind) override {
    Shown.push_back({text, kind});
  }
  TAnswer Ask(const std::string& text, TQuestionButtons buttons, TMessageKind kind) override;

  // The texts of the boxes and questions shown so far, and forgets them.
  std::vector<std::string> TakeTexts();

  std::vector<TShownMessage> Shown;
  std::vector<TQuestionButtons> QuestionButtons;  // of each question asked, in order
  std::deque<TAnswer> Answers;
};

// Programs started and icons looked up, as a list; the shell's result is scripted. The
// icons it hands out count themselves, so a test sees whether every one was freed.
class TRecordedShell : public TShellCalls {
public:
  ~TRecordedShell() override;
  int Execute(const TShellCommand& command) override {
    Executed.push_back(command);
    return ExecuteResult;
  }
  int FileIconIndex(const std::string& path, bool large) override {
    IconRequests.push_back({path, large});
    return IconIndex;
  }
  std::unique_ptr<TFileIcon> LargeFileIcon(const std::string& path) override;

  void CreateShortcut(const std::string& linkPath, const TShellLink& link) override {
    if (!ShortcutSucceeds) throw EError(Format(ShortcutFailedText, {linkPath}));
    Shortcuts.push_back({linkPath, link});
  }
  std::vector<TShellCommand> Executed;
  std::vector<std::pair<std::string, bool>> IconRequests;
  std::vector<std::pair<std::string, TShellLink>> Shortcuts;
  bool ShortcutSucceeds = true;
  int ExecuteResult = 42;  // a process handle: success
  int IconIndex = 3;
  // The files whose large icons were asked for; the index of the icons handed out (0: the
  // shell knows nothing of the file), or none at all.
  std::vector<std::string> LargeIconRequests;
  int LargeIconIndex = 5;
  bool GivesIcons = true;
  // Icons handed out and not freed yet.
  int IconsAlive = 0;
};

// The file dialogs as a list of what they were asked; each answers with the next scripted
// file name, or nullopt (Cancel). A dialog without a scripted answer fails the test and is
// cancelled.
class TRecordedFileChooser : public TFileChooser {
public:
  std::optional<std::string> ChooseFileToOpen(const TFileChoice& choice) override {
    return Answer(choice, false);
  }
  std::optional<std::string> ChooseFileToSave(const TFileChoice& choice) override {
    return Answer(choice, true);
  }
  struct TAsked {
    TFileChoice Choice;
    bool Save;
  };
  std::vector<TAsked> Asked;
  std::deque<std::optional<std::string>> Answers;

private:
  std::optional<std::string> Answer(const TFileChoice& choice, bool save);
};

// Installs the native platform over a scratch program folder (also the working directory,
// where the log goes) and resets the start-up state for each test. The INI cache is
// installed as in the program, fresh for each test.
class TCoreTest : public ::testing::Test {
protected:
  TCoreTest();
  ~TCoreTest() override;

  TScratchFolder Folder;
  TPosixFileSystem FileSystem;
  TTableTexts Texts{BuiltInTexts()};
  TRecordedMessages Messages;
  TFixedShellFolders Shell;
  TIniCache IniCache;
  TMemoryRegistry MemoryRegistry;
  TListedDisplayDevices DisplayList;
  TWindows1252 CodePage;
  TRecordedShell ShellCalls;
  TRecordedFileChooser FileChooser;

  // The services of this fixture with another file system, for a test's own scope.
  TPlatform PlatformWith(TFileSystem& files) {
    return {&files,          &Texts,       &Messages, &Shell,      &IniCache,
            &MemoryRegistry, &DisplayList, &CodePage, &ShellCalls, &FileChooser};
  }

private:
  TPlatformScope Scope;
  std::string PreviousWorkingDirectory;
};

// The bytes of a file under resources/ of the source tree.
std::string ResourceFileBytes(const std::string& fileName);

}  // namespace tgl::test
