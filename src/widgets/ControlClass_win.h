#pragma once
// The program's own controls: a window class whose windows each own one C++ object, made
// when the window is made and freed when it goes, reached through the window's user data.
#include <windows.h>

#include <new>

namespace tgl {

// The object of a control window; nullptr before WM_NCCREATE and after WM_NCDESTROY.
template <class TControl>
TControl* ControlObject(HWND window) {
  return reinterpret_cast<TControl*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
}

// A window procedure that gives each message to `TControl::Handle`. A window whose object
// cannot be made is not created.
template <class TControl>
LRESULT CALLBACK ControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE)
    ::SetWindowLongPtrA(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(new (std::nothrow) TControl(window)));
  TControl* control = ControlObject<TControl>(window);
  if (!control) return message == WM_NCCREATE ? FALSE : ::DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    delete control;
    return ::DefWindowProcA(window, message, wParam, lParam);
  }
  return control->Handle(message, wParam, lParam);
}

}  // namespace tgl
