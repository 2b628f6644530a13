#include "widgets/TrayIcon_win.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>

#include "base/Errors.h"
#include "platform/win32/WindowClass_win.h"
#include "platform/win32/WindowHandle_win.h"
#include "widgets/BarPopupMenu_win.h"
#include "widgets/Guarded_win.h"
#include "widgets/TrayClicks.h"

namespace tgl {
namespace {

const UINT IconId = 1;
// The record as Windows 95's shell knows it: nothing after the 64-character tip.
const DWORD NotifyIconV1Size = NOTIFYICONDATAA_V1_SIZE;
const size_t TipCapacity = 64;

TTrayMouse MouseOf(LPARAM lParam) {
  switch (static_cast<UINT>(lParam)) {
    case WM_RBUTTONUP: return TTrayMouse::tmRightButtonUp;
    case WM_LBUTTONDBLCLK: return TTrayMouse::tmLeftDoubleClick;
    default: return TTrayMouse::tmOther;
  }
}

// On screen: visible and not minimised.
bool IsOnScreen(HWND window) { return window && ::IsWindowVisible(window) && !::IsIconic(window); }

}  // namespace

struct TTrayIcon::TState {
  TWindowHandle Window;
  HWND Application = nullptr;
  HICON Icon = nullptr;
  std::string Tip;
  TBarPopupMenu* Menu = nullptr;
  std::function<void()> OnDoubleClick;
  bool Shown = false;
  UINT TaskbarCreated = ::RegisterWindowMessageA("TaskbarCreated");

  bool Notify(DWORD action) {
    NOTIFYICONDATAA data;
    std::memset(&data, 0, sizeof data);
    data.cbSize = NotifyIconV1Size;
    data.hWnd = Window.Get();
    data.uID = IconId;
    data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    data.uCallbackMessage = TrayCallbackMessage;
    data.hIcon = Icon;
    std::memcpy(data.szTip, Tip.data(), std::min(Tip.size(), TipCapacity - 1));
    return ::Shell_NotifyIconA(action, &data) != FALSE;
  }

  void Add() { Shown = Notify(NIM_ADD); }
  // After Explorer restarted the icon is gone and is added anew; where the message came for
  // another reason it is still there, and is only brought up to date.
  void AddAgain() { Shown = Notify(NIM_ADD) || Notify(NIM_MODIFY); }
  void Update() {
    if (Shown) Notify(NIM_MODIFY);
  }

  void OnMouse(LPARAM lParam) {
    switch (TrayActionFor(MouseOf(lParam), Menu != nullptr, IsOnScreen(Application))) {
      case TTrayAction::taPopupMenu: {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        Menu->Popup(cursor);
        break;
      }
      case TTrayAction::taDoubleClick:
        // A copy, so the handler may replace itself.
        if (auto handler = OnDoubleClick) handler();
        break;
      case TTrayAction::taNone:
        break;
    }
  }

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
      ::SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<TState*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message == TrayCallbackMessage && wParam == IconId) {
      CallGuarded([&] { self->OnMouse(lParam); });
      return 0;
    }
    // Explorer started again, with an empty notification area.
    if (self && message == self->TaskbarCreated && message != 0) {
      self->AddAgain();
      return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
  }
};

TTrayIcon::TTrayIcon(HICON icon, const std::string& tip, HWND application)
    : FState(std::make_unique<TState>()) {
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  RegisterWindowClass({.Name = TrayWindowClass,
                       .Procedure = &TState::WindowProc,
                       .RefusedText = "Cannot register the tray icon window class",
                       .ArrowCursor = false});
  // A hidden top-level window: it has to receive the shell's broadcast when Explorer restarts.
  FState->Window = TWindowHandle(::CreateWindowExA(0, TrayWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                                                   nullptr, instance, FState.get()));
  if (!FState->Window.Get()) throw EError("Cannot create the tray icon window");
  FState->Application = application;
  FState->Icon = icon;
  FState->Tip = tip;
  FState->Add();
}

TTrayIcon::~TTrayIcon() {
  if (FState) Remove();
}

TTrayIcon::TTrayIcon(TTrayIcon&&) noexcept = default;

TTrayIcon& TTrayIcon::operator=(TTrayIcon&& other) noexcept {
  if (this != &other) {
    if (FState) Remove();
    FState = std::move(other.FState);
  }
  return *this;
}

bool TTrayIcon::IsShown() const { return FState && FState->Shown; }

bool TTrayIcon::Remove() {
  if (!FState || !FState->Shown) return false;
  FState->Shown = false;
  return FState->Notify(NIM_DELETE);
}

void TTrayIcon::SetTip(const std::string& tip) {
  FState->Tip = tip;
  FState->Update();
}

void TTrayIcon::SetIcon(HICON icon) {
  FState->Icon = icon;
  FState->Update();
}

void TTrayIcon::SetMenu(TBarPopupMenu* menu) { FState->Menu = menu; }

TBarPopupMenu* TTrayIcon::Menu() const { return FState ? FState->Menu : nullptr; }

void TTrayIcon::SetOnDoubleClick(std::function<void()> handler) { FState->OnDoubleClick = std::move(handler); }

HWND TTrayIcon::CallbackWindow() const { return FState ? FState->Window.Get() : nullptr; }

}  // namespace tgl
