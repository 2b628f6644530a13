#include "widgets/CommonControls_win.h"

#include <windows.h>
#include <commctrl.h>
#include <shlwapi.h>

#include "platform/win32/Module_win.h"

namespace tgl {

TCommonControlsVersion CommonControlsVersion() {
  static const TCommonControlsVersion version = [] {
    ::InitCommonControls();
    TCommonControlsVersion found;
    // 4.00 has no DllGetVersion: its absence is the answer.
    TModule comctl32("comctl32.dll");
    auto getVersion = comctl32.Function<HRESULT(CALLBACK*)(DLLVERSIONINFO*)>("DllGetVersion");
    DLLVERSIONINFO info{};
    info.cbSize = sizeof info;
    if (getVersion && SUCCEEDED(getVersion(&info))) {
      found.Major = static_cast<int>(info.dwMajorVersion);
      found.Minor = static_cast<int>(info.dwMinorVersion);
    }
    return found;
  }();
  return version;
}

}  // namespace tgl
