#include "ui/win32/LayoutDialog_win.h"

#include <vector>

#include "base/Errors.h"
#include "ui/UserGuide.h"
#include "ui/win32/MainFonts_win.h"
#include "widgets/Guarded_win.h"

namespace tgl {
namespace {

constexpr DWORD DialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

struct TControlClass {
  const char* ClassName;
  DWORD Style;
  DWORD ExStyle;
};

TControlClass ClassOf(TDialogItemKind kind) {
  switch (kind) {
    case TDialogItemKind::dkLabel: return {"STATIC", SS_LEFT, 0};
    case TDialogItemKind::dkEdit:
      return {"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case TDialogItemKind::dkButton: return {"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
    case TDialogItemKind::dkDefaultButton: return {"BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON, 0};
    case TDialogItemKind::dkCheckBox: return {"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case TDialogItemKind::dkRadioButton: return {"BUTTON", BS_AUTORADIOBUTTON, 0};
    case TDialogItemKind::dkGroupBox: return {"BUTTON", BS_GROUPBOX, 0};
    // The bevel leaves out of its painting what lies above it: the icon inside it.
    case TDialogItemKind::dkBevel: return {"STATIC", SS_SUNKEN | WS_CLIPSIBLINGS, 0};
    case TDialogItemKind::dkIcon: return {"STATIC", SS_ICON | SS_CENTERIMAGE, 0};
  }
  return {"STATIC", 0, 0};
}

// The centre of the screen's work area.
POINT ScreenCentre() {
  RECT area{};
  if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0))
    area = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

}  // namespace

TLayoutDialog::TLayoutDialog(const TDialogLayout& layout)
    : Layout(layout), Font(MakeFont("MS Sans Serif", -11, false)) {}

TModalResult TLayoutDialog::RunModal(HWND owner) {
  // DLGTEMPLATE, then no menu, the default class and an empty caption: twelve WORDs,
  // DWORD-aligned. The size comes in pixels in WM_INITDIALOG.
  alignas(4) WORD words[12] = {};
  words[0] = LOWORD(DialogStyle);
  words[1] = HIWORD(DialogStyle);
  INT_PTR result = ::DialogBoxIndirectParamA(
      ::GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(words), owner,
      &TLayoutDialog::DialogProc, reinterpret_cast<LPARAM>(this));
  if (result == -1) throw EError("Cannot create the dialog window");
  return result == IDOK ? TModalResult::mrOK : TModalResult::mrCancel;
}

std::string TLayoutDialog::ItemText(int id) const {
  HWND item = Item(id);
  std::vector<char> text(static_cast<size_t>(::GetWindowTextLengthA(item)) + 1);
  int length = ::GetWindowTextA(item, text.data(), static_cast<int>(text.size()));
  return std::string(text.data(), static_cast<size_t>(length > 0 ? length : 0));
}

void TLayoutDialog::SetItemText(int id, const std::string& text) {
  ::SetWindowTextA(Item(id), text.c_str());
}

INT_PTR CALLBACK TLayoutDialog::DialogProc(HWND dialog, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    ::SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    reinterpret_cast<TLayoutDialog*>(lParam)->Dialog = dialog;
  }
  auto* self = reinterpret_cast<TLayoutDialog*>(::GetWindowLongPtrA(dialog, DWLP_USER));
  if (!self) return FALSE;
  INT_PTR result = FALSE;
  CallGuarded([&] { result = self->HandleMessage(message, wParam, lParam); });
  if (message == WM_NCDESTROY) self->Dialog = nullptr;
  return result;
}

INT_PTR TLayoutDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: {
      CreateControls();
      bool defaultFocus = true;
      CallGuarded([&] { defaultFocus = OnInit(); });
      return defaultFocus;
    }
    case WM_COMMAND: {
      int id = LOWORD(wParam);
      if (id == IDOK) {
        bool canClose = false;
        CallGuarded([&] { canClose = CanClose(); });
        if (canClose) End(TModalResult::mrOK);
      } else if (id == IDCANCEL) {
        End(TModalResult::mrCancel);
      } else {
        CallGuarded([&] { OnCommand(id, HIWORD(wParam)); });
      }
      return TRUE;
    }
    // F1 in any of the dialogs.
    case WM_HELP:
      CallGuarded([] { OpenUserGuide(); });
      return TRUE;
    case WM_DESTROY:
      Hints.reset();
      return FALSE;
  }
  return FALSE;
}

void TLayoutDialog::End(TModalResult result) {
  CallGuarded([&] { OnEnd(result); });
  ::EndDialog(Dialog, result == TModalResult::mrOK ? IDOK : IDCANCEL);
}

// Each control but a radio choice opens a group of its own, so the arrows move within a
// radio group only; the first choice of a group is its tab stop.
void TLayoutDialog::CreateControls() {
  RECT frame{0, 0, Layout.ClientWidth, Layout.ClientHeight};
  ::AdjustWindowRectEx(&frame, DialogStyle, FALSE, 0);
  int width = frame.right - frame.left;
  int height = frame.bottom - frame.top;
  POINT centre = ScreenCentre();
  ::SetWindowPos(Dialog, nullptr, centre.x - width / 2, centre.y - height / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  ::SendMessageA(Dialog, WM_SETFONT, reinterpret_cast<WPARAM>(Font.Get()), FALSE);
  Hints.emplace(Dialog);
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  bool afterRadio = false;
  for (const TDialogItem& item : Layout.Items) {
    TControlClass control = ClassOf(item.Kind);
    DWORD style = WS_CHILD | WS_VISIBLE | control.Style;
    bool radio = item.Kind == TDialogItemKind::dkRadioButton;
    if (!radio || !afterRadio) style |= WS_GROUP;
    if (radio && !afterRadio) style |= WS_TABSTOP;
    afterRadio = radio;
    HWND window = ::CreateWindowExA(control.ExStyle, control.ClassName, item.Caption, style,
                                    item.Left, item.Top, item.Width, item.Height, Dialog,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.Id)),
                                    instance, nullptr);
    if (!window) throw EError("Cannot create the dialog's controls");
    ::SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font.Get()), FALSE);
    if (item.Hint) Hints->SetTip(window, item.Hint);
    if (item.Kind == TDialogItemKind::dkIcon)
      ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

}  // namespace tgl
