#pragma once
// The window a message box or a file dialog of the program belongs to.
#include <windows.h>

namespace tgl {

// `owner` (the main window, or none before it exists), unless a modal dialog of the program
// has disabled it: then the active window, the dialog, so that the box stays in front of the
// dialog and the dialog waits for it.
inline HWND ModalOwner(HWND owner) {
  if (owner && !::IsWindowEnabled(owner))
    if (HWND active = ::GetActiveWindow()) return active;
  return owner;
}

}  // namespace tgl
