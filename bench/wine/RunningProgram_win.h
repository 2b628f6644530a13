#pragma once
// TesmoraGL.exe (or another window program) started in its own folder for a measurement,
// and ended when the measurement is done: its main window closed, the process killed only
// when it does not end by itself.
#include <windows.h>

#include <string>

#include "base/StartupState.h"
#include "platform/win32/FileHandle_win.h"

namespace tgl::bench {

class TRunningProgram {
public:
  // Started() tells whether the process could be created. The main window is the first
  // top-level window of `windowClass`.
  explicit TRunningProgram(const std::string& exePath,
                           std::string windowClass = MainWindowClass);
  ~TRunningProgram();
  TRunningProgram(const TRunningProgram&) = delete;
  TRunningProgram& operator=(const TRunningProgram&) = delete;

  bool Started() const { return Process.IsValid(); }
  HANDLE ProcessHandle() const { return Process.Get(); }
  // The main window as soon as it is visible and not minimised, looked for every
  // millisecond; nullptr when it did not show within `timeoutMs` or the program ended.
  HWND WaitForMainWindow(double timeoutMs) const;
  // Closes the main window and waits up to 30 s for the end; false when the program had to
  // be killed (or was not started).
  bool Close();

private:
  std::string WindowClass;
  TFileHandle Process;
  TFileHandle Thread;
};

}  // namespace tgl::bench
