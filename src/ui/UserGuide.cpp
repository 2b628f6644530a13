#include "ui/UserGuide.h"

#include "base/Errors.h"
#include "base/StartupState.h"
#include "base/TextUtils.h"
#include "platform/Platform.h"

namespace tgl {

std::string UserGuidePath() { return Startup().ProgramDir + UserGuideFileName; }

void OpenUserGuide() {
  const std::string path = UserGuidePath();
  if (!Files().FileExists(path)) throw EError(Format("The user's guide %s is missing.", {path}));
  TShellCommand command;
  command.Verb = "open";
  command.File = path;
  command.ShowCommand = ShowDefault;
  command.OwnedByMainWindow = true;
  if (ShellCalls().Execute(command) > ShellExecuteFailureLimit) return;
  // Where text files have no handler (a bare Wine prefix), Notepad reads the guide.
  command.File = "notepad.exe";
  command.Parameters = QuotedText(path);
  if (ShellCalls().Execute(command) <= ShellExecuteFailureLimit)
    throw EError(Format("The user's guide %s cannot be opened.", {path}));
}

}  // namespace tgl
