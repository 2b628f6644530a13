#include "ui/GamePropDlg.h"

#include "base/Errors.h"
#include "base/TextUtils.h"
#include "platform/FileChooser.h"
#include "platform/Platform.h"
#include "profiles/ProfileTitle.h"

namespace tgl {
namespace {

const char* const ChangeTitleQuestion = "Do you want to change application title?";
const char* const TitleNotUniqueText = "Application title should be unique";
const char* const TitleUnderscoreText =
    "Application title shouldn't contailns any \"_\" characters.";
const char* const TitleEmptyText = "Application title shouldn't be empty";

// A shortcut is taken as the program file itself: the game is started as the shortcut
// starts it.
TFileChoice ProgramFileChoice() {
  TFileChoice choice;
  choice.Title = "Choice program";
  choice.Filter = "Executable (*.exe;*.com;*.bat)|*.exe;*.com;*.bat|All files (*.*)|*.*";
  choice.DefaultExtension = "exe";
  choice.ResolveShortcuts = false;
  return choice;
}

std::string Trimmed(const std::string& text) { return std::string(Trim(text)); }

}  // namespace

std::string TitleOfProgramFile(std::string_view path) {
  size_t folderEnd = path.find_last_of("\\:");
  std::string_view name = folderEnd == std::string_view::npos ? path : path.substr(folderEnd + 1);
  size_t extension = name.rfind('.');
  return std::string(extension == std::string_view::npos ? name : name.substr(0, extension));
}

TGamePropDlg::TGamePropDlg(TGamePropView& view) : View(view) {}

void TGamePropDlg::SetCaption(const std::string& caption) { View.SetCaption(caption); }

// The new profile holds the first values before the dialog shows them: FormShow fills the
// edits from the profile. Nothing is stored yet.
TModalResult TGamePropDlg::ExecuteNew() {
  Edited = TEdited::New;
  GetFilenameButtonClick();
  Config->Name = Trimmed(View.NameText());
  Config->Path = Trimmed(View.FilenameText());
  Config->Parameters = Trimmed(View.ParametersText());
  return ShowModal();
}

TModalResult TGamePropDlg::ShowDraft() {
  Edited = TEdited::Draft;
  return ShowModal();
}

TModalResult TGamePropDlg::ShowModal() {
  TModalResult result = View.ShowModal(*this);
  FormClose(result);
  return result;
}

void TGamePropDlg::FormShow() {
  View.SetNameText(Config->GetDisplayName());
  View.SetFilenameText(Config->GetPath());
  View.SetParametersText(Config->Parameters);
  View.SetWaitForProgramText(Config->WaitForProgram);
  UpdateIcon();
}

void TGamePropDlg::GetFilenameButtonClick() {
  if (PresetFile.empty()) {
    if (std::optional<std::string> chosen = FileChooser().ChooseFileToOpen(ProgramFileChoice()))
      PresetFile = *chosen;
  }
  if (PresetFile.empty()) Abort();
  View.SetFilenameText(PresetFile);
  UpdateIcon();
  if (View.NameText().empty() ||
      Messages().Ask(ChangeTitleQuestion, TQuestionButtons::qbYesNo, TMessageKind::mkQuestion) ==
          TAnswer::anYes)
    View.SetNameText(TitleOfProgramFile(PresetFile));
  PresetFile.clear();
  View.FocusNameEdit();
}

// A file the shell knows nothing of shows no icon.
void TGamePropDlg::UpdateIcon() {
  View.ShowIcon(nullptr);
  std::string file = View.FilenameText();
  if (file.empty()) return;
  std::unique_ptr<TFileIcon> icon = ShellCalls().LargeFileIcon(file);
  if (icon && icon->IconIndex() != 0) View.ShowIcon(std::move(icon));
}

bool TGamePropDlg::FormCloseQuery() {
  std::string refusal = TitleRefusal(Trimmed(View.NameText()));
  if (refusal.empty()) return true;
  Messages().ShowMessage(refusal, TMessageKind::mkWarning);
  return false;
}

// Titles are compared without regard to letter case, as Games.CFG compares the names of its
// sections: two such titles would share one stored entry. After the usual three tests come
// the titles the store would lose or refuse, so nothing is written under such a title.
std::string TGamePropDlg::TitleRefusal(const std::string& title) const {
  for (int index = 0; index < Programs->Count(); ++index) {
    const TrlProgramConfig& profile = Programs->Items(index);
    if (&profile != Config && SameText(profile.GetDisplayName(), title)) return TitleNotUniqueText;
  }
  if (title.find('_') != std::string::npos) return TitleUnderscoreText;
  if (title.empty()) return TitleEmptyText;
  // The store keeps such a game, but passes over its section when it loads.
  if (title.front() == '%') return TitlePercentText;
  try {
    CheckProfileTitle(title);
  } catch (const EError& error) {
    return error.what();
  }
  return std::string();
}

// A stored profile moves to its new title together with its option values; the new one and
// the draft have no stored entry, so they only take the title, and no other profile's entry
// is touched. A new profile that cannot be written whole is erased again: its title was
// found free, so the entry is its own.
void TGamePropDlg::FormClose(TModalResult result) {
  if (result != TModalResult::mrOK) return;
  std::string title = Trimmed(View.NameText());
  if (Edited == TEdited::Stored)
    Config->SetName(title);
  else
    Config->Name = title;
  Config->Path = Trimmed(View.FilenameText());
  Config->Parameters = Trimmed(View.ParametersText());
  Config->WaitForProgram = Trimmed(View.WaitForProgramText());
  if (Edited == TEdited::Draft) return;
  if (Edited == TEdited::Stored) return Config->Save();
  try {
    Config->Save();
  } catch (...) {
    EraseQuietly(*Config);
    throw;
  }
}

void EraseQuietly(TrlProgramConfig& profile) noexcept {
  try {
    profile.Erase();
  } catch (...) {
  }
}

}  // namespace tgl
