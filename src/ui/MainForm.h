#pragma once
// The logic of the main window TTesmoraGLxForm: it owns the card list, the option hub and
// the profile list, and decides what creation, a card change, a game selection, the save
// question, each command, closing and the settings do. It talks to its window through
// TMainView, to message boxes and the shell through the platform seams; the Win32 window
// only forwards its events to the handlers below, which carry the names of the window's
// events.
//
// It is also the host of the game a Run started (TGameHost): its questions, messages and
// status bar are the window's, the processes and the wait are the view's (GameProcesses).
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "base/StringList.h"
#include "cards/Cards.h"
#include "launch/CommandLine.h"
#include "launch/GameHost.h"
#include "launch/GameSession.h"
#include "options/FieldHub.h"
#include "profiles/Programs.h"
#include "ui/ListViewControl.h"
#include "ui/MainActions.h"
#include "ui/MainSettings.h"
#include "ui/MainView.h"

namespace tgl {

class TFrameRegistry;
struct TGameProfile;

class TTesmoraGLxForm : private TGameHost {
public:
  // The most games the tray menu lists; "More..." follows when there are more.
  static constexpr int MaxTrayGames = 15;

  // The view and the frame registry outlive the form.
  TTesmoraGLxForm(TMainView& view, const TFrameRegistry& frames);
  ~TTesmoraGLxForm() override;
  TTesmoraGLxForm(const TTesmoraGLxForm&) = delete;
  TTesmoraGLxForm& operator=(const TTesmoraGLxForm&) = delete;

  // Life of the window. FormCreate takes the program's arguments; an error of a creation
  // step is shown and skips the steps after it, as it would in any window's creation. The
  // commands then stay disabled, and the requests that bypass them are refused with a
  // message, since what the skipped steps make is missing.
  void FormCreate(const TStrings& arguments);
  // False after FormCreate when the program was started with /minimized, /run or /apply.
  bool ShowOnStart() const { return !StartHidden; }
  void FormShow();
  // Once the window is up (shown or not): driver values that a run which ended without
  // seeing its game end left changed are put back, then the /run or /apply of the command
  // line is carried out. Started for a request, the program ends when it is done, unless
  // it waits for the game to restore its settings.
  void FormStarted();
  // The program's exit code: 1 when the request of its command line could not be carried
  // out (unknown title, no supported card, a failed start or an error), else 0.
  int ExitCode() const { return FExitCode; }
  // Whether the window may close; asks the save question.
  bool FormCloseQuery();
  // Saves the settings and frees the profile list, the card list and the hub. Never raises:
  // the program must end whatever happens here, so an error is shown and the rest goes on.
  // The settings are not saved when Games.CFG could not be read at creation: they were
  // never read, and saving them would put the defaults over the user's.
  void FormDestroy() noexcept;

  // Events of the controls.
  void DevicesComboChange();
  void DevicesComboKeyDown(int key, TShiftState shift);
  void GamesListSelectItem(int item, bool selected);
  void GamesListChanging2(int item, uint32_t oldState, uint32_t newState, TItemChange change,
                          bool& allowChange);
  void GamesListMouseDown();
  // True when the key was used and is not to reach the list.
  bool GamesListKeyDown(int key, TShiftState shift);
  void GamesListDblClick();
  // The icon of a game list item, looked up when the list first shows it.
  int GamesListGetImageIndex(int item) const;
  // Before GameListPopup opens; the silent abort cancels it.
  void GameListPopupPopup();
  void List1Click(int tag);
  // "Export profile file..." and "Import profile file..." of GameListPopup: the selected
  // game, or the Default entry's values, to a profile file; a profile file as a new game.
  void ExportProfile1Click();
  void ImportProfile1Click();
  void ShowApplicationClick();
  void Exit1Click();
  void ApplicationEventsHint(const std::string& hint);
  void GIFLogoImageClick();
  void GIFLogoImageWrapAnimation();
  // The first file of a drop on the window; empty when the drop held none. A profile file
  // is imported, any other file is the program of a new game.
  void FilesDropped(const std::string& firstFile);
  void ShowInstanceMessage() { ShowApplicationClick(); }
  // A /run or /apply handed over by a second start of the program: the game is selected
  // (after the save question) and run or applied as Run does.
  void LaunchRequested(const TLaunchRequest& request);
  // False while a dialog or a question of this window runs: a request must wait for it.
  bool CanTakeRequest() const;
  // A game of the tray menu, by its position in the list given to SetTrayGames: run as
  // /run runs it.
  void TrayGameClick(int index);
  // "Create desktop shortcut" of GameListPopup: a shortcut on the desktop that runs the
  // selected game with /run.
  void DesktopShortcut1Click();
  // The watched game's process ended, or the poll interval passed.
  void WatchedGameEvent();

  // An action triggered by a button, a menu item or a key: a disabled one does nothing.
  void ExecuteAction(TMainAction action);
  const TActionState& ActionState(TMainAction action) const;

  // The commands, each the handler of its action.
  void OnActionNew();
  void OnActionEdit();
  void OnActionExecute();
  void OnActionDefault();
  void OnActionRegistry();
  void OnActionDelete();
  void AboutActionExecute();
  void OptionsActionExecute();

  // Operations other windows use.
  // Asks about unsaved option values: Yes saves them, No reverts them (and shows the
  // reverted values when `refresh`), Cancel is the silent abort.
  void SaveChangesPrompt(bool refresh);
  // The save question before the game or the card is left: false, with nothing left, when
  // the user cancelled or the save failed (which is told).
  bool MayLeaveEdits(bool refresh);
  void ReloadProfile();
  void StoreProfile();
  void FillCards();
  void FillGames();
  int IconIndexOf(const std::string& path, bool large) const;
  void LoadSettings();
  void SaveSettings();
  void ApplyToolbarStyle();
  void AnimateLogo();

