// The commands of the main window, each the handler of one action, and the actions' states.
#include "app/Errors.h"
#include "app/RootUnit.h"
#include "platform/Platform.h"
#include "ui/MainForm.h"
#include "ui/MainTexts.h"

namespace tgl {
namespace {

// The folder of a program file, up to and including its last backslash or colon; the
// program starts there.
std::string FolderOfFile(const std::string& path) {
  size_t end = path.find_last_of("\\:");
  return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

}  // namespace

// The tray icon offers no menu while a dialog runs, and gets it back however the dialog
// ends.
class TTesmoraGLxForm::TTrayMenuLock {
public:
  explicit TTrayMenuLock(TTesmoraGLxForm& form) : Form(form) {
    if (Form.TrayMenuLocks++ == 0) Form.FView.SetTrayMenu(false);
  }
  ~TTrayMenuLock() {
    if (--Form.TrayMenuLocks == 0) Form.FView.SetTrayMenu(true);
  }
  TTrayMenuLock(const TTrayMenuLock&) = delete;
  TTrayMenuLock& operator=(const TTrayMenuLock&) = delete;

private:
  TTesmoraGLxForm& Form;
};

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
  if (Startup().HasAdminRights) {
    FHub->WriteToRegistry();
  } else if (Messages().Ask(RunRestrictedText, TQuestionButtons::qbOKCancel,
                            TMessageKind::mkWarning) == TAnswer::anCancel) {
    return;
  }
  if (profile->IsDefault()) return;
  AnimateLogo();
  TShellCommand command;
  command.Verb = "open";
  command.File = profile->Path;
  command.Parameters = profile->Parameters;
  command.Directory = FolderOfFile(profile->Path);
  command.ShowCommand = ShowDefault;
  if (ShellCalls().Execute(command) <= ShellExecuteFailureLimit)
    Messages().ShowMessage(RunFailedText, TMessageKind::mkError);
  ApplyOnRun();
}

// Nothing is left to save when the program ends here: Run asked the save question first.
void TTesmoraGLxForm::ApplyOnRun() {
  switch (FSettings.OnRun) {
    case orMinimize:
      FView.MinimizeApplication();
      break;
    case orExit:
      FView.CloseForm();
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

// The game properties and options dialogs are not there yet: these commands do nothing.
void TTesmoraGLxForm::OnActionNew() {}
void TTesmoraGLxForm::OnActionEdit() {}
void TTesmoraGLxForm::OptionsActionExecute() {}

}  // namespace tgl
