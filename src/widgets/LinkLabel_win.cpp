#include "widgets/LinkLabel_win.h"

#include <shellapi.h>

#include <algorithm>
#include <new>

#include "base/Errors.h"
#include "platform/win32/WindowClass_win.h"
#include "widgets/ControlClass_win.h"
#include "widgets/GdiObjects_win.h"
#include "widgets/Guarded_win.h"

namespace tgl {
namespace {

const COLORREF LinkColour = RGB(0, 0, 255);
const UINT TextFormat = DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP;

HCURSOR HandCursor() {
  // Windows 98 and 2000 have one; Windows 95 and NT 4 do not.
  if (HCURSOR hand = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32649) /* IDC_HAND */)) return hand;
  if (HCURSOR own = ::LoadCursorA(::GetModuleHandleA(nullptr), LinkCursorResource)) return own;
  return ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512) /* IDC_ARROW */);
}

struct TLinkControl {
  // Until the parent gives a font, the link underlines the default one.
  explicit TLinkControl(HWND window) : Window(window) { SetFont(nullptr); }

  HWND Window;
  std::string Address;
  std::function<void()> OnClick;
  HFONT Font = nullptr;  // the one the parent gave, not owned
  TFont Underlined;
  bool Pressed = false;

  std::string Text() const {
    char buffer[1024] = {};
    ::GetWindowTextA(Window, buffer, sizeof buffer);
    return buffer;
  }

  HFONT ShownFont() const { return Underlined ? Underlined.Get() : Font; }

  void SetFont(HFONT font) {
    Font = font;
    LOGFONTA description{};
    ::GetObjectA(font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT), sizeof description,
                 &description);
    description.lfUnderline = TRUE;
    Underlined.Reset(::CreateFontIndirectA(&description));
  }

  // Where the text is: only there is it a link.
  RECT TextRect() const {
    HDC dc = ::GetDC(Window);
    RECT bounds{0, 0, 0, 0};
    {
      TSelection font(dc, ShownFont());
      std::string text = Text();
      ::DrawTextA(dc, text.c_str(), -1, &bounds, TextFormat | DT_CALCRECT);
    }
    ::ReleaseDC(Window, dc);
    RECT client;
    ::GetClientRect(Window, &client);
    bounds.right = std::min(bounds.right, client.right);
    bounds.bottom = std::min(bounds.bottom, client.bottom);
    return bounds;
  }

  bool IsOverText(POINT client) const {
    RECT text = TextRect();
    return ::PtInRect(&text, client) != FALSE;
  }

  void Open() {
    if (auto handler = OnClick) {
      handler();
      return;
    }
    OpenAddress(::GetParent(Window), Address.empty() ? Text() : Address);
  }

  void Paint() {
    TPaintScope paint(Window);
    HDC dc = paint.Dc();
    RECT client;
    ::GetClientRect(Window, &client);
    // The parent's background, as a static control would have it.
    auto brush = reinterpret_cast<HBRUSH>(
        ::SendMessageA(::GetParent(Window), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                       reinterpret_cast<LPARAM>(Window)));
    ::FillRect(dc, &client, brush ? brush : ::GetSysColorBrush(COLOR_BTNFACE));
    TSelection font(dc, ShownFont());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::IsWindowEnabled(Window) ? LinkColour : ::GetSysColor(COLOR_GRAYTEXT));
    std::string text = Text();
    RECT area = client;
    ::DrawTextA(dc, text.c_str(), -1, &area, TextFormat);
    if (::GetFocus() == Window) {
      RECT focus = TextRect();
      ::InflateRect(&focus, 1, 0);
      ::IntersectRect(&focus, &focus, &client);
      ::DrawFocusRect(dc, &focus);
    }
  }

  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case WM_PAINT:
        Paint();
        return 0;
      case WM_ERASEBKGND:
        return 1;
      case WM_SETFONT:
        SetFont(reinterpret_cast<HFONT>(wParam));
        if (LOWORD(lParam)) ::InvalidateRect(Window, nullptr, TRUE);
        return 0;
      case WM_GETFONT:
        return reinterpret_cast<LRESULT>(Font);
      case WM_SETTEXT: {
        LRESULT result = ::DefWindowProcA(Window, message, wParam, lParam);
        ::InvalidateRect(Window, nullptr, TRUE);
        return result;
      }
      case WM_SETFOCUS:
      case WM_KILLFOCUS:
      case WM_ENABLE:
        ::InvalidateRect(Window, nullptr, TRUE);
        return 0;
      case WM_GETDLGCODE: {
        // Enter opens the link instead of pressing the dialog's default button.
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) return DLGC_WANTMESSAGE;
        return 0;
      }
      case WM_KEYDOWN:
        if (wParam == VK_RETURN || wParam == VK_SPACE) CallGuarded([&] { Open(); });
        return 0;
      case WM_SETCURSOR: {
        POINT cursor;
        ::GetCursorPos(&cursor);
        ::ScreenToClient(Window, &cursor);
        if (LOWORD(lParam) == HTCLIENT && IsOverText(cursor)) {
          ::SetCursor(HandCursor());
          return TRUE;
        }
        break;
      }
      case WM_LBUTTONDOWN: {
        POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (!IsOverText(at)) return 0;
        ::SetFocus(Window);
        Pressed = true;
        ::SetCapture(Window);
        return 0;
      }
      case WM_LBUTTONUP: {
        if (!Pressed) return 0;
        Pressed = false;
        ::ReleaseCapture();
        POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (IsOverText(at)) CallGuarded([&] { Open(); });
        return 0;
      }
      case WM_CAPTURECHANGED:
        Pressed = false;
        return 0;
      default:
        break;
    }
    return ::DefWindowProcA(Window, message, wParam, lParam);
  }
};

