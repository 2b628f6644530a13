#pragma once
// The plain container window of the tuning panels ("TglPanel"): the panel the option hub
// puts its frame in, the frame itself and each page of a page control. It passes the
// notifications of the controls inside it to their control objects, and keeps the children
// marked as filling it as large as itself.
#include <windows.h>

#include "platform/win32/WindowHandle_win.h"

namespace tgl {

inline constexpr const char* PanelWindowClass = "TglPanel";

class TPanelWindow {
public:
  // A child of `parent` at `bounds` (parent's client coordinates), visible unless told.
  TPanelWindow(HWND parent, const RECT& bounds, int id = 0, bool visible = true);
  ~TPanelWindow();
  TPanelWindow(TPanelWindow&&) = default;
  HWND Handle() const { return Window.Get(); }

private:
  TWindowHandle Window;
};

// Creates a child window of class TglPanel; error "Cannot create a panel".
HWND CreatePanelWindow(HWND parent, const RECT& bounds, int id, bool visible);

// Marks `child` as filling its parent (a TglPanel) from now on and sizes it so.
void MarkFillsParent(HWND child);
// Takes the mark away before the child is destroyed.
void UnmarkFillsParent(HWND child);

// Lets a standard control that holds other controls, a group box, pass their
// notifications on as a panel does. Undone when the window is destroyed.
void ForwardChildNotifications(HWND container);

}  // namespace tgl
