// Shows one tuning frame in a window of its own, as the main window's panel would hold it.
// A console program, so its output reaches whoever started it.
//
//   frameviewer NAME [--page N] [--fill]
//   frameviewer --card TUNINGFILE [--nt] [--page N] [--profile NAME] [--folder DIR]
//
// NAME is a registered frame name in any letter case: the bare layout is shown and every
// change a user makes to its controls is printed. --fill gives every combo box three
// entries (its name first, selected) and checks the check boxes with an odd Tag, as an
// option hub that loaded values would. Every check box and combo box gets its name as hint.
//
// --card puts an option hub on the window's panel and selects a card with that tuning
// definition file, as the main window does: the hub makes the card's frame and binds its
// options; the reload that follows loads the profile's values (NAME, by default the
// default profile "%Default%"; a missing key gives the option's default) and shows them.
// --nt runs in NT mode, otherwise in Windows 98 mode. DIR is the program folder, where
// Games.CFG and definition files are looked for; by default the viewer's own folder.
// --page shows page N (0-based) first.
//
// Output: "READY width height" once the window is shown (its outer size, at the screen's
// top left corner); without --card one "CHANGE name checked=C index=I" line per user
// change; with --card, when the window closes, one "OPTION name=value" line per option in
// the hub's order and "MODIFIED 0|1".
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "app/Win32Platform_win.h"
#include "base/Errors.h"
#include "base/StartupState.h"
#include "cards/CardConfig.h"
#include "options/FieldHub.h"
#include "panels/FrameRegistry.h"
#include "panels/win32/PanelWindow_win.h"
#include "panels/win32/Win32FramePanel_win.h"

namespace {

const char* const ViewerClass = "TglFrameViewer";
const int Margin = 8;

struct TOptions {
  std::string FrameName;
  std::string TuningFile;
  std::string Profile = "%Default%";
  std::string Folder;
  int Page = -1;
  bool Fill = false;
  bool NTMode = false;
};

bool ParseOptions(int argc, char** argv, TOptions& options) {
  for (int index = 1; index < argc; ++index) {
    std::string argument = argv[index];
    bool hasValue = index + 1 < argc;
    if (argument == "--fill") options.Fill = true;
    else if (argument == "--nt") options.NTMode = true;
    else if (argument == "--page" && hasValue) options.Page = std::atoi(argv[++index]);
    else if (argument == "--card" && hasValue) options.TuningFile = argv[++index];
    else if (argument == "--profile" && hasValue) options.Profile = argv[++index];
    else if (argument == "--folder" && hasValue) options.Folder = argv[++index];
    else if (options.FrameName.empty() && argument.rfind("--", 0) != 0) options.FrameName = argument;
    else return false;
  }
  return options.FrameName.empty() != options.TuningFile.empty();
}

std::string ViewerFolder() {
  char path[MAX_PATH] = {};
  DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.rfind('\\') + 1);
}

class TViewer {
public:
  explicit TViewer(const TOptions& options);
  ~TViewer() { Release(); }
  HWND Handle() const { return Window; }

private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void ShowLayout(const TOptions& options);
  void ShowCard(const TOptions& options);
  void ShowPage(int page);
  void Report(const tgl::TControl& control);
  void PrintOptions() const;
  // The frame's windows go before the panel that holds them.
  void Release();

  tgl::TFrameRegistry Frames;
  HWND Window = nullptr;
  std::unique_ptr<tgl::TPanelWindow> Panel;
  std::unique_ptr<tgl::TWin32FramePanel> FramePanel;
  std::unique_ptr<tgl::TGenericTuningFrame> Frame;  // a bare layout
  tgl::TrlCardConfig Card{};
  std::unique_ptr<tgl::TFieldHub> Hub;              // a card's frame, owned by its hub
};

