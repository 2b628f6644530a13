// Games started from outside the window: the /run and /apply of the command line and of a
// second start, the games of the tray menu and the desktop shortcut that runs one; and the
// window as the host of a running game whose settings are to be restored.
#include <utility>

#include "base/Errors.h"
#include "base/StartupState.h"
#include "base/TextUtils.h"
#include "launch/DesktopShortcut.h"
#include "launch/LaunchTarget.h"
#include "platform/Platform.h"
#include "ui/MainForm.h"
#include "ui/MainTexts.h"
#include "ui/RunningGameText.h"

namespace tgl {
namespace {

std::string FileNameOf(const std::string& path) {
  size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

}  // namespace

void TTesmoraGLxForm::FormStarted() {
  try {
    if (FSession) FSession->RecoverAtStartup();
  } catch (const EAbort&) {
  } catch (const std::exception& error) {
    Messages().ShowMessage(error.what(), TMessageKind::mkError);
  }
  if (!CommandLineRequest) return;
  TLaunchRequest request = *std::exchange(CommandLineRequest, std::nullopt);
  try {
    // A creation that failed (no card at all, an unsupported Windows, an unreadable
    // Games.CFG) has said why.
    if (!Created || FCards->Count() == 0) {
      FExitCode = 1;
      FView.TerminateApplication();
      return;
    }
    TRunEnd end = CarryOut(request);
    if (end == TRunEnd::reStartFailed) FExitCode = 1;
    FinishLaunch(end);
  } catch (const EAbort&) {
    EndLaunch();
  } catch (const std::exception& error) {
    Messages().ShowMessage(error.what(), TMessageKind::mkError);
    FExitCode = 1;
    EndLaunch();
  }
}

void TTesmoraGLxForm::LaunchRequested(const TLaunchRequest& request) {
  FinishLaunch(CarryOut(request));
}

bool TTesmoraGLxForm::CanTakeRequest() const {
  return TrayMenuLocks == 0 && !(FSession && FSession->IsBusy());
}

void TTesmoraGLxForm::TrayGameClick(int index) {
  if (index < 0 || index >= static_cast<int>(TrayGameNames.size())) return;
  LaunchRequested({TLaunchAction::laRun, TrayGameNames[static_cast<size_t>(index)]});
}

// Nothing is changed before the request is known to name a game that can be applied; the
// game is then selected as a click selects it, edits of another game asked about first.
TTesmoraGLxForm::TRunEnd TTesmoraGLxForm::CarryOut(const TLaunchRequest& request) {
  if (!Created) throw EError(IncompleteStartText);
  TrlProgramConfig& target = LaunchTarget(*FPrograms, request);
  if (!HasSupportedCard())
    throw EError(Format(NoCardForLaunchText,
                        {target.IsDefault() ? std::string(DefaultProfileName) : target.Name}));
  SaveChangesPrompt(true);
  int item = ItemOf(target);
  SelectGame(item);
  if (SelectedProfile() != &target) throw EError(Format(UnknownTitleText, {request.Title}));
  GamesList().MakeVisible(item);
  return RunProfile(target, request.Action == TLaunchAction::laRun);
}

void TTesmoraGLxForm::FinishLaunch(TRunEnd end) {
  if (StartedForLaunch && !FView.IsFormVisible()) {
    EndLaunch();
    return;
  }
  if (end == TRunEnd::reStarted || end == TRunEnd::reStartFailed) ApplyOnRun();
}

void TTesmoraGLxForm::EndLaunch() {
  if (FSession && FSession->IsWaiting())
    AfterGame = TAfterGame::agEndIfHidden;
  else
    FView.TerminateApplication();
}

// A card whose tuning definition gave no options has nothing to apply.
bool TTesmoraGLxForm::HasSupportedCard() const {
  return FHub && FHub->CurrentCard() && FHub->OptionCount() > 0;
}

int TTesmoraGLxForm::ItemOf(const TrlProgramConfig& profile) const {
  const TListViewControl& games = GamesList();
  for (int index = 0; index < games.Count(); ++index)
    if (games.Data(index) == &profile) return index;
  return -1;
}

void TTesmoraGLxForm::RefreshTrayGames() {
  TrayGameNames.clear();
  TStrings captions;
  bool more = false;
  const TListViewControl& games = GamesList();
  for (int index = 0; index < games.Count(); ++index) {
    const auto* profile = static_cast<const TrlProgramConfig*>(games.Data(index));
    if (profile->IsDefault()) continue;
    if (static_cast<int>(TrayGameNames.size()) == MaxTrayGames) {
      more = true;
      break;
    }
    TrayGameNames.push_back(profile->Name);
    captions.push_back(profile->GetDisplayName());
  }
  FView.SetTrayGames(captions, more);
}

// A shortcut file of the same name may be the user's own: it is replaced only when the
// user says so.
void TTesmoraGLxForm::DesktopShortcut1Click() {
  TrlProgramConfig* profile = SelectedProfile();
  if (!profile || profile->IsDefault()) return;
  TShellLink link = GameShortcut(*profile, Startup().ProgramFile);
  std::string desktop = ShellFolders().DesktopPath();
  if (desktop.empty()) throw EError(NoDesktopText);
  if (desktop.back() != '\\' && desktop.back() != '/') desktop += '\\';
  std::string path = ShortcutPath(desktop, profile->Name);
  if (Files().FileExists(path) &&
      Messages().Ask(Format(ReplaceShortcutText, {FileNameOf(path)}), TQuestionButtons::qbOKCancel,
                     TMessageKind::mkQuestion) != TAnswer::anOK)
    return;
  ShellCalls().CreateShortcut(path, link);
}

void TTesmoraGLxForm::WatchedGameEvent() {
  if (FSession) FSession->Poll();
}

bool TTesmoraGLxForm::Confirm(const std::string& text) {
  return Messages().Ask(text, TQuestionButtons::qbOKCancel, TMessageKind::mkWarning) ==
         TAnswer::anOK;
}

void TTesmoraGLxForm::ShowMessage(const std::string& text, TMessageKind kind) {
  Messages().ShowMessage(text, kind);
}

// A game played with the window hidden is still in sight in the tray tip.
void TTesmoraGLxForm::ShowRunningGame(const std::string& title) {
  RunningGame = title;
  ShowStatusBarText();
  FView.SetTrayTip(title.empty() ? std::string(ProgramTitle) : RunningGameTip(title));
}

void TTesmoraGLxForm::GameEnded() {
  switch (std::exchange(AfterGame, TAfterGame::agNothing)) {
    case TAfterGame::agClose:
      FView.CloseForm();
      break;
    case TAfterGame::agEndIfHidden:
      if (!FView.IsFormVisible()) FView.TerminateApplication();
      break;
    case TAfterGame::agNothing:
      break;
  }
}

}  // namespace tgl
