#include "ui/win32/OptionsWindow_win.h"

#include "ui/OptionsDlg.h"
#include "ui/OptionsLayout.h"

namespace tgl {

using namespace OptionsLayout;

TOptionsWindow::TOptionsWindow(HWND owner) : TLayoutDialog(OptionsLayout::Layout), Owner(owner) {}

void TOptionsWindow::ShowValues(const TOptionsValues& values) {
  Held = values;
  if (Handle()) ShowInControls();
}

TOptionsValues TOptionsWindow::Values() const { return Handle() ? ReadControls() : Held; }

TModalResult TOptionsWindow::ShowModal(TOptionsDlg& dialog) {
  Logic = &dialog;
  TModalResult result = RunModal(Owner);
  Logic = nullptr;
  return result;
}

bool TOptionsWindow::OnInit() {
  ::SetWindowTextA(Handle(), "Options");
  ShowInControls();
  if (Logic) Logic->FormShow();
  ::SetFocus(Item(ConfirmDeleteCheck));
  return false;
}

void TOptionsWindow::OnEnd(TModalResult) { Held = ReadControls(); }

void TOptionsWindow::ShowInControls() const {
  Check(ConfirmDeleteCheck, Held.ConfirmDelete);
  Check(ConfirmDefaultCheck, Held.ConfirmDefault);
  Check(ConfirmRegistryCheck, Held.ConfirmRegistry);
  CheckRadio(ApplicationsRadio, 2, Held.ApplicationsIndex);
  CheckRadio(SaveRadioGroup, 2, Held.SaveIndex);
  CheckRadio(LaunchRadio, 3, Held.LaunchIndex);
  CheckRadio(ToolbarRadio, 2, Held.ToolbarIndex);
  Check(AutoRunCheck, Held.AutoRun);
  ::EnableWindow(Item(AutoRunCheck), Held.AutoRunEnabled);
  Check(WarnRegistryCheck, Held.WarnRegistry);
  Check(RestoreCheck, Held.RestoreDriverSettings);
}

TOptionsValues TOptionsWindow::ReadControls() const {
  TOptionsValues values;
  values.ConfirmDelete = Checked(ConfirmDeleteCheck);
  values.ConfirmDefault = Checked(ConfirmDefaultCheck);
  values.ConfirmRegistry = Checked(ConfirmRegistryCheck);
  values.ApplicationsIndex = RadioIndex(ApplicationsRadio, 2);
  values.SaveIndex = RadioIndex(SaveRadioGroup, 2);
  values.LaunchIndex = RadioIndex(LaunchRadio, 3);
  values.ToolbarIndex = RadioIndex(ToolbarRadio, 2);
  values.AutoRun = Checked(AutoRunCheck);
  values.AutoRunEnabled = ::IsWindowEnabled(Item(AutoRunCheck)) != FALSE;
  values.WarnRegistry = Checked(WarnRegistryCheck);
  values.RestoreDriverSettings = Checked(RestoreCheck);
  return values;
}

bool TOptionsWindow::Checked(int id) const {
  return ::SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TOptionsWindow::Check(int id, bool checked) const {
  ::SendMessageA(Item(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

int TOptionsWindow::RadioIndex(int group, int choices) const {
  for (int index = 0; index < choices; ++index)
    if (Checked(ChoiceId(group, index))) return index;
  return -1;
}

void TOptionsWindow::CheckRadio(int group, int choices, int index) const {
  for (int choice = 0; choice < choices; ++choice) Check(ChoiceId(group, choice), choice == index);
}

}  // namespace tgl
