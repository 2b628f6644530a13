// The main window's messages: each is handed to the logic's handler of that name. No
// exception crosses into Windows: errors are shown here, the silent abort ends quietly.
#include "ui/win32/MainWindow_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include "base/Errors.h"
#include "base/StartupState.h"
#include "launch/CommandLine.h"
#include "panels/win32/Win32Control_win.h"
#include "platform/Platform.h"
#include "platform/win32/InstanceMutex_win.h"
#include "ui/MainKeys.h"
#include "ui/MainTexts.h"
#include "ui/UserGuide.h"

namespace tgl {
namespace {

const char* const MainWindowProperty = "TglMainWindow";
const int CardBoxId = 10;
// Posted to itself: handed-over requests wait in the window until the loop takes them.
const UINT TakeRequestsMessage = WM_APP + 21;
// A handed-over request that came while a question of the window was open tries again.
const UINT_PTR RequestRetryTimer = 2;
const UINT RequestRetryInterval = 250;

template <typename THandler>
void Guarded(THandler handler) {
  try {
    handler();
  } catch (const EAbort&) {
  } catch (const std::exception& error) {
    Messages().ShowMessage(error.what(), TMessageKind::mkError);
  }
}

TShiftState CurrentShiftState() {
  auto held = [](int key) { return (::GetKeyState(key) & 0x8000) != 0; };
  return {held(VK_SHIFT), held(VK_CONTROL), held(VK_MENU)};
}

}  // namespace

// Started for a /run or /apply, the window stays hidden; FormStarted restores what an
// earlier run left changed and carries the request out.
int TMainWindow::Run(const TStrings& arguments) {
  Form->FormCreate(arguments);
  if (Form->ShowOnStart() && !Terminating) Guarded([&] { ShowForm(); });
  Guarded([&] { Form->FormStarted(); });
  RunMessageLoop();
  return Form->ExitCode();
}

// Messages already in the queue do not wake MsgWaitForMultipleObjects: the queue is
// emptied before each wait.
void TMainWindow::RunMessageLoop() {
  for (;;) {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return;
      if (message.message == WM_MOUSEMOVE) TrackHint(message.hwnd, message.pt);
      if (message.message == WM_KEYDOWN && TakeShortcut(message)) continue;
      if (Window && ::IsDialogMessageA(Window, &message)) continue;
      ::TranslateMessage(&message);
      ::DispatchMessageA(&message);
    }
    HANDLE game = Processes ? Processes->WaitHandle() : nullptr;
    DWORD woke = ::MsgWaitForMultipleObjects(game ? 1 : 0, game ? &game : nullptr, FALSE,
                                             INFINITE, QS_ALLINPUT);
    if (game && woke == WAIT_OBJECT_0) {
      Processes->HandleSignalled();
      if (Form) Guarded([&] { Form->WatchedGameEvent(); });
    }
  }
}

// The Ctrl keys of the commands, and F1 for the user's guide, work wherever the focus is in
// the window.
bool TMainWindow::TakeShortcut(const MSG& message) {
  if (!Window || !Form || (message.hwnd != Window && !::IsChild(Window, message.hwnd)))
    return false;
  const int key = static_cast<int>(message.wParam);
  const TShiftState shift = CurrentShiftState();
  if (IsHelpKey(key, shift)) {
    Guarded([] { OpenUserGuide(); });
    return true;
  }
  std::optional<TMainAction> action = ActionOfShortcut(key, shift);
  if (!action) return false;
  Guarded([&] { Form->ExecuteAction(*action); });
  return true;
}

LRESULT CALLBACK TMainWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                         LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<TMainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->Window = window;
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TMainWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self || !self->Form) return ::DefWindowProcA(window, message, wParam, lParam);
  LRESULT result = 0;
  try {
    result = self->HandleMessage(message, wParam, lParam);
  } catch (const EAbort&) {
  } catch (const std::exception& error) {
    Messages().ShowMessage(error.what(), TMessageKind::mkError);
  }
  return result;
}

