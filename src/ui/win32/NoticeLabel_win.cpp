#include "ui/win32/NoticeLabel_win.h"

#include <string>

#include "base/Errors.h"
#include "panels/win32/PanelWindow_win.h"
#include "panels/win32/Win32Control_win.h"
#include "platform/win32/WindowClass_win.h"

namespace tgl {
namespace {

const char* const NoticeClass = "TglNotice";

}  // namespace

TNoticeLabel::TNoticeLabel(HWND panel, const char* text, HFONT font, COLORREF color)
    : Font(font), Color(color) {
  RegisterWindowClass({.Name = NoticeClass,
                       .Procedure = &TNoticeLabel::WindowProc,
                       .RefusedText = "Cannot register the notice class",
                       .Background = ButtonFaceBrush()});
  RECT client;
  ::GetClientRect(panel, &client);
  Window = TWindowHandle(::CreateWindowExA(0, NoticeClass, text,
                                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0,
                                           client.right, client.bottom, panel, nullptr,
                                           ::GetModuleHandleA(nullptr), this));
  if (!Window.Get()) throw EError("Cannot create the notice");
  ::SetWindowPos(Window.Get(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  MarkFillsParent(Window.Get());
}

LRESULT CALLBACK TNoticeLabel::WindowProc(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<TNoticeLabel*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TNoticeLabel*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    case WM_PAINT:
      if (self && self->Window.Get() == window) {
        self->Paint();
        return 0;
      }
      break;
    case WM_SIZE:
      ::InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_NCDESTROY:
      ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

// Centred both ways: the wrapped text's height is measured first.
void TNoticeLabel::Paint() {
  HWND window = Window.Get();
  PAINTSTRUCT paint;
  HDC context = ::BeginPaint(window, &paint);
  std::string text = WindowText(window);
  RECT client;
  ::GetClientRect(window, &client);
  HGDIOBJ previous = ::SelectObject(context, Font);
  ::SetTextColor(context, Color);
  ::SetBkMode(context, TRANSPARENT);
  const UINT format = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
  RECT measured = client;
  ::DrawTextA(context, text.c_str(), -1, &measured, format | DT_CALCRECT);
  RECT shown = client;
  int height = measured.bottom - measured.top;
  shown.top = client.top + (client.bottom - client.top - height) / 2;
  shown.bottom = shown.top + height;
  ::DrawTextA(context, text.c_str(), -1, &shown, format);
  ::SelectObject(context, previous);
  ::EndPaint(window, &paint);
}

}  // namespace tgl
