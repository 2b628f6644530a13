#include "ui/win32/NoticeLabel_win.h"

#include <string>

#include "base/Errors.h"
#include "panels/win32/PanelWindow_win.h"
#include "panels/win32/Win32Control_win.h"
#include "platform/win32/WindowClass_win.h"
#include "widgets/GdiObjects_win.h"

namespace tgl {
namespace {

const char* const NoticeClass = "TglNotice";
const UINT HeadingFormat = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
// Between the heading and the detail, and on each side of the detail.
const int DetailGap = 12;
const int DetailMargin = 16;

}  // namespace

TNoticeLabel::TNoticeLabel(HWND panel, const TNoticeTexts& texts) : Texts(texts) {
  RegisterWindowClass({.Name = NoticeClass,
                       .Procedure = &TNoticeLabel::WindowProc,
                       .RefusedText = "Cannot register the notice class",
                       .Background = ButtonFaceBrush()});
  RECT client;
  ::GetClientRect(panel, &client);
  Window = TWindowHandle(::CreateWindowExA(0, NoticeClass, texts.Heading,
                                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0,
                                           client.right, client.bottom, panel, nullptr,
                                           ::GetModuleHandleA(nullptr), this));
  Detail = ::CreateWindowExA(0, "STATIC", texts.Detail, WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOPREFIX,
                             0, 0, 0, 0, Window.Get(), nullptr, ::GetModuleHandleA(nullptr),
                             nullptr);
  if (!Detail) throw EError("Cannot create the notice");
  ::SendMessageA(Detail, WM_SETFONT, reinterpret_cast<WPARAM>(texts.DetailFont), FALSE);
  Arrange();
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
  bool ready = self && self->Window.Get() == window;
  switch (message) {
    case WM_PAINT:
      if (ready) {
        self->Paint();
        return 0;
      }
      break;
    case WM_SIZE:
      if (ready && self->Detail) self->Arrange();
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

int TNoticeLabel::TextHeight(const char* text, HFONT font, int width) const {
  TScreenDc screen;
  TSelection selected(screen.Get(), font);
  RECT measured{0, 0, width, 0};
  ::DrawTextA(screen.Get(), text, -1, &measured, HeadingFormat | DT_CALCRECT);
  return measured.bottom - measured.top;
}

void TNoticeLabel::Arrange() {
  RECT client;
  ::GetClientRect(Window.Get(), &client);
  const int width = client.right - client.left;
  const int detailWidth = width - 2 * DetailMargin;
  const int heading = TextHeight(Texts.Heading, Texts.HeadingFont, width);
  const int detail = TextHeight(Texts.Detail, Texts.DetailFont, detailWidth);
  HeadingTop = client.top + (client.bottom - client.top - heading - DetailGap - detail) / 2;
  ::MoveWindow(Detail, DetailMargin, HeadingTop + heading + DetailGap, detailWidth, detail, TRUE);
}

void TNoticeLabel::Paint() {
  HWND window = Window.Get();
  TPaintScope paint(window);
  std::string text = WindowText(window);
  RECT shown;
  ::GetClientRect(window, &shown);
  shown.top = HeadingTop;
  TSelection font(paint.Dc(), Texts.HeadingFont);
  ::SetTextColor(paint.Dc(), Texts.HeadingColor);
  ::SetBkMode(paint.Dc(), TRANSPARENT);
  ::DrawTextA(paint.Dc(), text.c_str(), -1, &shown, HeadingFormat);
}

}  // namespace tgl