LRESULT TMainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_CTLCOLORSTATIC:
      return OnColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_MENUCHAR: {
      LRESULT result = 0;
      if (GamePopup->MenuChar(static_cast<char>(LOWORD(wParam)), reinterpret_cast<HMENU>(lParam),
                              result))
        return result;
      return ::DefWindowProcA(Window, message, wParam, lParam);
    }
    case WM_MEASUREITEM:
      return OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_DRAWITEM:
      return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_CONTEXTMENU:
      OnContextMenu(reinterpret_cast<HWND>(wParam), lParam);
      return 0;
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_MENUSELECT:
      OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
      return 0;
    case WM_SIZE:
      if (wParam == SIZE_MINIMIZED) OnMinimized();
      return ::DefWindowProcA(Window, message, wParam, lParam);
    case WM_ACTIVATE:
      OnActivate(LOWORD(wParam), HIWORD(wParam) != 0);
      return 0;
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    case WM_CLOSE:
      if (Form->FormCloseQuery()) ::DestroyWindow(Window);
      return 0;
    // Windows ends: the same question as closing, and the settings are saved as on closing.
    case WM_QUERYENDSESSION:
      return Form->FormCloseQuery() ? TRUE : FALSE;
    case WM_ENDSESSION:
      if (wParam) ::DestroyWindow(Window);
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case ShowInstanceMessage:
      Form->ShowInstanceMessage();
      return 0;
    case WM_COPYDATA:
      return OnCopyData(*reinterpret_cast<const COPYDATASTRUCT*>(lParam)) ? TRUE : FALSE;
    case TakeRequestsMessage:
      TakeHandedOverRequests();
      return 0;
    case WM_TIMER:
      if (wParam == GamePollTimer) {
        Form->WatchedGameEvent();
      } else if (wParam == RequestRetryTimer) {
        ::KillTimer(Window, RequestRetryTimer);
        TakeHandedOverRequests();
      }
      return 0;
    default:
      return ::DefWindowProcA(Window, message, wParam, lParam);
  }
}

LRESULT CALLBACK TMainWindow::CardBoxProc(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
  auto* self = static_cast<TMainWindow*>(::GetPropA(window, MainWindowProperty));
  if (!self) return ::DefWindowProcA(window, message, wParam, lParam);
  WNDPROC base = self->CardBoxBase;
  if ((message == WM_KEYDOWN || message == WM_SYSKEYDOWN) && self->Form)
    Guarded([&] { self->Form->DevicesComboKeyDown(static_cast<int>(wParam), CurrentShiftState()); });
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(base));
    ::RemovePropA(window, MainWindowProperty);
  }
  return ::CallWindowProcA(base, window, message, wParam, lParam);
}

void TMainWindow::OnCommand(int id, int code) {
  if (id == CardBoxId) {
    if (code == CBN_SELCHANGE) Form->DevicesComboChange();
  } else if (IsActionCommand(id)) {
    Form->ExecuteAction(ActionOfCommand(id));
  } else if (id >= ViewStyleCommand && id <= ViewStyleCommand + vsReport) {
    Form->List1Click(id - ViewStyleCommand);
  } else if (id == ExportProfileCommand) {
    Form->ExportProfile1Click();
  } else if (id == ImportProfileCommand) {
    Form->ImportProfile1Click();
  } else if (id == DesktopShortcutCommand) {
    Form->DesktopShortcut1Click();
  }
}

LRESULT TMainWindow::OnNotify(const NMHDR& header) {
  if (header.hwndFrom == Games->Handle()) return Games->OnNotify(header);
  // The toolbars' tooltips: the hint of the button's action.
  if (header.code == TTN_NEEDTEXTA) {
    auto& tip = const_cast<NMTTDISPINFOA&>(reinterpret_cast<const NMTTDISPINFOA&>(header));
    tip.lpszText = const_cast<char*>(TMainToolbars::TooltipOf(static_cast<int>(header.idFrom)));
  } else if (header.code == TTN_NEEDTEXTW) {
    auto& tip = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
    const char* text = TMainToolbars::TooltipOf(static_cast<int>(header.idFrom));
    ::MultiByteToWideChar(CP_ACP, 0, text, -1, tip.szText, 80);
    tip.lpszText = tip.szText;
  }
  return 0;
}

