#pragma once
// The main window `TTesmoraGLxForm`. A second instance finds it by its class name and asks
// it to come to the front; it gives up the instance mutex when it is destroyed.
#include <windows.h>

namespace tgl {

class TInstanceMutex;

class TMainWindow {
public:
  TMainWindow(HINSTANCE instance, TInstanceMutex& mutex, bool startHidden);
  ~TMainWindow();
  TMainWindow(const TMainWindow&) = delete;
  TMainWindow& operator=(const TMainWindow&) = delete;

  HWND Handle() const { return Window; }

private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnShowInstance();
  void OnDestroy();

  TInstanceMutex& Mutex;
  HWND Window = nullptr;
};

// Runs the message loop until the main window has gone; the exit code of the program.
int RunMessageLoop();

}  // namespace tgl
