#pragma once
// The logic of the game properties dialog TGamePropDlg: it edits a game's title, program
// file and parameters. The New command runs ExecuteNew with a profile that is not stored
// yet; the Edit command runs ShowModal with a stored one. Closing with OK checks the title
// and then writes the result into the profile and Games.CFG; the caller updates the game
// list.
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

  TGamePropView& View;
  // The profile of the New command, which has no stored entry yet.
  bool NewProfile = false;
};

// Removes what Games.CFG holds of a profile that a command could not finish, as far as
// that goes: the failure that stopped the command is the one to show.
void EraseQuietly(TrlProgramConfig& profile) noexcept;

// The title a program file offers: its name without folder and without its last extension
// (C:\Games\Quake\quake.exe gives quake).
std::string TitleOfProgramFile(std::string_view path);

}  // namespace tgl
