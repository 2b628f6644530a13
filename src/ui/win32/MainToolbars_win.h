#pragma once
// The two command bars of the main window, one of which is shown: CommandsToolBar, flat
// with captions, and the IE-style CoolBar1 (a rebar with one fixed band) holding ToolBar2.
// Without a rebar (comctl32 4.00 of Windows 95) the IE style falls back to the plain
// toolbar. Both have the same buttons in the same order, one per action; a click sends the
// action's command to the main window.
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string>

#include "platform/win32/WindowHandle_win.h"
#include "ui/MainActions.h"
#include "ui/win32/MainWindowControls_win.h"

namespace tgl {

// The command that a button or menu item of an action sends, and back.
inline constexpr int FirstActionCommand = 100;
inline int CommandOf(TMainAction action) { return FirstActionCommand + static_cast<int>(action); }
bool IsActionCommand(int command);
inline TMainAction ActionOfCommand(int command) {
  return static_cast<TMainAction>(command - FirstActionCommand);
}

// The images of the buttons (not owned): ImageListStandart for the generic toolbar, the
// idle and hot images for the IE-style one, and the tile behind its band.
struct TToolbarImages {
  HIMAGELIST Standard = nullptr;
  HIMAGELIST Idle = nullptr;
  HIMAGELIST Hot = nullptr;
  HBITMAP Band = nullptr;
};

class TMainToolbars {
public:
  // Both toolbars under the card row of `parent`, `width` pixels wide, hidden until
  // Arrange shows one.
  TMainToolbars(HWND parent, int top, int width, const TMainWindowControls& controls,
                const TToolbarImages& images, HFONT font);

  void ShowAction(TMainAction action, const TActionState& state);
  void Arrange(bool generic);
  // When `window` is one of the toolbars: true, and the hint of the button under `point`
  // (screen coordinates), empty between buttons.
  bool HintAt(HWND window, POINT point, std::string& hint) const;
  // Tooltip text of a button's command.
  static const char* TooltipOf(int command);

  HWND GenericToolbar() const { return Generic.Get(); }
  HWND IEToolbar() const { return IE.Get(); }
  HWND CoolBar() const { return Rebar.Get(); }

private:
  HWND CreateToolbar(HWND parent, int id, int buttonWidth, int buttonHeight, DWORD style,
                     HIMAGELIST images, HIMAGELIST hotImages);
  void AddButtons(HWND toolbar);
  int StringIndex(HWND toolbar, const std::string& caption);
  void UpdateButton(HWND toolbar, TMainAction action, const TActionState& state, bool sameLook);

  TWindowHandle Generic;
  TWindowHandle Rebar;  // none without the rebar control
  TWindowHandle IE;
  std::map<HWND, std::map<std::string, int>> Strings;  // caption indices per toolbar
  std::map<TMainAction, TActionState> Shown;  // what the buttons show
  bool WithImages;
};

}  // namespace tgl
