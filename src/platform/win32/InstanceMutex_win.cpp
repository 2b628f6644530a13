#include "platform/win32/InstanceMutex_win.h"

#include "app/RootUnit.h"

namespace tgl {

TInstanceMutex::TInstanceMutex() {
  ::SetLastError(0);
  Handle = ::CreateMutexA(nullptr, TRUE, InstanceMutexName);
  Owned = Handle && ::GetLastError() == 0;
}

TInstanceMutex::~TInstanceMutex() {
  Release();
  if (Handle) ::CloseHandle(Handle);
}

void TInstanceMutex::Release() {
  if (Owned) ::ReleaseMutex(Handle);
  Owned = false;
}

void NotifyRunningInstance() {
  if (HWND running = ::FindWindowA("TTESMORAGLXFORM", nullptr))
    ::PostMessageA(running, ShowInstanceMessage, 0, 0);
}

}  // namespace tgl
