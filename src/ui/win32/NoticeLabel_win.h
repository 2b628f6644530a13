#pragma once
// Label2: the notice under the tuning panel that the user sees whenever no panel covers
// the area, and below it a line of detail in the window's normal font (a STATIC child, so
// it reads like any label). Both are centred both ways as one block and wrapped; "\r"
// starts a new line. The label fills its parent panel and lies beneath the frame that the
// hub puts there.
#include <windows.h>

#include "platform/win32/WindowHandle_win.h"

namespace tgl {

struct TNoticeTexts {
  const char* Heading;
  HFONT HeadingFont;
  COLORREF HeadingColor;
  const char* Detail;
  HFONT DetailFont;
};

class TNoticeLabel {
public:
  // The fonts and the label live as long as the window that holds them.
  TNoticeLabel(HWND panel, const TNoticeTexts& texts);
  HWND Handle() const { return Window.Get(); }

private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Places the detail under the heading, the two centred together.
  void Arrange();
  void Paint();
  int TextHeight(const char* text, HFONT font, int width) const;

  TWindowHandle Window;
  TNoticeTexts Texts;
  HWND Detail = nullptr;  // a child of Window, destroyed with it
  int HeadingTop = 0;
};

}  // namespace tgl
