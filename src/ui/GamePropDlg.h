#pragma once
// The logic of the game properties dialog TGamePropDlg: it edits a game's title, program
// file and parameters. The New command runs ExecuteNew with a profile that is not stored
// yet; the Edit command runs ShowModal with a stored one. Closing with OK checks the title
// and then writes the result into the profile and Games.CFG; the caller updates the game
// list. ShowDraft checks the title the same way but writes nothing: the caller stores the
// game itself (a profile file being imported).
#include <string>
#include <string_view>

#include "profiles/Programs.h"
#include "ui/GamePropView.h"
#include "ui/ModalResult.h"

namespace tgl {

// The dialog's caption for the New command.
inline constexpr const char* NewProgramCaption = "New program properties";

class TGamePropDlg {
public:
  // The view outlives the dialog.
  explicit TGamePropDlg(TGamePropView& view);
  TGamePropDlg(const TGamePropDlg&) = delete;
  TGamePropDlg& operator=(const TGamePropDlg&) = delete;

  // Set by the caller before the dialog runs. Neither is owned.
  TrlProgramConfig* Config = nullptr;
  TrlPrograms* Programs = nullptr;
  // A program file given in advance (dropped on the main window); cleared once used.
  std::string PresetFile;

  void SetCaption(const std::string& caption);

  // For the New command: obtains the program file (PresetFile, else the file chooser; the
  // silent abort when there is none), fills Config in memory and shows the dialog.
  TModalResult ExecuteNew();
  // For the Edit command: shows the dialog on the stored profile Config.
  TModalResult ShowModal();
  // Shows the dialog on Config, which is not stored and must not be: OK only takes the
  // texts into it.
  TModalResult ShowDraft();

  // Handlers of the view's events.
  void FormShow();
  // Before the dialog closes with OK: false, with a message shown, when the title cannot
  // be taken.
  bool FormCloseQuery();
  void FormClose(TModalResult result);
  // "...": chooses the program file, and offers its name as the title.
  void GetFilenameButtonClick();
  void FilenameEditExit() { UpdateIcon(); }
  void UpdateIcon();

private:
  // The title's refusal as the user reads it; empty when the title can be taken.
  std::string TitleRefusal(const std::string& title) const;

  // What OK does with Config: move its stored entry, write it as a new one, or only take
  // the texts.
  enum class TEdited { Stored, New, Draft };

  TGamePropView& View;
  TEdited Edited = TEdited::Stored;
};

// Removes what Games.CFG holds of a profile that a command could not finish, as far as
// that goes: the failure that stopped the command is the one to show.
void EraseQuietly(TrlProgramConfig& profile) noexcept;

// The title a program file offers: its name without folder and without its last extension
// (C:\Games\Quake\quake.exe gives quake).
std::string TitleOfProgramFile(std::string_view path);

}  // namespace tgl