// GameTitleLabel is blue.
LRESULT TMainWindow::OnColorStatic(HDC context, HWND control) {
  if (control != TitleLabel)
    return ::DefWindowProcA(Window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(context),
                            reinterpret_cast<LPARAM>(control));
  ::SetTextColor(context, RGB(0, 0, 255));
  ::SetBkColor(context, ::GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
}

void TMainWindow::OnContextMenu(HWND window, LPARAM position) {
  if (window != Games->Handle()) return;
  POINT point{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
  // From the keyboard: at the selected item, or at the list's corner.
  if (position == -1) {
    RECT item{LVIR_ICON, 0, 0, 0};
    int selected = Games->ItemIndex();
    if (selected < 0 || !::SendMessageA(window, LVM_GETITEMRECT, static_cast<WPARAM>(selected),
                                        reinterpret_cast<LPARAM>(&item)))
      item = RECT{0, 0, 0, 0};
    point = {item.left, item.bottom};
    ::ClientToScreen(window, &point);
  }
  Form->GameListPopupPopup();
  GamePopup->Track(Window, point);
}

LRESULT TMainWindow::OnMeasureItem(MEASUREITEMSTRUCT& measure) {
  if (GamePopup->Measure(measure)) return TRUE;
  return ::DefWindowProcA(Window, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
}

LRESULT TMainWindow::OnDrawItem(const DRAWITEMSTRUCT& draw) {
  if (GamePopup->Draw(draw)) return TRUE;
  return ::DefWindowProcA(Window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
}

// The drop handle goes back to the shell before the logic runs, whatever it does.
void TMainWindow::OnDropFiles(HDROP drop) {
  char name[MAX_PATH] = {};
  if (::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0) > 0)
    ::DragQueryFileA(drop, 0, name, sizeof name);
  ::DragFinish(drop);
  Form->FilesDropped(name);
}

void TMainWindow::OnMenuSelect(UINT item, UINT flags, HMENU menu) {
  if (flags == 0xFFFF && !menu) {
    ShowHint("");
    return;
  }
  int command = static_cast<int>(item);
  std::string hint;
  if (!(flags & MF_POPUP)) {
    if (IsActionCommand(command))
      hint = DefinitionOf(ActionOfCommand(command)).Hint;
    else if (command == ExportProfileCommand)
      hint = ExportProfileHint;
    else if (command == ImportProfileCommand)
      hint = ImportProfileHint;
  }
  ShowHint(hint);
}

// A minimised application leaves the taskbar; the tray icon brings it back.
void TMainWindow::OnMinimized() { ::ShowWindow(Window, SW_HIDE); }

void TMainWindow::OnActivate(UINT state, bool minimized) {
  if (state == WA_INACTIVE) {
    HWND focus = ::GetFocus();
    if (focus && ::IsChild(Window, focus)) LastFocus = focus;
  } else if (!minimized) {
    RestoreFocus();
  }
}

// A control of the tuning panel may be gone or hidden since (another card), or disabled.
void TMainWindow::RestoreFocus() {
  HWND target = LastFocus;
  if (!target || !::IsWindow(target) || !::IsChild(Window, target) ||
      !::IsWindowVisible(target) || !::IsWindowEnabled(target))
    target = Games->Handle();
  ::SetFocus(target);
}

// The program must end whatever happens here: FormDestroy shows its own errors, and the
// mutex is released after it in every case.
void TMainWindow::OnDestroy() {
  Form->FormDestroy();
  Mutex.Release();
  ::SetWindowLongPtrA(Window, GWLP_USERDATA, 0);
  Window = nullptr;
  ::PostQuitMessage(0);
}

// Any program can send WM_COPYDATA: only data made by HandOverData is taken. The sender
// waits for the answer, so the request itself runs later, from the loop.
bool TMainWindow::OnCopyData(const COPYDATASTRUCT& data) {
  if (data.dwData != LaunchRequestDataId || (data.cbData > 0 && !data.lpData)) return false;
  std::optional<TLaunchRequest> request = RequestOfHandOverData(
      std::string_view(static_cast<const char*>(data.lpData), data.cbData));
  if (!request) return false;
  HandedOverRequests.push_back(std::move(*request));
  ::PostMessageA(Window, TakeRequestsMessage, 0, 0);
  return true;
}

// A question or dialog of the window runs its own loop, which may bring the request here:
// it waits until that is closed.
void TMainWindow::TakeHandedOverRequests() {
  while (!HandedOverRequests.empty() && Window) {
    if (!Form->CanTakeRequest()) {
      ::SetTimer(Window, RequestRetryTimer, RequestRetryInterval, nullptr);
      return;
    }
    TLaunchRequest request = std::move(HandedOverRequests.front());
    HandedOverRequests.pop_front();
    Guarded([&] { Form->LaunchRequested(request); });
  }
}

void TMainWindow::TrackHint(HWND window, POINT point) {
  if (!Window || !Form) return;
  std::string hint;
  if (!Toolbars->HintAt(window, point, hint))
    if (TWin32Control* control = TWin32Control::FromHandle(window)) hint = control->Hint();
  ShowHint(hint);
}

void TMainWindow::ShowHint(const std::string& hint) {
  if (hint == Hint) return;
  Hint = hint;
  Guarded([&] { Form->ApplicationEventsHint(hint); });
}

}  // namespace tgl
