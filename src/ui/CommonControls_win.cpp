#include "ui/CommonControls_win.h"

#include <commctrl.h>

namespace tgl {
namespace {

// DLLVERSIONINFO of shlwapi.h, as comctl32 4.71 and later fill it.
struct TDllVersionInfo {
  DWORD cbSize;
  DWORD dwMajorVersion;
  DWORD dwMinorVersion;
  DWORD dwBuildNumber;
  DWORD dwPlatformID;
};

using TDllGetVersion = HRESULT(CALLBACK*)(TDllVersionInfo*);
using TInitCommonControlsEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);

template <class TFunction>
TFunction Lookup(HMODULE module, const char* name) {
  FARPROC address = module ? ::GetProcAddress(module, name) : nullptr;
  return reinterpret_cast<TFunction>(reinterpret_cast<void (*)()>(address));
}

}  // namespace

TCommonControls InitializeCommonControls() {
  // Links comctl32, and registers every class that its first version knows.
  ::InitCommonControls();
  TCommonControls controls;
  HMODULE comctl32 = ::GetModuleHandleA("comctl32.dll");
  // 4.70 has InitCommonControlsEx but no DllGetVersion yet.
  auto initialize = Lookup<TInitCommonControlsEx>(comctl32, "InitCommonControlsEx");
  if (initialize) {
    controls.Minor = 70;
    controls.HasFlatToolbars = true;
  }
  if (auto getVersion = Lookup<TDllGetVersion>(comctl32, "DllGetVersion")) {
    TDllVersionInfo version{};
    version.cbSize = sizeof version;
    if (SUCCEEDED(getVersion(&version))) {
      controls.Major = version.dwMajorVersion;
      controls.Minor = version.dwMinorVersion;
    }
  }
  if (initialize) {
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                 ICC_COOL_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    controls.HasRebar = initialize(&classes) != FALSE;
  }
  return controls;
}

}  // namespace tgl
