#include "StartupTime_win.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "Stopwatch_win.h"
#include "app/RootUnit.h"
#include "platform/win32/FileHandle_win.h"

namespace tgl::bench {
namespace {

HWND VisibleMainWindow() {
  HWND window = ::FindWindowA(MainWindowClass, nullptr);
  return window && ::IsWindowVisible(window) && !::IsIconic(window) ? window : nullptr;
}

std::optional<double> StartupTime(const std::string& exePath) {
  std::string commandLine = "\"" + exePath + "\"";
  std::string folder = exePath.substr(0, exePath.rfind('\\') + 1);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  TStopwatch stopwatch;
  if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process))
    return std::nullopt;
  TFileHandle processHandle(process.hProcess), threadHandle(process.hThread);
  std::optional<double> time;
  while (!time && stopwatch.Milliseconds() < 60000) {
    if (HWND window = VisibleMainWindow()) {
      time = stopwatch.Milliseconds();
      ::PostMessageA(window, WM_CLOSE, 0, 0);
      break;
    }
    if (::WaitForSingleObject(processHandle.Get(), 1) == WAIT_OBJECT_0) break;
  }
  if (::WaitForSingleObject(processHandle.Get(), 30000) != WAIT_OBJECT_0) {
    ::TerminateProcess(processHandle.Get(), 1);
    return std::nullopt;
  }
  return time;
}

}  // namespace

std::optional<double> MedianStartupTime(const std::string& exePath, int starts) {
  std::vector<double> times;
  for (int i = 0; i < starts; ++i) {
    std::optional<double> time = StartupTime(exePath);
    if (!time) return std::nullopt;
    times.push_back(*time);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace tgl::bench
