#pragma once
// A Win32 file may include downward, the widget kit included.
#include "base/Floor.h"
#include "widgets/Tray_win.h"
