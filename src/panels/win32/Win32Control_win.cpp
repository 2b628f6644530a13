#include "panels/win32/Win32Control_win.h"

#include <string>

#include "base/Errors.h"
#include "base/TextUtils.h"
#include "panels/win32/PanelWindow_win.h"

namespace tgl {
namespace {

const char* const ControlProperty = "TglControl";

}  // namespace

TWin32Control::TWin32Control(const TFrameComponent& component, HWND window, TToolTip& tips)
    : TControl(component), FWindow(window), FTips(tips) {
  ::SetPropA(window, ControlProperty, static_cast<HANDLE>(this));
  ::SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(ControlFont()), FALSE);
}

// The window must not point to this object any more once it is gone: destroying a window
// can still send notifications to its parent.
TWin32Control::~TWin32Control() {
  HWND window = FWindow.Get();
  if (!::IsWindow(window)) return;
  if (!FHint.empty()) FTips.SetTip(window, "");
  ::RemovePropA(window, ControlProperty);
  UnmarkFillsParent(window);
}

TWin32Control* TWin32Control::FromHandle(HWND window) {
  if (!window) return nullptr;
  return static_cast<TWin32Control*>(::GetPropA(window, ControlProperty));
}

std::string TWin32Control::Caption() const { return WindowText(Handle()); }

void TWin32Control::SetCaption(const std::string& caption) {
  ::SetWindowTextA(Handle(), caption.c_str());
}

void TWin32Control::SetHint(const std::string& hint) {
  FHint = hint;
  FTips.SetTip(Handle(), hint);
}

// The control's own state: a control on a page that is not shown is still visible.
bool TWin32Control::Visible() const {
  return (::GetWindowLongA(Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
}

void TWin32Control::SetVisible(bool visible) { ::ShowWindow(Handle(), visible ? SW_SHOW : SW_HIDE); }

bool TWin32Control::Enabled() const { return ::IsWindowEnabled(Handle()) != FALSE; }

void TWin32Control::SetEnabled(bool enabled) { ::EnableWindow(Handle(), enabled ? TRUE : FALSE); }

void TWin32Control::FillParent(const RECT& client) {
  ::MoveWindow(Handle(), client.left, client.top, client.right - client.left,
               client.bottom - client.top, TRUE);
}

HWND CreateControlWindow(const TFrameComponent& component, HWND parent, const char* className,
                         DWORD style, DWORD exStyle, int extraHeight) {
  style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (component.Visible) style |= WS_VISIBLE;
  const TBounds& bounds = component.Bounds;
  std::string caption(component.Caption);
  HWND window = ::CreateWindowExA(
      exStyle, className, caption.c_str(), style, bounds.Left, bounds.Top, bounds.Width,
      bounds.Height + extraHeight, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(component.Tag)), ::GetModuleHandleA(nullptr),
      nullptr);
  if (!window) throw EError(Format("Cannot create the control %s", {component.Name}));
  return window;
}

HFONT ControlFont() { return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)); }

std::string WindowText(HWND window) {
  int length = ::GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  int copied = ::GetWindowTextA(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

}  // namespace tgl
