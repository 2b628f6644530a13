#include "ui/MainWindow_win.h"

#include "app/Errors.h"
#include "app/RootUnit.h"
#include "platform/Platform.h"
#include "platform/win32/InstanceMutex_win.h"

namespace tgl {
namespace {

void RegisterMainWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSA windowClass{};
  if (::GetClassInfoA(instance, MainWindowClass, &windowClass)) return;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512) /* IDC_ARROW */);
  windowClass.hIcon = ::LoadIconA(instance, MAKEINTRESOURCEA(1));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = MainWindowClass;
  if (!::RegisterClassA(&windowClass)) throw EError("Cannot register the main window class");
}

}  // namespace

TMainWindow::TMainWindow(HINSTANCE instance, TInstanceMutex& mutex, bool startHidden)
    : Mutex(mutex) {
  RegisterMainWindowClass(instance, &TMainWindow::WindowProc);
  Window = ::CreateWindowExA(0, MainWindowClass, ProgramTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                             CW_USEDEFAULT, 640, 480, nullptr, nullptr, instance, this);
  if (!Window) throw EError("Cannot create the main window");
  if (!startHidden) {
    ::ShowWindow(Window, SW_SHOWNORMAL);
    ::UpdateWindow(Window);
  }
}

TMainWindow::~TMainWindow() {
  if (Window) ::DestroyWindow(Window);
}

LRESULT CALLBACK TMainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<TMainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->Window = window;
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TMainWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return ::DefWindowProcA(window, message, wParam, lParam);
  // No exception may cross into Windows: errors are shown here, aborts end quietly.
  try {
    return self->HandleMessage(message, wParam, lParam);
  } catch (const EAbort&) {
  } catch (const std::exception& error) {
    Messages().ShowMessage(error.what(), TMessageKind::mkError);
  }
  return 0;
}

LRESULT TMainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case ShowInstanceMessage:
      OnShowInstance();
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    default:
      return ::DefWindowProcA(Window, message, wParam, lParam);
  }
}

void TMainWindow::OnShowInstance() {
  ::ShowWindow(Window, ::IsIconic(Window) ? SW_RESTORE : SW_SHOW);
  ::SetForegroundWindow(Window);
}

void TMainWindow::OnDestroy() {
  Mutex.Release();
  ::SetWindowLongPtrA(Window, GWLP_USERDATA, 0);
  Window = nullptr;
  ::PostQuitMessage(0);
}

int RunMessageLoop() {
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace tgl
