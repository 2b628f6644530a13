#pragma once
// The main window as its logic (TTesmoraGLxForm) sees it: the controls by their role, the
// window and the application, and the widgets (tray icon, logo, about box). The Win32
// window implements it over real windows; the tests implement it with plain fields.
// Message boxes and the shell are platform seams (platform/Messages.h, ShellCalls.h).
//
// Only the logic decides: the view shows what it is told and forwards every event of its
// windows to the logic's handler of that name.
#include <memory>
#include <string>

#include "base/StringList.h"
#include "ui/GamePropView.h"
#include "ui/MainActions.h"
#include "ui/OptionsView.h"

namespace tgl {

class TFramePanel;
class TGameProcesses;
class TListViewControl;

class TMainView {
public:
  virtual ~TMainView() = default;

  // DetailsPanel, where the option hub puts the tuning frame of the selected card.
  virtual TFramePanel& DetailsPanel() = 0;
  // GamesList.
  virtual TListViewControl& GamesList() = 0;

  // The window's caption, GameTitleLabel, and a panel of the status bar (0: the Windows
  // version, 1: the hint).
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetGameTitle(const std::string& title) = 0;
  virtual void SetStatusText(int panel, const std::string& text) = 0;
  // Whether the text shows whole in panel 1 of the status bar.
  virtual bool StatusTextFits(const std::string& text) const = 0;

  // DevicesCombo: its entries, the selected one (-1 for none) and its drop-down rows.
  virtual void SetCardItems(const TStrings& items) = 0;
  virtual int CardIndex() const = 0;
  virtual void SetCardIndex(int index) = 0;
  virtual void SetCardDropDownCount(int rows) = 0;

  // The buttons and menu items of an action show its state.
  virtual void ShowAction(TMainAction action, const TActionState& state) = 0;
  // Run1, Properties1 and Delete1 of GameListPopup, beyond their actions.
  virtual void SetGamePopupItemsEnabled(bool enabled) = 0;
  // The checked item of "Show as" (its Tag is the view style).
  virtual void CheckViewStyleItem(int tag) = 0;
  // One of the two toolbars is visible; the strip above the panels has the given height;
  // the popup menus show the action images or none.
  virtual void ArrangeToolbars(bool generic, int toolbarPanelHeight) = 0;
  virtual void SetMenuImages(bool visible) = 0;
  // Files dropped on the window are handed to the logic from now on.
  virtual void AcceptDroppedFiles() = 0;

  // The application: visible when its window is on the screen and not minimised.
  virtual bool IsApplicationVisible() const = 0;
  // The form was shown at least once (not so after a start with /minimized).
  virtual bool IsFormVisible() const = 0;
  // Shows the form; the first time the view then raises FormShow.
  virtual void ShowForm() = 0;
  virtual void RestoreApplication() = 0;
  virtual void MinimizeApplication() = 0;
  virtual void BringApplicationToFront() = 0;
  virtual void FocusForm() = 0;
  // Closes the window as its close box does, which asks FormCloseQuery first.
  virtual void CloseForm() = 0;
  // Ends the program at once, without FormCloseQuery; the form is destroyed as usual.
  virtual void TerminateApplication() = 0;

  // The tray icon's menu (BarPopupMenu) is there, or taken away while a dialog runs.
  virtual void SetTrayMenu(bool present) = 0;
  // The games the tray menu lists above "Show Game Launcher", by their captions, and
  // "More..." after them when `more`. Choosing one raises TrayGameClick with its position,
  // "More..." ShowApplicationClick.
  virtual void SetTrayGames(const TStrings& captions, bool more) = 0;
  // The tip of the tray icon: the program title, or what it has to say meanwhile.
  virtual void SetTrayTip(const std::string& tip) = 0;
  // GIFLogoImage: the view raises GIFLogoImageWrapAnimation at the end of each cycle of
  // its animation; Start plays on from there (it may have stopped by itself), Stop stops.
  virtual bool IsLogoAnimating() const = 0;
  virtual void StartLogoAnimation() = 0;
  virtual void StopLogoAnimation() = 0;
  // The about box, shown modally.
  virtual void ShowAboutBox() = 0;

  // The dialogs of the commands, made for one run each; they are modal to the window.
  virtual std::unique_ptr<TGamePropView> CreateGamePropView() = 0;
  virtual std::unique_ptr<TOptionsView> CreateOptionsView() = 0;

  // Started games' processes and the wait for their end; the view raises WatchedGameEvent.
  virtual TGameProcesses& GameProcesses() = 0;
};

}  // namespace tgl
