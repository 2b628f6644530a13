#pragma once
// The tooltip window that shows the hints of a window's controls.
#include <windows.h>

#include <string>

#include "platform/win32/WindowHandle_win.h"

namespace tgl {

class TToolTip {
public:
  // The tooltip belongs to `owner` and goes with it.
  explicit TToolTip(HWND owner);
  // Shows `text` over `control`; the empty text removes its tip.
  void SetTip(HWND control, const std::string& text);

private:
  TWindowHandle Window;
};

}  // namespace tgl
