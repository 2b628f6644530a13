#include "panels/win32/Win32SimpleControls_win.h"

#include "panels/win32/PanelWindow_win.h"

namespace tgl {

TWin32Label::TWin32Label(const TFrameComponent& component, HWND parent, TToolTip& tips)
    : TWin32Control(component,
                    CreateControlWindow(component, parent, "STATIC", SS_LEFT | SS_NOTIFY), tips) {
  FitToText();
}

void TWin32Label::SetCaption(const std::string& caption) {
  TWin32Control::SetCaption(caption);
  FitToText();
}

// The width the text takes in the control font; the layout's width is what that text took
// where the layout was made.
void TWin32Label::FitToText() {
  std::string text = Caption();
  HDC context = ::GetDC(Handle());
  if (!context) return;
  HGDIOBJ previous = ::SelectObject(context, ControlFont());
  RECT extent{0, 0, 0, 0};
  ::DrawTextA(context, text.c_str(), -1, &extent, DT_CALCRECT | DT_SINGLELINE);
  ::SelectObject(context, previous);
  ::ReleaseDC(Handle(), context);
  int height = extent.bottom > LabelHeight ? extent.bottom : LabelHeight;
  ::SetWindowPos(Handle(), nullptr, 0, 0, extent.right, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TWin32CheckBox::TWin32CheckBox(const TFrameComponent& component, HWND parent, TToolTip& tips)
    : TWin32Control(component,
                    CreateControlWindow(component, parent, "BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP),
                    tips) {}

bool TWin32CheckBox::Checked() const {
  return ::SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TWin32CheckBox::SetChecked(bool checked) {
  ::SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// BN_CLICKED comes from the user's click or key only: BM_SETCHECK sends none.
void TWin32CheckBox::OnCommand(int code) {
  if (code == BN_CLICKED) Changed();
}

TWin32GroupBox::TWin32GroupBox(const TFrameComponent& component, HWND parent, TToolTip& tips)
    : TWin32Control(component,
                    CreateControlWindow(component, parent, "BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN,
                                        WS_EX_CONTROLPARENT),
                    tips) {
  ForwardChildNotifications(Handle());
}

}  // namespace tgl
