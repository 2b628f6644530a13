// Shows one tuning frame in a window of its own, as the main window's panel would hold it,
// and prints every change a user makes to its controls. A console program, so its output
// reaches whoever started it.
//
//   frameviewer NAME [--page N] [--fill]
//
// NAME is a registered frame name in any letter case. --page shows page N (0-based) first.
// --fill gives every combo box three entries (its name first, selected) and checks the
// check boxes with an odd Tag, as an option hub that loaded values would. Every check box
// and combo box gets its name as hint.
//
// Output: "READY width height" once the window is shown (its outer size, at the screen's
// top left corner), then one "CHANGE name checked=C index=I" line per user change.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "app/Errors.h"
#include "panels/FrameRegistry.h"
#include "platform/win32/Win32Platform_win.h"
#include "ui/PanelWindow_win.h"
#include "ui/Win32FramePanel_win.h"

namespace {

const char* const ViewerClass = "TglFrameViewer";
const int Margin = 8;

struct TOptions {
  std::string FrameName;
  int Page = -1;
  bool Fill = false;
};

bool ParseOptions(int argc, char** argv, TOptions& options) {
  for (int index = 1; index < argc; ++index) {
    std::string argument = argv[index];
    if (argument == "--fill") options.Fill = true;
    else if (argument == "--page" && index + 1 < argc) options.Page = std::atoi(argv[++index]);
    else if (options.FrameName.empty()) options.FrameName = argument;
    else return false;
  }
  return true;
}

class TViewer {
public:
  TViewer(std::unique_ptr<tgl::TGenericTuningFrame> frame, const TOptions& options);
  ~TViewer() { Frame.reset(); }
  HWND Handle() const { return Window; }

private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void PlaceFrame(const TOptions& options);
  void Report(const tgl::TControl& control);

  HWND Window = nullptr;
  std::unique_ptr<tgl::TPanelWindow> Panel;
  std::unique_ptr<tgl::TGenericTuningFrame> Frame;
};

TViewer::TViewer(std::unique_ptr<tgl::TGenericTuningFrame> frame, const TOptions& options)
    : Frame(std::move(frame)) {
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = &TViewer::WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512) /* IDC_ARROW */);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = ViewerClass;
  ::RegisterClassA(&windowClass);

  const tgl::TBounds& frameSize = tgl::FrameBounds;
  RECT outer{0, 0, frameSize.Width + 2 * Margin, frameSize.Height + 2 * Margin};
  const DWORD style = WS_OVERLAPPEDWINDOW;
  ::AdjustWindowRectEx(&outer, style, FALSE, 0);
  std::string title = "Frame " + std::string(Frame->ClassName());
  Window = ::CreateWindowExA(0, ViewerClass, title.c_str(), style, 0, 0, outer.right - outer.left,
                             outer.bottom - outer.top, nullptr, nullptr, instance, this);
  if (!Window) throw tgl::EError("Cannot create the viewer window");
  PlaceFrame(options);
  ::ShowWindow(Window, SW_SHOWNORMAL);
  ::UpdateWindow(Window);
  std::printf("READY %ld %ld\n", outer.right - outer.left, outer.bottom - outer.top);
  std::fflush(stdout);
}

void TViewer::PlaceFrame(const TOptions& options) {
  RECT client;
  ::GetClientRect(Window, &client);
  Panel = std::make_unique<tgl::TPanelWindow>(
      Window, RECT{Margin, Margin, client.right - Margin, client.bottom - Margin});
  tgl::TWin32FramePanel framePanel(Panel->Handle());
  Frame->SetParent(framePanel);
  for (const auto& control : Frame->Controls()) {
    tgl::TControl& each = *control;
    if (each.Kind() != tgl::cmCheckBox && each.Kind() != tgl::cmComboBox) continue;
    each.SetHint(std::string(each.Name()));
    each.SetOnChange([this, &each] { Report(each); });
    if (!options.Fill) continue;
    if (each.Kind() == tgl::cmComboBox) {
      each.SetItems({std::string(each.Name()), "Second entry", "Third entry"});
      each.SetItemIndex(0);
    } else {
      each.SetChecked(each.Tag() % 2 == 1);
    }
  }
  if (options.Page >= 0)
    for (const auto& control : Frame->Controls())
      if (control->Kind() == tgl::cmPageControl) control->SetItemIndex(options.Page);
}

void TViewer::Report(const tgl::TControl& control) {
  std::printf("CHANGE %s checked=%d index=%d\n", std::string(control.Name()).c_str(),
              control.Checked() ? 1 : 0, control.ItemIndex());
  std::fflush(stdout);
}

LRESULT CALLBACK TViewer::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<TViewer*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TViewer*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    case WM_SIZE:
      if (self && self->Panel)
        ::MoveWindow(self->Panel->Handle(), Margin, Margin, LOWORD(lParam) - 2 * Margin,
                     HIWORD(lParam) - 2 * Margin, TRUE);
      return 0;
    case WM_CLOSE:
      // The frame's windows go before the window that holds them.
      if (self) {
        self->Frame.reset();
        self->Panel.reset();
      }
      ::DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcA(window, message, wParam, lParam);
  }
}

int RunViewer(const TOptions& options) {
  tgl::TFrameRegistry registry;
  tgl::RegisterBuiltInFrames(registry);
  TViewer viewer(registry.CreateTuningFrame(options.FrameName, nullptr), options);
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (::IsDialogMessageA(viewer.Handle(), &message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  TOptions options;
  if (!ParseOptions(argc, argv, options) || options.FrameName.empty()) {
    std::fprintf(stderr, "usage: frameviewer NAME [--page N] [--fill]\n");
    return 1;
  }
  tgl::TWin32Platform platform;
  try {
    return RunViewer(options);
  } catch (const std::exception& error) {
    platform.Messages().ShowMessage(error.what(), tgl::TMessageKind::mkError);
    return 1;
  }
}