TLinkControl& ControlOf(HWND window) {
  auto* control = ControlObject<TLinkControl>(window);
  if (!control) throw EError("Not a link");
  return *control;
}

}  // namespace

bool OpenAddress(HWND owner, const std::string& address, int show) {
  auto result = reinterpret_cast<INT_PTR>(::ShellExecuteA(owner, nullptr, address.c_str(), nullptr, nullptr, show));
  return result > 32;
}

void RegisterLinkLabelClass() {
  RegisterWindowClass({.Name = LinkLabelClass,
                       .Procedure = &ControlWindowProc<TLinkControl>,
                       .RefusedText = "Cannot register the link class"});
}

TLinkLabel::TLinkLabel(HWND window, bool owned) : FOwned(owned ? window : nullptr), FHandle(window) {
  ControlOf(window);  // refuses a window of another class
}

TLinkLabel::TLinkLabel(HWND parent, const RECT& bounds, const std::string& text, int id) : FHandle(nullptr) {
  RegisterLinkLabelClass();
  HWND window = ::CreateWindowExA(0, LinkLabelClass, text.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP, bounds.left,
                                  bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleA(nullptr),
                                  nullptr);
  if (!window) throw EError("Cannot create the link");
  ::SendMessageA(window, WM_SETFONT, static_cast<WPARAM>(::SendMessageA(parent, WM_GETFONT, 0, 0)), 0);
  FOwned = TWindowHandle(window);
  FHandle = window;
}

TLinkLabel TLinkLabel::Attach(HWND window) { return TLinkLabel(window, false); }

void TLinkLabel::SetAddress(const std::string& address) { ControlOf(FHandle).Address = address; }

std::string TLinkLabel::Address() const {
  const TLinkControl& control = ControlOf(FHandle);
  return control.Address.empty() ? control.Text() : control.Address;
}

void TLinkLabel::Open() { ControlOf(FHandle).Open(); }

void TLinkLabel::SetOnClick(std::function<void()> handler) { ControlOf(FHandle).OnClick = std::move(handler); }

}  // namespace tgl
