#pragma once
// A modal dialog whose controls come from a TDialogLayout: an in-memory template without
// items, the controls made in WM_INITDIALOG in the layout's order (their tab order), the
// client area sized in pixels and the window centred on the screen. Hints show as
// tooltips. OK asks CanClose first; OK and Cancel (Esc, the close box) end the dialog.
//
// The dialog procedure is the edge: no exception leaves it. A handler's error is shown and
// the dialog stays open; the silent abort ends the handler quietly.
#include <windows.h>

#include <optional>
#include <string>

#include "ui/DialogLayout.h"
#include "ui/ModalResult.h"
#include "widgets/GdiObjects_win.h"
#include "widgets/ToolTip_win.h"

namespace tgl {

class TLayoutDialog {
public:
  explicit TLayoutDialog(const TDialogLayout& layout);
  virtual ~TLayoutDialog() = default;
  TLayoutDialog(const TLayoutDialog&) = delete;
  TLayoutDialog& operator=(const TLayoutDialog&) = delete;

protected:
  // Shows the dialog modally to `owner` until it ends.
  TModalResult RunModal(HWND owner);
  // The dialog window while it is open, else nullptr.
  HWND Handle() const { return Dialog; }
  HWND Item(int id) const { return ::GetDlgItem(Dialog, id); }
  std::string ItemText(int id) const;
  void SetItemText(int id, const std::string& text);

  // After the controls exist; returns whether the dialog manager gives the first focus.
  virtual bool OnInit() = 0;
  // WM_COMMAND of any control but OK and Cancel.
  virtual void OnCommand(int id, int code) = 0;
  // Before the dialog closes with OK: whether it may.
  virtual bool CanClose() { return true; }
  // The dialog is about to end, its controls still there.
  virtual void OnEnd(TModalResult result) = 0;

private:
  static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  void End(TModalResult result);

  const TDialogLayout& Layout;
  HWND Dialog = nullptr;
  TFont Font;
  std::optional<TToolTip> Hints;
};

}  // namespace tgl
