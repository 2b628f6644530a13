// The widget kit in a small application of its own, the way the main window uses it: a
// window with the animated logo and a link, a tray icon whose side-bar menu has the tray
// menu's items, and the about box. A console program, so its output reaches whoever
// started it.
//
//   widgetviewer [--hidden] [--images] [--animate] [--home ADDRESS] [--fail-after-tray]
//
// --hidden starts with the window hidden, only the tray icon showing; --images shows the
// menu's images; --animate plays the logo once at start; --home sets the link's address;
// --fail-after-tray raises an error right after the tray icon was added, as a failing
// start would: the error is shown in a message box, as the program shows it.
//
// The tray menu: "Show Game Launcher" (default item) shows the window and plays the logo;
// "New", "Options" print what was chosen; "About" shows the about box with the tray menu
// taken away meanwhile; "Exit" ends. A double click on the tray icon shows the window.
//
// Messages to the window (class TglWidgetViewer):
//   ViewerStateMessage       gives 1 (tray icon shown) + 2 (has a menu) + 4 (images on)
//   ViewerImagesMessage      wParam 1 or 0: menu images on or off
//   ViewerAnimateMessage     plays the logo once more, by the replay rule
//
// Output, one line each: "READY", "TRAY shown=0|1 window=HEX", "POPUP", "HINT text",
// "CHOSE caption", "SHOW", "WRAP", "LOGO CLICK", "ABOUT opened", "ABOUT closed",
// "ERROR text", and at the end "TRAY removed=0|1".
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "ResourceIds.h"
#include "app/Win32Platform_win.h"
#include "base/Errors.h"
#include "base/ProductInfo.h"
#include "base/StartupState.h"
#include "ui/win32/AboutBox_win.h"
#include "widgets/AnimatedGif_win.h"
#include "widgets/BarPopupMenu_win.h"
#include "widgets/CommonControls_win.h"
#include "widgets/Guarded_win.h"
#include "widgets/ImageList_win.h"
#include "widgets/LinkLabel_win.h"
#include "widgets/TrayIcon_win.h"

namespace {

const char* const ViewerClass = "TglWidgetViewer";
const UINT ViewerStateMessage = WM_APP + 10;
const UINT ViewerImagesMessage = WM_APP + 11;
const UINT ViewerAnimateMessage = WM_APP + 12;
const int LogoId = 101;
const int LinkId = 102;

struct TOptions {
  bool Hidden = false;
  bool Images = false;
  bool Animate = false;
  bool FailAfterTray = false;
  std::string Home = tgl::HomePageAddress;
};

bool ParseOptions(int argc, char** argv, TOptions& options) {
  for (int index = 1; index < argc; ++index) {
    std::string argument = argv[index];
    if (argument == "--hidden") options.Hidden = true;
    else if (argument == "--images") options.Images = true;
    else if (argument == "--animate") options.Animate = true;
    else if (argument == "--fail-after-tray") options.FailAfterTray = true;
    else if (argument == "--home" && index + 1 < argc) options.Home = argv[++index];
    else return false;
  }
  return true;
}

void Print(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

class TViewer {
public:
  explicit TViewer(const TOptions& options);
  ~TViewer();

private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void BuildMenu();
  void ShowApplication();
  void ShowAbout();

  HWND Window = nullptr;
  std::optional<tgl::TAnimatedGif> Logo;
  std::optional<tgl::TReplayRule> Replay;
  std::optional<tgl::TLinkLabel> Link;
  tgl::TImageList Images;
  tgl::TBarPopupMenu Menu{"Tesmora GL"};
  std::optional<tgl::TTrayIcon> Tray;
};

TViewer::TViewer(const TOptions& options) {
  tgl::CommonControlsVersion();
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = &TViewer::WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512) /* IDC_ARROW */);
  windowClass.hIcon = ::LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = ViewerClass;
  ::RegisterClassA(&windowClass);
  Window = ::CreateWindowExA(0, ViewerClass, "Widgets", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                             0, 0, 320, 140, nullptr, nullptr, instance, this);
  if (!Window) throw tgl::EError("Cannot create the viewer window");
  ::SendMessageA(Window, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);

  Logo.emplace(Window, RECT{8, 8, 82, 82}, LogoId);
  Logo->SetSpeed(75);
  Logo->LoadFromResource(tgl::LogoResource);
  Replay.emplace(*Logo);
  Logo->SetOnWrapAnimation([this] {
    Print("WRAP");
    Replay->CycleEnded();
  });
  Logo->SetOnClick([] { Print("LOGO CLICK"); });
  Link.emplace(Window, RECT{100, 30, 300, 48}, tgl::LinkTextOf(options.Home), LinkId);
  Link->SetAddress(options.Home);

  Images = tgl::TImageList::FromBitmap(tgl::StandardImagesResource, tgl::StandardImageWidth);
  BuildMenu();
  Menu.SetImages(Images.Get());
  Menu.SetShowImages(options.Images);

