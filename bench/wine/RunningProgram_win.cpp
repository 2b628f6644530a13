#include "RunningProgram_win.h"

#include <utility>

#include "Stopwatch_win.h"

namespace tgl::bench {
namespace {

HWND VisibleMainWindow(const std::string& windowClass) {
  HWND window = ::FindWindowA(windowClass.c_str(), nullptr);
  return window && ::IsWindowVisible(window) && !::IsIconic(window) ? window : nullptr;
}

}  // namespace

TRunningProgram::TRunningProgram(const std::string& exePath, std::string windowClass)
    : WindowClass(std::move(windowClass)) {
  std::string commandLine = "\"" + exePath + "\"";
  std::string folder = exePath.substr(0, exePath.rfind('\\') + 1);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process))
    return;
  Process = TFileHandle(process.hProcess);
  Thread = TFileHandle(process.hThread);
}

TRunningProgram::~TRunningProgram() { Close(); }

HWND TRunningProgram::WaitForMainWindow(double timeoutMs) const {
  TStopwatch stopwatch;
  while (Started() && stopwatch.Milliseconds() < timeoutMs) {
    if (HWND window = VisibleMainWindow(WindowClass)) return window;
    if (::WaitForSingleObject(Process.Get(), 1) == WAIT_OBJECT_0) break;
  }
  return nullptr;
}

bool TRunningProgram::Close() {
  if (!Started()) return false;
  if (HWND window = ::FindWindowA(WindowClass.c_str(), nullptr))
    ::PostMessageA(window, WM_CLOSE, 0, 0);
  bool ended = ::WaitForSingleObject(Process.Get(), 30000) == WAIT_OBJECT_0;
  if (!ended) ::TerminateProcess(Process.Get(), 1);
  Process = TFileHandle();
  Thread = TFileHandle();
  return ended;
}

}  // namespace tgl::bench
