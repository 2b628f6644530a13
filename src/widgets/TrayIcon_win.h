#pragma once
// The program's icon in the notification area ("tray") beside the clock.
//
//   TTrayIcon tray(icon, "Tesmora Game Launcher", mainWindow);
//   tray.SetMenu(&barMenu);                     // right click opens it
//   tray.SetOnDoubleClick([&] { ShowApplication(); });
//   { TTrayMenuLock lock(tray); RunModalDialog(); }   // no menu meanwhile
//
// The icon is added when the object is made and removed when it goes, also when an error
// unwinds past it. A hidden window of its own receives the shell's mouse messages; when
// Explorer restarts (the "TaskbarCreated" message) the icon is added again by itself.
//
// A right click opens the menu at the cursor, but only while the icon has a menu and the
// application window given is hidden or minimised; a double click raises the event either
// way. Having no menu is a state of its own (SetMenu(nullptr), or a TTrayMenuLock): the
// application uses it while a modal dialog runs, so that nothing brings it up from the
// tray behind the dialog.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace tgl {

class TBarPopupMenu;

// The message the shell sends to the icon's window: wParam is the icon's ID (1), lParam
// the mouse message (WM_RBUTTONUP, WM_LBUTTONDBLCLK, ...).
inline constexpr UINT TrayCallbackMessage = WM_APP + 1;
inline constexpr const char* TrayWindowClass = "TglTrayIcon";

class TTrayIcon {
public:
  // `application` is the window whose being on screen keeps the menu closed; null for none.
  TTrayIcon(HICON icon, const std::string& tip, HWND application);
  ~TTrayIcon();
  TTrayIcon(TTrayIcon&&) noexcept;
  TTrayIcon& operator=(TTrayIcon&&) noexcept;
  TTrayIcon(const TTrayIcon&) = delete;
  TTrayIcon& operator=(const TTrayIcon&) = delete;

  // Whether the shell shows the icon: false after Remove, or while no shell takes icons.
  bool IsShown() const;
  // Takes the icon out of the notification area now; true when the shell confirmed it.
  bool Remove();

  // The tip shows at most 63 characters, the limit of Windows 95.
  void SetTip(const std::string& tip);
  void SetIcon(HICON icon);

  // The menu a right click opens (not owned); nullptr leaves the icon without one.
  void SetMenu(TBarPopupMenu* menu);
  TBarPopupMenu* Menu() const;
  bool HasMenu() const { return Menu() != nullptr; }

  void SetOnDoubleClick(std::function<void()> handler);

  // The hidden window the shell talks to.
  HWND CallbackWindow() const;

private:
  struct TState;
  std::unique_ptr<TState> FState;
};

// Takes the menu away from a tray icon for its lifetime and gives the one it had back
// afterwards, also when an error unwinds past it.
class TTrayMenuLock {
public:
  explicit TTrayMenuLock(TTrayIcon& tray) : FTray(tray), FMenu(tray.Menu()) { tray.SetMenu(nullptr); }
  ~TTrayMenuLock() { FTray.SetMenu(FMenu); }
  TTrayMenuLock(const TTrayMenuLock&) = delete;
  TTrayMenuLock& operator=(const TTrayMenuLock&) = delete;

private:
  TTrayIcon& FTray;
  TBarPopupMenu* FMenu;
};

}  // namespace tgl
