#include "support/FakeDialogViews.h"

#include <gtest/gtest.h>

#include "base/Errors.h"
#include "ui/GamePropDlg.h"
#include "ui/OptionsDlg.h"

namespace tgl::test {

void ClickGetFilenameButton(TGamePropDlg& dialog) {
  try {
    dialog.GetFilenameButtonClick();
  } catch (const EAbort&) {
  }
}

// A new dialog starts with empty edits and its own caption, as the window does.
TFakeGamePropView::TFakeGamePropView(TGamePropScript& script) : Script(script) {
  Script.Caption = "Program properties";
  Script.Filename.clear();
  Script.Name.clear();
  Script.Parameters.clear();
  Script.WaitForProgram.clear();
  Script.NameFocused = false;
  Script.IconShown.reset();
}

void TFakeGamePropView::ShowIcon(std::unique_ptr<TFileIcon> icon) {
  Icon = std::move(icon);
  Script.IconShown = Icon ? std::optional<int>(Icon->IconIndex()) : std::nullopt;
}

TModalResult TFakeGamePropView::ShowModal(TGamePropDlg& dialog) {
  ++Script.DialogsShown;
  dialog.FormShow();
  for (int attempt = 0; attempt < 10; ++attempt) {
    TModalResult result = Script.User ? Script.User(dialog, Script) : TModalResult::mrCancel;
    if (result != TModalResult::mrOK || dialog.FormCloseQuery()) return result;
    ++Script.OKRefused;
  }
  ADD_FAILURE() << "the user pressed OK ten times in vain";
  return TModalResult::mrCancel;
}

TModalResult TFakeOptionsView::ShowModal(TOptionsDlg& dialog) {
  ++Script.DialogsShown;
  dialog.FormShow();
  return Script.User ? Script.User(Script.Current) : TModalResult::mrCancel;
}

}  // namespace tgl::test
