#pragma once
// The main window's icon in the notification area with its menu BarPopupMenu: the games
// (then "More..." when not all fit), "Show Game Launcher" (the default item), New, Options,
// About and Exit. The icon is there for the
// whole run; a double click shows the application. The menu's New, Options and About
// follow their actions; their images show when the toolbar style asks for them.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>

#include "base/StringList.h"
#include "ui/MainActions.h"
#include "widgets/BarPopupMenu_win.h"
#include "widgets/TrayIcon_win.h"

namespace tgl {

struct TTrayHandlers {
  std::function<void()> ShowApplication;  // Restore1 and the double click
  std::function<void(TMainAction)> Execute;  // New2, Options1, About1
  std::function<void()> Exit;               // Exit1
  std::function<void()> Help;               // the user's guide
  std::function<void(int)> RunGame;         // a game of the menu, by its position
  std::function<void(const std::string&)> Hint;
};

class TMainTray {
public:
  // `application` is the main window; `images` ImageListStandart (not owned).
  TMainTray(HWND application, HIMAGELIST images, TTrayHandlers handlers);
  ~TMainTray();
  TMainTray(const TMainTray&) = delete;
  TMainTray& operator=(const TMainTray&) = delete;

  void ShowAction(TMainAction action, const TActionState& state);
  // The menu is there, or taken away while a dialog of the window runs.
  void SetMenuPresent(bool present);
  void SetShowImages(bool show);
  // The games listed above "Show Game Launcher"; "More..." after them when `more`.
  void SetGames(const TStrings& captions, bool more);
  void SetTip(const std::string& tip) { Icons->SetTip(tip); }

private:
  int ItemOf(TMainAction action) const;
  // The menu has no insertion: it is built again whole, keeping the actions' states.
  void BuildMenu();

  TTrayHandlers Handlers;
  TBarPopupMenu Menu;
  HICON Icon = nullptr;
  std::unique_ptr<TTrayIcon> Icons;
  int NewItem = -1;
  int OptionsItem = -1;
  int AboutItem = -1;
  TStrings Games;
  bool MoreGames = false;
  bool NewEnabled = true;
  bool OptionsEnabled = true;
  bool AboutEnabled = true;
};

}  // namespace tgl
