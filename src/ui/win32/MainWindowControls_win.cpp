#include "ui/win32/MainWindowControls_win.h"

#include <commctrl.h>

#include "platform/win32/Module_win.h"
#include "widgets/CommonControls_win.h"

namespace tgl {

TMainWindowControls InitializeMainWindowControls() {
  TCommonControlsVersion version = CommonControlsVersion();
  TMainWindowControls controls;
  // comctl32 is loaded already: this only finds it.
  TModule comctl32("comctl32.dll");
  auto initialize =
      comctl32.Function<BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*)>("InitCommonControlsEx");
  if (!initialize) return controls;
  // 4.70 has no DllGetVersion: InitCommonControlsEx tells it from 4.00.
  controls.HasFlatToolbars = true;
  controls.HasHotCursor = version.AtLeast(4, 71);
  INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                               ICC_COOL_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
  controls.HasRebar = initialize(&classes) != FALSE;
  return controls;
}

}  // namespace tgl
