#pragma once
// Portable window logic that reaches into the Win32 half and the widget kit.
#include "ui/win32/Frame_win.h"
#include "widgets/Clicks.h"
