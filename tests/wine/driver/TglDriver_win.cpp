// A small test driver for the end-to-end tests: it finds the program's windows under Wine,
// reads what they show and presses their buttons, as a user would. Each command polls with
// a bound and prints one line; the exit code is 0 on success, 2 on a time-out.
//
//   tgldriver msgbox TIMEOUT_MS            text of the program's message box, then OK
//   tgldriver window CLASS TIMEOUT_MS      waits for a top-level window of that class
//   tgldriver shown CLASS TIMEOUT_MS       waits until it is visible and not minimised
//   tgldriver minimize CLASS               minimises it
//   tgldriver close CLASS                  asks it to close
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char* const ProgramTitle = "Tesmora Game Launcher";
const int MessageBoxTextId = 0xFFFF;  // the static text of a standard message box
const DWORD PollMilliseconds = 50;

template <typename Found>
HWND PollFor(DWORD timeoutMs, Found found) {
  DWORD start = ::GetTickCount();
  for (;;) {
    if (HWND window = found()) return window;
    if (::GetTickCount() - start >= timeoutMs) return nullptr;
    ::Sleep(PollMilliseconds);
  }
}

// Line breaks are printed as \r and \n so the output stays one line.
std::string Escaped(const std::string& text) {
  std::string result;
  for (char c : text) {
    if (c == '\r') result += "\\r";
    else if (c == '\n') result += "\\n";
    else result += c;
  }
  return result;
}

std::string WindowText(HWND window) {
  char buffer[4096] = {};
  ::GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

int MessageBoxCommand(DWORD timeoutMs) {
  HWND box = PollFor(timeoutMs, [] {
    HWND candidate = ::FindWindowA("#32770", ProgramTitle);
    return candidate && ::IsWindowVisible(candidate) ? candidate : nullptr;
  });
  if (!box) {
    std::printf("TIMEOUT no message box\n");
    return 2;
  }
  HWND text = ::GetDlgItem(box, MessageBoxTextId);
  std::printf("TEXT %s\n", Escaped(text ? WindowText(text) : std::string()).c_str());
  std::fflush(stdout);
  ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  return 0;
}

int WindowCommand(const char* className, DWORD timeoutMs, bool mustBeShown) {
  HWND window = PollFor(timeoutMs, [&] {
    HWND candidate = ::FindWindowA(className, nullptr);
    if (candidate && mustBeShown && (!::IsWindowVisible(candidate) || ::IsIconic(candidate)))
      return HWND(nullptr);
    return candidate;
  });
  if (!window) {
    std::printf("TIMEOUT no window %s\n", className);
    return 2;
  }
  std::printf("WINDOW %s visible=%d iconic=%d title=%s\n", className,
              ::IsWindowVisible(window) ? 1 : 0, ::IsIconic(window) ? 1 : 0,
              WindowText(window).c_str());
  return 0;
}

int PostCommand(const char* className, UINT message, WPARAM wParam) {
  HWND window = ::FindWindowA(className, nullptr);
  if (!window) {
    std::printf("MISSING %s\n", className);
    return 2;
  }
  if (message == WM_SYSCOMMAND && wParam == SC_MINIMIZE)
    ::ShowWindow(window, SW_MINIMIZE);
  else
    ::PostMessageA(window, message, wParam, 0);
  std::printf("DONE\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string command = argc > 1 ? argv[1] : "";
  if (command == "msgbox" && argc == 3) return MessageBoxCommand(std::strtoul(argv[2], nullptr, 10));
  if (command == "window" && argc == 4)
    return WindowCommand(argv[2], std::strtoul(argv[3], nullptr, 10), false);
  if (command == "shown" && argc == 4)
    return WindowCommand(argv[2], std::strtoul(argv[3], nullptr, 10), true);
  if (command == "minimize" && argc == 3) return PostCommand(argv[2], WM_SYSCOMMAND, SC_MINIMIZE);
  if (command == "close" && argc == 3) return PostCommand(argv[2], WM_CLOSE, 0);
  std::fprintf(stderr, "usage: tgldriver msgbox|window|shown|minimize|close ...\n");
  return 1;
}
