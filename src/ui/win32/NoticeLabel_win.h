#pragma once
// Label2: the notice under the tuning panel that the user sees whenever no panel covers
// the area. Its text is centred both ways and wrapped; "\r" starts a new line. It fills its
// parent panel and lies beneath the frame that the hub puts there.
#include <windows.h>

#include "platform/win32/WindowHandle_win.h"

namespace tgl {

class TNoticeLabel {
public:
  // `font` and the label live as long as the window that holds them.
  TNoticeLabel(HWND panel, const char* text, HFONT font, COLORREF color);
  HWND Handle() const { return Window.Get(); }

private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();

  TWindowHandle Window;
  HFONT Font;
  COLORREF Color;
};

}  // namespace tgl
