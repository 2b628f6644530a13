#pragma once
// The logic of the options dialog TOptionsDlg: it shows the program settings held by the
// main window, the game list's view style, the warning about unexpected registry values and
// the autorun entry, and takes them back when it closes with OK. Changes reach Games.CFG
// when the main window saves its settings; the autorun entry is written at once, and only
// by a user with administrator rights.
#include "ui/ListViewControl.h"
#include "ui/MainSettings.h"
#include "ui/ModalResult.h"
#include "ui/OptionsView.h"

namespace tgl {

class TOptionsDlg {
public:
  // The view, the settings and the game list outlive the dialog.
  TOptionsDlg(TOptionsView& view, TMainSettings& settings, TListViewControl& gamesList);
  TOptionsDlg(const TOptionsDlg&) = delete;
  TOptionsDlg& operator=(const TOptionsDlg&) = delete;

  // Shows the dialog and takes the values back when it closed with OK.
  TModalResult ShowModal();

  // Handlers of the view's events.
  void FormShow();
  void FormClose(TModalResult result);

private:
  TOptionsView& View;
  TMainSettings& Settings;
  TListViewControl& GamesList;
};

}  // namespace tgl