  HICON trayIcon = static_cast<HICON>(::LoadImageA(instance, MAKEINTRESOURCEA(IDI_TRAY), IMAGE_ICON, 16, 16, 0));
  Tray.emplace(trayIcon, tgl::ProgramTitle, Window);
  Tray->SetMenu(&Menu);
  Tray->SetOnDoubleClick([this] { ShowApplication(); });
  char window[32];
  std::snprintf(window, sizeof window, "%llX",
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(Tray->CallbackWindow())));
  Print(std::string("TRAY shown=") + (Tray->IsShown() ? "1" : "0") + " window=" + window);
  if (options.FailAfterTray) throw tgl::EError("The viewer failed after adding its tray icon");

  if (!options.Hidden) ::ShowWindow(Window, SW_SHOWNORMAL);
  if (options.Animate) Replay->Trigger();
  Print("READY");
}

TViewer::~TViewer() {
  if (Tray) Print(std::string("TRAY removed=") + (Tray->Remove() ? "1" : "0"));
  Tray.reset();
  if (Window) ::DestroyWindow(Window);
}

void TViewer::BuildMenu() {
  auto report = [](const char* caption) { return [caption] { Print(std::string("CHOSE ") + caption); }; };
  int item = Menu.AddItem("Show Game Launcher", [this] { ShowApplication(); }, -1, true);
  Menu.SetHint(item, "Show the window");
  Menu.AddSeparator();
  item = Menu.AddItem("&New", report("New"), 0);
  Menu.SetHint(item, "Create run profile for new program");
  item = Menu.AddItem("&Options", report("Options"), 5);
  Menu.SetHint(item, "Configure program");
  Menu.AddSeparator();
  item = Menu.AddItem("&About", [this] { ShowAbout(); }, 7);
  Menu.SetHint(item, "About this program");
  Menu.AddSeparator();
  Menu.AddItem("E&xit", [this] {
    Print("CHOSE Exit");
    ::DestroyWindow(Window);
  });
  Menu.SetOnPopup([] { Print("POPUP"); });
  Menu.SetOnHint([](const std::string& hint) { Print("HINT " + hint); });
}

void TViewer::ShowApplication() {
  if (!Tray->HasMenu()) return;
  Print("SHOW");
  if (!::IsWindowVisible(Window) || ::IsIconic(Window)) ::ShowWindow(Window, ::IsIconic(Window) ? SW_RESTORE : SW_SHOW);
  ::SetForegroundWindow(Window);
  Replay->Trigger();
}

void TViewer::ShowAbout() {
  tgl::TTrayMenuLock lock(*Tray);
  Print("ABOUT opened");
  tgl::TAboutBox::Execute(Window);
  Print("ABOUT closed");
}

LRESULT CALLBACK TViewer::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<TViewer*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->Window = window;
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TViewer*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return ::DefWindowProcA(window, message, wParam, lParam);
  LRESULT result = 0;
  tgl::CallGuarded([&] { result = self->HandleMessage(message, wParam, lParam); });
  return result;
}

LRESULT TViewer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case ViewerStateMessage:
      return (Tray && Tray->IsShown() ? 1 : 0) | (Tray && Tray->HasMenu() ? 2 : 0) | (Menu.ShowImages() ? 4 : 0);
    case ViewerImagesMessage:
      Menu.SetShowImages(wParam != 0);
      return 0;
    case ViewerAnimateMessage:
      Replay->Trigger();
      return 0;
    case WM_DESTROY:
      ::SetWindowLongPtrA(Window, GWLP_USERDATA, 0);
      Window = nullptr;
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcA(Window, message, wParam, lParam);
  }
}

int RunViewer(const TOptions& options) {
  TViewer viewer(options);
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  return 0;
}

// Errors are printed, not shown: a message box would wait for a test that does not expect it.
class TPrintedMessages : public tgl::TMessages {
public:
  void ShowMessage(const std::string& text, tgl::TMessageKind) override { Print("ERROR " + text); }
  tgl::TAnswer Ask(const std::string& text, tgl::TQuestionButtons, tgl::TMessageKind) override {
    Print("QUESTION " + text);
    return tgl::TAnswer::anCancel;
  }
};

}  // namespace

int main(int argc, char** argv) {
  TOptions options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: widgetviewer [--hidden] [--images] [--animate] [--home ADDRESS] [--fail-after-tray]\n");
    return 1;
  }
  tgl::TWin32Platform platform;
  TPrintedMessages messages;
  tgl::TPlatform services = tgl::Platform();
  services.Messages = &messages;
  tgl::TPlatformScope scope(services);
  try {
    return RunViewer(options);
  } catch (const std::exception& error) {
    Print(std::string("ERROR ") + error.what());
    platform.Messages().ShowMessage(error.what(), tgl::TMessageKind::mkError);
    return 1;
  }
}
