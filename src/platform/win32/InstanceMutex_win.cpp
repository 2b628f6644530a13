#include "platform/win32/InstanceMutex_win.h"

#include "base/StartupState.h"

namespace tgl {
namespace {

const char* const MainWindowClassName = "TTESMORAGLXFORM";
// The running instance may be starting: its window is looked for during this time.
const int FindWindowTries = 50;
const DWORD FindWindowPause = 100;
// A running instance busy for longer than this does not take the request.
const UINT HandOverTimeout = 15000;

}  // namespace

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
  if (HWND running = ::FindWindowA(MainWindowClassName, nullptr))
    ::PostMessageA(running, ShowInstanceMessage, 0, 0);
}

}  // namespace tgl

namespace tgl {

bool HandOverToRunningInstance(uint32_t dataId, std::string_view data) {
  COPYDATASTRUCT copy{};
  copy.dwData = dataId;
  copy.cbData = static_cast<DWORD>(data.size());
  // The receiver only reads it; the structure just has no const member for it.
  copy.lpData = const_cast<char*>(data.data());
  for (int attempt = 0; attempt < FindWindowTries; ++attempt) {
    if (HWND running = ::FindWindowA(MainWindowClassName, nullptr)) {
      DWORD_PTR taken = FALSE;
      if (!::SendMessageTimeoutA(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy),
                                 SMTO_NORMAL, HandOverTimeout, &taken))
        return false;
      return taken != FALSE;
    }
    ::Sleep(FindWindowPause);
  }
  return false;
}

}  // namespace tgl
