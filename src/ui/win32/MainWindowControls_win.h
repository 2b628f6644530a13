#pragma once
// The common controls the main window uses, registered once, and what this system's
// comctl32 can do: Windows 95's first version (4.00) has no rebar, no flat toolbars, no
// toolbar image lists and no hot images, and lacks InitCommonControlsEx itself.
#include <windows.h>

namespace tgl {

struct TMainWindowControls {
  bool HasRebar = false;
  // Flat toolbars, toolbar image lists and hot images, the list view's extended styles:
  // 4.70 on, which brought InitCommonControlsEx.
  bool HasFlatToolbars = false;
  // The list view's hot cursor: 4.71 on.
  bool HasHotCursor = false;
};

// Registers the classes; looks InitCommonControlsEx up at run time.
TMainWindowControls InitializeMainWindowControls();

}  // namespace tgl
