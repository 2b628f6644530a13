#include "panels/win32/PanelWindow_win.h"

#include <commctrl.h>

#include "base/Errors.h"
#include "panels/win32/Win32Control_win.h"
#include "platform/Platform.h"
#include "platform/win32/WindowClass_win.h"

namespace tgl {
namespace {

const char* const FillsParentProperty = "TglFill";
const char* const BaseProcedureProperty = "TglBaseProc";

// Runs a control's handler; no exception may cross into Windows, so errors are shown here
// and the silent abort ends quietly.
template <typename Handler>
void Guarded(Handler handler) {
  try {
    handler();
  } catch (const EAbort&) {
  } catch (const std::exception& error) {
    Messages().ShowMessage(error.what(), TMessageKind::mkError);
  }
}

// Hands a WM_COMMAND or WM_NOTIFY on to the control object of the window that sent it;
// false when that window is no control of ours.
bool PassOnNotification(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    TWin32Control* control = TWin32Control::FromHandle(reinterpret_cast<HWND>(lParam));
    if (!control) return false;
    Guarded([&] { control->OnCommand(HIWORD(wParam)); });
    return true;
  }
  if (message == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    TWin32Control* control = header ? TWin32Control::FromHandle(header->hwndFrom) : nullptr;
    if (!control) return false;
    Guarded([&] { control->OnNotify(header->code); });
    return true;
  }
  return false;
}

void FillWith(HWND child, const RECT& client) {
  if (TWin32Control* control = TWin32Control::FromHandle(child))
    control->FillParent(client);
  else
    ::MoveWindow(child, client.left, client.top, client.right - client.left,
                 client.bottom - client.top, TRUE);
}

void FillChildren(HWND panel) {
  RECT client;
  ::GetClientRect(panel, &client);
  for (HWND child = ::GetWindow(panel, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    if (::GetPropA(child, FillsParentProperty)) FillWith(child, client);
}

LRESULT CALLBACK PanelProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
      if (PassOnNotification(message, wParam, lParam)) return 0;
      break;
    case WM_SIZE:
      FillChildren(window);
      return 0;
    case WM_DESTROY:
      for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        ::RemovePropA(child, FillsParentProperty);
      break;
    default:
      break;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK ForwardingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto base = reinterpret_cast<WNDPROC>(::GetPropA(window, BaseProcedureProperty));
  if ((message == WM_COMMAND || message == WM_NOTIFY) && PassOnNotification(message, wParam, lParam))
    return 0;
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(base));
    ::RemovePropA(window, BaseProcedureProperty);
  }
  return ::CallWindowProcA(base, window, message, wParam, lParam);
}

}  // namespace

HWND CreatePanelWindow(HWND parent, const RECT& bounds, int id, bool visible) {
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  RegisterWindowClass({.Name = PanelWindowClass,
                       .Procedure = &PanelProcedure,
                       .RefusedText = "Cannot register the panel window class",
                       .Background = ButtonFaceBrush()});
  DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0);
  HWND window = ::CreateWindowExA(WS_EX_CONTROLPARENT, PanelWindowClass, "", style, bounds.left,
                                  bounds.top, bounds.right - bounds.left,
                                  bounds.bottom - bounds.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                                  nullptr);
  if (!window) throw EError("Cannot create a panel");
  return window;
}

TPanelWindow::TPanelWindow(HWND parent, const RECT& bounds, int id, bool visible)
    : Window(CreatePanelWindow(parent, bounds, id, visible)) {}

TPanelWindow::~TPanelWindow() {
  if (::IsWindow(Window.Get())) UnmarkFillsParent(Window.Get());
}

void MarkFillsParent(HWND child) {
  ::SetPropA(child, FillsParentProperty, reinterpret_cast<HANDLE>(1));
  RECT client;
  ::GetClientRect(::GetParent(child), &client);
  FillWith(child, client);
}

void UnmarkFillsParent(HWND child) { ::RemovePropA(child, FillsParentProperty); }

void ForwardChildNotifications(HWND container) {
  LONG_PTR base = ::GetWindowLongPtrA(container, GWLP_WNDPROC);
  ::SetPropA(container, BaseProcedureProperty, reinterpret_cast<HANDLE>(base));
  ::SetWindowLongPtrA(container, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForwardingProcedure));
}

}  // namespace tgl