  TMainSettings& Settings() { return FSettings; }
  const TMainSettings& Settings() const { return FSettings; }
  TFieldHub* Hub() const { return FHub.get(); }
  TrlCards* Cards() const { return FCards.get(); }
  TrlPrograms* Programs() const { return FPrograms.get(); }
  // The running game's session; none after FormDestroy.
  const TGameSession* Session() const { return FSession.get(); }
  // The program file dropped on the window, for the New command; empty otherwise.
  std::string DroppedFile;

private:
  class TTrayMenuLock;
  // The window's own changes of the list's selection: whatever they replace, the window
  // has decided on it, so the veto lets them pass.
  class TListSelection {
  public:
    explicit TListSelection(bool& selecting) : Selecting(selecting), Outer(selecting) {
      Selecting = true;
    }
    ~TListSelection() { Selecting = Outer; }
    TListSelection(const TListSelection&) = delete;
    TListSelection& operator=(const TListSelection&) = delete;

  private:
    bool& Selecting;
    bool Outer;
  };

  // What a Run or Apply came to, for what follows it.
  enum class TRunEnd { reCancelled, reApplied, reStartFailed, reStarted };
  // What happens when the game that is waited for ends.
  enum class TAfterGame {
    agNothing,
    agClose,        // OnRun "Exit": the window closes
    agEndIfHidden,  // started for a request: the program ends unless the window was shown
  };

  // TGameHost: the session's questions, messages and status bar are the window's (its
  // processes and the wait are the view's TGameProcesses).
  bool Confirm(const std::string& text) override;
  void ShowMessage(const std::string& text, TMessageKind kind) override;
  void ShowRunningGame(const std::string& title) override;
  void GameEnded() override;

  TListViewControl& GamesList() const { return FView.GamesList(); }
  void SetAction(TMainAction action, bool enabled, const std::string& caption, int imageIndex);
  void SetActionEnabled(TMainAction action, bool enabled);
  // The profile of the selected game list item, or nullptr when none is selected.
  TrlProgramConfig* SelectedProfile() const;
  // Selects a game list item for the window's own reasons: no save question is asked.
  void SelectGame(int index);
  // Asks a confirmation with OK and Cancel when `confirm`; false when the answer was not OK.
  static bool Confirmed(bool confirm, const char* question);
  void TestAdminRights();
  // Run on a game, Apply on the Default entry or with `start` false: the registry write
  // (restricted mode asks first), the start and the wait for the game.
  TRunEnd RunProfile(const TrlProgramConfig& profile, bool start);
  TRunEnd StartGame(const TrlProgramConfig& profile, bool writeRegistry);
  void ApplyOnRun();
  bool WriteValuesToRegistry(bool startsGame);
  // Tells the user once when Games.CFG is there but cannot be read; it is then kept.
  void CheckGamesFile();
  // Imports the profile file, or one the user picks when `fileName` is empty.
  void ImportProfileFrom(std::string fileName);
  // Adds the profile as a new game; the index of its entry in the profile list.
  int ImportUnderFreeTitle(TGameProfile& profile);
  // Selects the game a request names, after the save question, and runs or applies it.
  TRunEnd CarryOut(const TLaunchRequest& request);
  // After a request: a program started for one ends, otherwise OnRun applies.
  void FinishLaunch(TRunEnd end);
  // The program started for a request is done with it: it ends now, or when the game it
  // waits for ends.
  void EndLaunch();
  bool HasSupportedCard() const;
  // After a creation step failed: every command that needs the hub, the cards or the games.
  void DisableCommandsOfIncompleteStart();
  int ItemOf(const TrlProgramConfig& profile) const;
  // The tray menu's games follow the game list.
  void RefreshTrayGames();
  void ShowStatusBarText();

  TMainView& FView;
  const TFrameRegistry& FFrames;
  TMainSettings FSettings;
  std::array<TActionState, MainActionCount> FActions;
  std::unique_ptr<TFieldHub> FHub;
  std::unique_ptr<TrlCards> FCards;
  std::unique_ptr<TrlPrograms> FPrograms;
  std::unique_ptr<TGameSession> FSession;
  // The /run or /apply of the command line, until FormStarted carries it out.
  std::optional<TLaunchRequest> CommandLineRequest;
  // The program was started for a request: it ends once done unless its window was shown.
  bool StartedForLaunch = false;
  int FExitCode = 0;
  TAfterGame AfterGame = TAfterGame::agNothing;
  // The hint under the mouse, and the title of the game waited for: the status bar shows
  // the hint while there is one.
  std::string Hint;
  std::string RunningGame;
  // The titles of the games the tray menu lists, in its order.
  TStrings TrayGameNames;
  bool StartHidden = false;
  // Games.CFG could not be read when the window was created.
  bool GamesFileKept = false;
  // Every step of FormCreate succeeded: the hub, the card list and the games are there.
  bool Created = false;
  // The settings were read from Games.CFG, so saving them keeps the user's.
  bool SettingsLoaded = false;
  bool LogoReplay = false;
  // The save question was asked during the current mouse or key press on the game list.
  bool AskedThisClick = false;
  // The window changes the list's selection itself; the veto lets it.
  bool SelectingGame = false;
  int TrayMenuLocks = 0;
};

}  // namespace tgl
