#pragma once
// The window classes of the program's own windows and controls.
#include <windows.h>

#include "base/Errors.h"

namespace tgl {

// What one of the program's window classes is made of; what it leaves out stays zero.
struct TWindowClass {
  const char* Name;
  WNDPROC Procedure;
  const char* RefusedText;  // the error when the system refuses the class
  // Windows the user points at show the arrow; hidden ones (the tray's, a menu's owner) need
  // no cursor.
  bool ArrowCursor = true;
  HBRUSH Background = nullptr;  // none: the window paints all of itself
  HICON Icon = nullptr;
};

// The background of windows that look like dialogs.
inline HBRUSH ButtonFaceBrush() { return reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1); }

// Registers the class once per process: every later window of the class finds it there.
inline void RegisterWindowClass(const TWindowClass& description) {
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  WNDCLASSA windowClass{};
  if (::GetClassInfoA(instance, description.Name, &windowClass)) return;
  windowClass.lpfnWndProc = description.Procedure;
  windowClass.hInstance = instance;
  if (description.ArrowCursor)
    windowClass.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512) /* IDC_ARROW */);
  windowClass.hbrBackground = description.Background;
  windowClass.hIcon = description.Icon;
  windowClass.lpszClassName = description.Name;
  if (!::RegisterClassA(&windowClass)) throw EError(description.RefusedText);
}

}  // namespace tgl
