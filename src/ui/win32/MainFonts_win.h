#pragma once
// The fonts of the main window: MS Sans Serif 8 as on Windows 98, its bold form for the
// game's title, and Arial bold for the notice under the tuning panel.
#include <windows.h>

#include "widgets/GdiObjects_win.h"

namespace tgl {

// A font of the given face and height in pixels (negative: the character height).
TFont MakeFont(const char* face, int height, bool bold);

struct TMainFonts {
  TFont Normal = MakeFont("MS Sans Serif", -11, false);
  TFont Bold = MakeFont("MS Sans Serif", -11, true);
  TFont Notice = MakeFont("Arial", -16, true);
};

}  // namespace tgl
