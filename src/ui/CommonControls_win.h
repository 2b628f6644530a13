#pragma once
// The common controls the main window uses, registered once, and what this system's
// comctl32 can do: Windows 95's first version (4.00) has no rebar, no flat toolbars and no
// hot images, and lacks InitCommonControlsEx itself.
#include <windows.h>

namespace tgl {

struct TCommonControls {
  DWORD Major = 4;
  DWORD Minor = 0;
  bool HasRebar = false;
  // Flat toolbars, hot images, TB_SETIMAGELIST and the list view's extended styles: 4.70 on.
  bool HasFlatToolbars = false;
};

// Registers the classes; looks the newer functions up at run time.
TCommonControls InitializeCommonControls();

}  // namespace tgl
