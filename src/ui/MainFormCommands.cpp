// The commands of the main window, each the handler of one action, and the actions' states.
#include <optional>

#include "base/Errors.h"
#include "base/StartupState.h"
#include "options/RegistryWriteReport.h"
#include "platform/Platform.h"
#include "ui/GamePropDlg.h"
#include "ui/MainForm.h"
#include "ui/MainTexts.h"
#include "ui/OptionsDlg.h"
#include "ui/TrayMenuLock.h"

namespace tgl {
namespace {

// The folder of a program file, up to and including its last backslash or colon; the
// program starts there.
std::string FolderOfFile(const std::string& path) {
  size_t end = path.find_last_of("\\:");
  return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

}  // namespace

void TTesmoraGLxForm::SetAction(TMainAction action, bool enabled, const std::string& caption,
                                int imageIndex) {
  TActionState& state = FActions[static_cast<size_t>(action)];
  TActionState changed{enabled, caption, imageIndex};
  if (state == changed) return;
  state = changed;
  FView.ShowAction(action, state);
}

void TTesmoraGLxForm::SetActionEnabled(TMainAction action, bool enabled) {
  const TActionState& state = ActionState(action);
  SetAction(action, enabled, state.Caption, state.ImageIndex);
}

const TActionState& TTesmoraGLxForm::ActionState(TMainAction action) const {
  return FActions[static_cast<size_t>(action)];
}

void TTesmoraGLxForm::ExecuteAction(TMainAction action) {
  if (!ActionState(action).Enabled) return;
  switch (action) {
    case TMainAction::maNew: return OnActionNew();
    case TMainAction::maExecute: return OnActionExecute();
    case TMainAction::maDefault: return OnActionDefault();
    case TMainAction::maRegistry: return OnActionRegistry();
    case TMainAction::maEdit: return OnActionEdit();
    case TMainAction::maDelete: return OnActionDelete();
    case TMainAction::maAbout: return AboutActionExecute();
    case TMainAction::maOptions: return OptionsActionExecute();
  }
}

bool TTesmoraGLxForm::Confirmed(bool confirm, const char* question) {
  return !confirm || Messages().Ask(question, TQuestionButtons::qbOKCancel,
                                    TMessageKind::mkQuestion) == TAnswer::anOK;
}

void TTesmoraGLxForm::OnActionExecute() {
  TrlProgramConfig* profile = SelectedProfile();
  if (!profile) return;
  SaveChangesPrompt(true);
  TRunEnd end = RunProfile(*profile, true);
  if (end == TRunEnd::reStarted || end == TRunEnd::reStartFailed) ApplyOnRun();
}

// Restricted mode writes nothing: the user says whether to go on without it. Apply is the
// write alone; it must not be undone later by the restore of a game still running.
TTesmoraGLxForm::TRunEnd TTesmoraGLxForm::RunProfile(const TrlProgramConfig& profile,
                                                     bool start) {
  bool writeRegistry = Startup().HasAdminRights;
  if (!writeRegistry && Messages().Ask(RunRestrictedText, TQuestionButtons::qbOKCancel,
                                       TMessageKind::mkWarning) == TAnswer::anCancel)
    return TRunEnd::reCancelled;
  if (profile.IsDefault() || !start) {
    if (writeRegistry) {
      if (!FSession->SettleBeforeWrite()) return TRunEnd::reCancelled;
      WriteValuesToRegistry(false);
    }
    return TRunEnd::reApplied;
  }
  AnimateLogo();
  return StartGame(profile, writeRegistry);
}

// With the restore setting the session records the values before it writes them, starts
// the game with a process to wait for and puts them back when it ends. Without it Run
// writes and starts as it always has.
TTesmoraGLxForm::TRunEnd TTesmoraGLxForm::StartGame(const TrlProgramConfig& profile,
                                                    bool writeRegistry) {
  if (writeRegistry && FSettings.RestoreDriverSettings) {
    switch (FSession->Run(*FHub, profile, {true, true})) {
      case TRunResult::rrCancelled: return TRunEnd::reCancelled;
      case TRunResult::rrStartFailed: return TRunEnd::reStartFailed;
      case TRunResult::rrStarted: return TRunEnd::reStarted;
    }
  }
  if (writeRegistry) {
    if (!FSession->SettleBeforeWrite()) return TRunEnd::reCancelled;
    if (!WriteValuesToRegistry(true)) return TRunEnd::reCancelled;
  }
  TShellCommand command;
  command.Verb = "open";
  command.File = profile.Path;
  command.Parameters = profile.Parameters;
  command.Directory = FolderOfFile(profile.Path);
  command.ShowCommand = ShowDefault;
  if (ShellCalls().Execute(command) > ShellExecuteFailureLimit) return TRunEnd::reStarted;
  Messages().ShowMessage(RunFailedText, TMessageKind::mkError);
  return TRunEnd::reStartFailed;
}

// The values that did not reach the driver registry are told in one message: Apply only
// tells, Run asks whether to start the game anyway. False when the user chose not to.
bool TTesmoraGLxForm::WriteValuesToRegistry(bool startsGame) {
  TRegistryWriteReport report = FHub->WriteToRegistry();
  if (report.AllApplied()) return true;
  if (!startsGame) {
    Messages().ShowMessage(UnappliedValuesText(report, false), TMessageKind::mkWarning);
    return true;
  }
  return Messages().Ask(UnappliedValuesText(report, true), TQuestionButtons::qbOKCancel,
                        TMessageKind::mkWarning) == TAnswer::anOK;
}

// Nothing is left to save when the program ends here: Run asked the save question first.
// While the game's settings wait to be restored the program must live on: "Exit" puts it
// away now and closes it when the game has ended.
void TTesmoraGLxForm::ApplyOnRun() {
  AfterGame = TAfterGame::agNothing;
  switch (FSettings.OnRun) {
    case orMinimize:
      FView.MinimizeApplication();
      break;
    case orExit:
      if (FSession->IsWaiting()) {
        FView.MinimizeApplication();
        AfterGame = TAfterGame::agClose;
      } else {
        FView.CloseForm();
      }
      break;
    default:
      break;
  }
}

// The profile leaves Games.CFG first: when that fails the game stays listed, as it stays
// stored.
void TTesmoraGLxForm::OnActionDelete() {
  TrlProgramConfig* profile = SelectedProfile();
  if (!profile || profile->IsDefault()) return;
  if (!Confirmed(FSettings.ConfirmDelete, DeleteProfileText)) return;
  TListViewControl& games = GamesList();
  int index = games.ItemIndex();
  FPrograms->Delete(FPrograms->IndexOf(profile));
  {
    TListSelection selection(SelectingGame);
    games.DeleteItem(index);
  }
  RefreshTrayGames();
  if (index >= games.Count()) index = games.Count() - 1;
  SelectGame(index);
}

void TTesmoraGLxForm::OnActionDefault() {
  TrlProgramConfig* profile = SelectedProfile();
  if (!profile) return;
  if (!Confirmed(FSettings.ConfirmDefault, UploadDefaultText)) return;
  if (profile->IsDefault()) throw EError("MainUnit: Default on the Default entry");
  profile->CopyDefaultSettings();
  FHub->LoadFromProfile();
  FHub->ShowValues(true);
}

void TTesmoraGLxForm::OnActionRegistry() {
  if (!Confirmed(FSettings.ConfirmRegistry, UploadRegistryText)) return;
  FHub->ReadFromRegistry();
  FHub->ShowValues(true);
}

void TTesmoraGLxForm::AboutActionExecute() {
  TTrayMenuLock lock(*this);
  FView.ShowAboutBox();
}

// The new profile belongs to the command until the list takes it: whatever fails before,
// it goes, and what the dialog stored of it is erased again.
void TTesmoraGLxForm::OnActionNew() {
  std::optional<TTrayMenuLock> lock(std::in_place, *this);
  SaveChangesPrompt(true);
  std::unique_ptr<TGamePropView> view = FView.CreateGamePropView();
  TGamePropDlg dialog(*view);
  auto profile = std::make_unique<TrlProgramConfig>();
  dialog.SetCaption(NewProgramCaption);
  dialog.Config = profile.get();
  dialog.Programs = FPrograms.get();
  dialog.PresetFile = DroppedFile;
  if (dialog.ExecuteNew() != TModalResult::mrOK) return;
  try {
    profile->CopyDefaultSettings();
  } catch (...) {
    EraseQuietly(*profile);
    throw;
  }
  TrlProgramConfig& added = *profile;
  FPrograms->Add(std::move(profile));
  TListViewControl& games = GamesList();
  int index = games.AddItem(added.GetDisplayName(), &added,
                            IconIndexOf(added.GetPath(), games.ViewStyle() == vsIcon));
  RefreshTrayGames();
  SelectGame(index);
  games.MakeVisible(games.IndexOfData(&added));
  lock.reset();
  ShowApplicationClick();
}

// The title may have moved the item: it is found again by its profile.
void TTesmoraGLxForm::OnActionEdit() {
  TrlProgramConfig* profile = SelectedProfile();
  if (!profile || profile->IsDefault()) return;
  std::unique_ptr<TGamePropView> view = FView.CreateGamePropView();
  TGamePropDlg dialog(*view);
  dialog.Config = profile;
  dialog.Programs = FPrograms.get();
  if (dialog.ShowModal() != TModalResult::mrOK) return;
  TListViewControl& games = GamesList();
  games.SetCaption(games.IndexOfData(profile), profile->GetDisplayName());
  RefreshTrayGames();
  int index = games.IndexOfData(profile);
  games.SetImageIndex(index, IconIndexOf(profile->GetPath(), games.ViewStyle() == vsIcon));
  GamesListSelectItem(index, true);
}

// The view style may have changed: the check mark of "Show as" follows it.
void TTesmoraGLxForm::OptionsActionExecute() {
  TTrayMenuLock lock(*this);
  std::unique_ptr<TOptionsView> view = FView.CreateOptionsView();
  TOptionsDlg dialog(*view, FSettings, GamesList());
  if (dialog.ShowModal() != TModalResult::mrOK) return;
  FView.CheckViewStyleItem(GamesList().ViewStyle());
  ApplyToolbarStyle();
}

}  // namespace tgl
