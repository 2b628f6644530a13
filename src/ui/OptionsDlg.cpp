#include "ui/OptionsDlg.h"

#include "base/StartupState.h"
#include "ui/AutoRun.h"

namespace tgl {

TOptionsDlg::TOptionsDlg(TOptionsView& view, TMainSettings& settings,
                         TListViewControl& gamesList)
    : View(view), Settings(settings), GamesList(gamesList) {}

TModalResult TOptionsDlg::ShowModal() {
  TModalResult result = View.ShowModal(*this);
  FormClose(result);
  return result;
}

// A launch behaviour the dialog has no choice for (OnRun above 2, which stays) checks none.
void TOptionsDlg::FormShow() {
  TOptionsValues values;
  values.ConfirmDelete = Settings.ConfirmDelete;
  values.ConfirmDefault = Settings.ConfirmDefault;
  values.ConfirmRegistry = Settings.ConfirmRegistry;
  values.ApplicationsIndex = GamesList.ViewStyle() == vsIcon ? 0 : 1;
  values.SaveIndex = Settings.ConfirmSaving ? 1 : 0;
  values.LaunchIndex = Settings.OnRun <= orExit ? Settings.OnRun : -1;
  values.ToolbarIndex = Settings.GenericToolbar ? 0 : 1;
  values.AutoRun = IsAutoRunOn();
  values.AutoRunEnabled = Startup().HasAdminRights;
  values.WarnRegistry = Startup().NotifyOnWrongValue;
  values.RestoreDriverSettings = Settings.RestoreDriverSettings;
  View.ShowValues(values);
}

// Nothing is taken back unless the dialog closed with OK. The game list shows its new style
// at once; the toolbar style is the Options command's to apply.
void TOptionsDlg::FormClose(TModalResult result) {
  if (result != TModalResult::mrOK) return;
  TOptionsValues values = View.Values();
  Settings.ConfirmDelete = values.ConfirmDelete;
  Settings.ConfirmDefault = values.ConfirmDefault;
  Settings.ConfirmRegistry = values.ConfirmRegistry;
  GamesList.SetViewStyle(values.ApplicationsIndex == 0 ? vsIcon : vsList);
  Settings.ConfirmSaving = values.SaveIndex == 1;
  if (values.LaunchIndex >= orStay && values.LaunchIndex <= orExit)
    Settings.OnRun = static_cast<uint8_t>(values.LaunchIndex);
  Settings.GenericToolbar = values.ToolbarIndex == 0;
  Startup().NotifyOnWrongValue = values.WarnRegistry;
  Settings.RestoreDriverSettings = values.RestoreDriverSettings;
  if (Startup().HasAdminRights) SetAutoRun(values.AutoRun, Startup().ProgramFile);
}

}  // namespace tgl
