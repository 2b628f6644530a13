// The game list and the save question: filling the list, selecting a game, the veto of a
// selection change, the list's keys, view style and context menu.
#include "base/Errors.h"
#include "base/StartupState.h"
#include "platform/Platform.h"
#include "ui/MainForm.h"
#include "ui/MainTexts.h"

namespace tgl {

// The icons are looked up as the list shows the items (OnGetImageIndex): a collection of a
// thousand games must not wait for a thousand lookups before the window appears.
void TTesmoraGLxForm::FillGames() {
  if (!FPrograms) throw EError("MainUnit: FillGames without a profile list");
  TListViewControl& games = GamesList();
  {
    TListSelection selection(SelectingGame);
    TListUpdate update(games);
    games.Clear();
    for (int index = 0; index < FPrograms->Count(); ++index) {
      TrlProgramConfig& profile = FPrograms->Items(index);
      games.AddItem(profile.GetDisplayName(), &profile, TListViewControl::ImageOnDemand);
    }
  }
  RefreshTrayGames();
  SelectGame(0);
}

int TTesmoraGLxForm::GamesListGetImageIndex(int item) const {
  auto* profile = static_cast<TrlProgramConfig*>(GamesList().Data(item));
  return IconIndexOf(profile->GetPath(), GamesList().ViewStyle() == vsIcon);
}

int TTesmoraGLxForm::IconIndexOf(const std::string& path, bool large) const {
  return ShellCalls().FileIconIndex(path, large);
}

TrlProgramConfig* TTesmoraGLxForm::SelectedProfile() const {
  int index = GamesList().ItemIndex();
  return index < 0 ? nullptr : static_cast<TrlProgramConfig*>(GamesList().Data(index));
}

void TTesmoraGLxForm::SelectGame(int index) {
  TListSelection selection(SelectingGame);
  GamesList().SetItemIndex(index);
}

void TTesmoraGLxForm::GamesListSelectItem(int, bool selected) {
  if (!selected) return;
  TListViewControl& games = GamesList();
  if (games.Count() == 0) throw EError(NoGamesAssertion);
  int index = games.ItemIndex();
  if (index < 0) return;
  auto& profile = *static_cast<TrlProgramConfig*>(games.Data(index));
  SetActionEnabled(TMainAction::maDelete, index > 0);
  SetActionEnabled(TMainAction::maEdit, index > 0);
  if (profile.IsDefault()) {
    SetAction(TMainAction::maExecute, Startup().HasAdminRights, std::string(ApplyCaption),
              ApplyImageIndex);
    SetActionEnabled(TMainAction::maDefault, false);
  } else {
    const TActionDefinition& run = DefinitionOf(TMainAction::maExecute);
    SetAction(TMainAction::maExecute, true, std::string(run.Caption), run.ImageIndex);
    SetActionEnabled(TMainAction::maDefault, true);
  }
  std::string title = profile.GetDisplayName();
  FView.SetGameTitle(title);
  FView.SetCaption(title + " - " + ProgramTitle);
  AnimateLogo();
  FHub->SetProfileName(profile.Name);
}

void TTesmoraGLxForm::ReloadProfile() {
  FHub->LoadFromProfile();
  FHub->ShowValues(true);
}

void TTesmoraGLxForm::StoreProfile() { FHub->SaveToProfile(); }

void TTesmoraGLxForm::SaveChangesPrompt(bool refresh) {
  if (!FHub || !FHub->IsModified()) return;
  TAnswer answer = TAnswer::anYes;
  if (FSettings.ConfirmSaving)
    answer = Messages().Ask(SaveChangesText, TQuestionButtons::qbYesNoCancel,
                            TMessageKind::mkQuestion);
  switch (answer) {
    case TAnswer::anYes:
      StoreProfile();
      break;
    case TAnswer::anNo:
      FHub->RevertValues();
      if (refresh) FHub->ShowValues(true);
      break;
    default:
      Abort();
  }
}

// Asks once per mouse or key press on the list, before the selected game is replaced. The
// list view takes the focus from the old item either before or after it selects the new
// one (both orders occur among the list view controls of Windows and its emulations), so
// an item that gains the selection without having the focus is asked about as well: the
// first of the two changes asks, a refusal keeps the old game's values in place, and the
// second change of the same press is refused without a second question.
void TTesmoraGLxForm::GamesListChanging2(int, uint32_t oldState, uint32_t newState,
                                         TItemChange change, bool& allowChange) {
  if (SelectingGame || change != TItemChange::ctState) return;
  bool losesFocus = (oldState & ItemFocused) && !(newState & ItemFocused);
  bool selectedWithoutFocus =
      !(oldState & (ItemFocused | ItemSelected)) && (newState & ItemSelected);
  if (!(losesFocus || selectedWithoutFocus) || !FHub || !FHub->IsModified()) return;
  if (AskedThisClick) {
    allowChange = false;
    return;
  }
  AskedThisClick = true;
  if (!MayLeaveEdits(false)) allowChange = false;
}

// A save that failed keeps the game, the card and the edits, and says why: the user may try
// again, export them or answer No.
bool TTesmoraGLxForm::MayLeaveEdits(bool refresh) {
  try {
    SaveChangesPrompt(refresh);
    return true;
  } catch (const EAbort&) {
    return false;
  } catch (const std::exception& error) {
    Messages().ShowMessage(error.what(), TMessageKind::mkError);
    return false;
  }
}

void TTesmoraGLxForm::GamesListMouseDown() { AskedThisClick = false; }

// Every key press may ask once, as every mouse press may: a keyboard user who edited values
// after a first question can still move in the list.
bool TTesmoraGLxForm::GamesListKeyDown(int key, TShiftState) {
  AskedThisClick = false;
  switch (key) {
    case vkReturn:
      ExecuteAction(TMainAction::maExecute);
      return true;
    case vkInsert:
      ExecuteAction(TMainAction::maNew);
      return true;
    case vkDelete:
      ExecuteAction(TMainAction::maDelete);
      return true;
    case vkF2:
      ExecuteAction(TMainAction::maEdit);
      return true;
    default:
      return false;
  }
}

// Bypasses the action: Apply in restricted mode still asks whether to run without it.
void TTesmoraGLxForm::GamesListDblClick() { OnActionExecute(); }

void TTesmoraGLxForm::GameListPopupPopup() {
  if (!Created) Abort();
  TListViewControl& games = GamesList();
  if (games.Count() == 0) throw EError(NoGamesAssertion);
  int index = games.ItemIndex();
  if (index < 0) Abort();
  FView.SetGamePopupItemsEnabled(index > 0);
}

void TTesmoraGLxForm::List1Click(int tag) {
  GamesList().SetViewStyle(static_cast<TViewStyle>(tag));
  FView.CheckViewStyleItem(tag);
}

}  // namespace tgl
