// A game's profile as a file of its own: exported from the game list's context menu,
// imported from it or by dropping the file on the window.
#include <optional>

#include "base/Errors.h"
#include "platform/Platform.h"
#include "profiles/ProfileFile.h"
#include "ui/GamePropDlg.h"
#include "ui/MainForm.h"
#include "ui/MainTexts.h"
#include "ui/TrayMenuLock.h"

namespace tgl {
namespace {

// One line each, as a message box shows them.
std::string JoinedLines(const TStrings& lines) {
  std::string text;
  for (const std::string& line : lines) text.append(text.empty() ? "" : "\r").append(line);
  return text;
}

TFileChoice ProfileFileChoice(const char* title, std::string fileName) {
  TFileChoice choice;
  choice.Title = title;
  choice.Filter = ProfileFileFilter;
  choice.DefaultExtension = ProfileFileExtension;
  choice.FileName = std::move(fileName);
  return choice;
}

// The game properties dialog on the file's game, which is not stored yet: its title is
// checked as a new game's is, and OK only takes the texts over. False: cancelled.
bool EditGameToImport(TGamePropView& view, TrlPrograms& programs, TGameProfile& profile) {
  TrlProgramConfig draft;
  draft.Name = profile.Title;
  draft.Path = profile.Path;
  draft.Parameters = profile.Parameters;
  draft.WaitForProgram = profile.WaitForProgram;
  TGamePropDlg dialog(view);
  dialog.SetCaption(ImportProfileTitle);
  dialog.Config = &draft;
  dialog.Programs = &programs;
  if (dialog.ShowDraft() != TModalResult::mrOK) return false;
  profile.Title = draft.Name;
  profile.Path = draft.Path;
  profile.Parameters = draft.Parameters;
  profile.WaitForProgram = draft.WaitForProgram;
  return true;
}

}  // namespace

// The file holds what Games.CFG holds, so edits not yet saved are asked about first.
void TTesmoraGLxForm::ExportProfile1Click() {
  TrlProgramConfig* profile = SelectedProfile();
  if (!profile) return;
  TTrayMenuLock lock(*this);
  SaveChangesPrompt(true);
  std::optional<std::string> fileName = FileChooser().ChooseFileToSave(
      ProfileFileChoice(ExportProfileTitle, ProfileFileNameFor(*profile)));
  if (!fileName) Abort();
  TStrings leftOut = ExportProfile(*profile, *fileName);
  if (!leftOut.empty())
    Messages().ShowMessage(Format(ValuesLeftOutText, {JoinedLines(leftOut)}),
                           TMessageKind::mkWarning);
}

void TTesmoraGLxForm::ImportProfile1Click() { ImportProfileFrom({}); }

// A title another game holds, or one Games.CFG cannot store, is told and then asked for
// again in the game properties dialog, until it can be used or the user cancels.
int TTesmoraGLxForm::ImportUnderFreeTitle(TGameProfile& profile) {
  for (;;) {
    try {
      return ImportProfile(*FPrograms, profile, profile.Title);
    } catch (const EImportTitle& clash) {
      Messages().ShowMessage(clash.what(), TMessageKind::mkWarning);
      if (!EditGameToImport(*FView.CreateGamePropView(), *FPrograms, profile)) Abort();
    }
  }
}

// The imported game is selected as a new game is: the question about the edits of the
// game it replaces comes first, and a file that is refused changes nothing.
void TTesmoraGLxForm::ImportProfileFrom(std::string fileName) {
  if (!Created) throw EError(IncompleteStartText);
  TTrayMenuLock lock(*this);
  SaveChangesPrompt(true);
  if (fileName.empty()) {
    std::optional<std::string> chosen =
        FileChooser().ChooseFileToOpen(ProfileFileChoice(ImportProfileTitle, {}));
    if (!chosen) Abort();
    fileName = std::move(*chosen);
  }
  TGameProfile profile = ReadProfileFile(fileName);
  TrlProgramConfig& game = FPrograms->Items(ImportUnderFreeTitle(profile));
  TListViewControl& games = GamesList();
  int item;
  {
    TListSelection selection(SelectingGame);
    item = games.AddItem(game.GetDisplayName(), &game, TListViewControl::ImageOnDemand);
  }
  SelectGame(item);
  games.MakeVisible(item);
}

}  // namespace tgl