TViewer::TViewer(const TOptions& options) {
  tgl::RegisterBuiltInFrames(Frames);
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
  Window = ::CreateWindowExA(0, ViewerClass, "Frame", style, 0, 0, outer.right - outer.left,
                             outer.bottom - outer.top, nullptr, nullptr, instance, this);
  if (!Window) throw tgl::EError("Cannot create the viewer window");
  RECT client;
  ::GetClientRect(Window, &client);
  Panel = std::make_unique<tgl::TPanelWindow>(
      Window, RECT{Margin, Margin, client.right - Margin, client.bottom - Margin});
  FramePanel = std::make_unique<tgl::TWin32FramePanel>(Panel->Handle());
  if (options.TuningFile.empty())
    ShowLayout(options);
  else
    ShowCard(options);
  ShowPage(options.Page);
  const tgl::TGenericTuningFrame* shown = Hub ? Hub->Frame() : Frame.get();
  std::string title = "Frame " + std::string(shown->ClassName());
  ::SetWindowTextA(Window, title.c_str());
  ::ShowWindow(Window, SW_SHOWNORMAL);
  ::UpdateWindow(Window);
  std::printf("READY %ld %ld\n", outer.right - outer.left, outer.bottom - outer.top);
  std::fflush(stdout);
}

void TViewer::ShowLayout(const TOptions& options) {
  Frame = Frames.CreateTuningFrame(options.FrameName, nullptr);
  Frame->SetParent(*FramePanel);
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
}

// The profile is named first, so the reload that ends the card's selection loads and shows
// its values; before a card is selected that reload would be the silent abort.
void TViewer::ShowCard(const TOptions& options) {
  Card.CardName = options.TuningFile;
  Card.TuningFile = options.TuningFile;
  tgl::CopyToCharBuffer(Card.Device.DeviceKey,
                        "System\\CurrentControlSet\\Services\\Class\\Display\\0000");
  Hub = std::make_unique<tgl::TFieldHub>(Frames, *FramePanel);
  tgl::TFieldHub& hub = *Hub;
  hub.SetProfileName(options.Profile);
  hub.OnReloadValues = [&hub] {
    hub.LoadFromProfile();
    hub.ShowValues(true);
  };
  hub.SelectCard(&Card);
}

void TViewer::ShowPage(int page) {
  const tgl::TGenericTuningFrame* frame = Hub ? Hub->Frame() : Frame.get();
  if (page < 0 || !frame) return;
  for (const auto& control : frame->Controls())
    if (control->Kind() == tgl::cmPageControl) control->SetItemIndex(page);
}

void TViewer::Report(const tgl::TControl& control) {
  std::printf("CHANGE %s checked=%d index=%d\n", std::string(control.Name()).c_str(),
              control.Checked() ? 1 : 0, control.ItemIndex());
  std::fflush(stdout);
}

void TViewer::PrintOptions() const {
  if (!Hub) return;
  for (int index = 0; index < Hub->OptionCount(); ++index)
    std::printf("OPTION %s=%s\n", Hub->Options(index).Name().c_str(),
                Hub->Options(index).Value().c_str());
  std::printf("MODIFIED %d\n", Hub->IsModified() ? 1 : 0);
  std::fflush(stdout);
}

void TViewer::Release() {
  Hub.reset();
  Frame.reset();
  FramePanel.reset();
  Panel.reset();
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
      if (self) {
        self->PrintOptions();
        self->Release();
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
  TViewer viewer(options);
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
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: frameviewer NAME [--page N] [--fill]\n"
                 "       frameviewer --card TUNINGFILE [--nt] [--page N] [--profile NAME] "
                 "[--folder DIR]\n");
    return 1;
  }
  tgl::TWin32Platform platform;
  tgl::TStartupState& startup = tgl::Startup();
  startup.ProgramDir = options.Folder.empty() ? ViewerFolder() : options.Folder;
  if (!startup.ProgramDir.empty() && startup.ProgramDir.back() != '\\') startup.ProgramDir += '\\';
  startup.WindowsVersion = options.NTMode ? tgl::wvWindows2000 : tgl::wvWindows98;
  try {
    return RunViewer(options);
  } catch (const tgl::EAbort&) {
    return 1;
  } catch (const std::exception& error) {
    platform.Messages().ShowMessage(error.what(), tgl::TMessageKind::mkError);
    return 1;
  }
}
