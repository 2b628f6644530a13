#pragma once
// The options dialog's window: TOptionsView over a layout dialog. The values live in a field
// while the window is not there.
#include <windows.h>

#include "ui/OptionsView.h"
#include "ui/win32/LayoutDialog_win.h"

namespace tgl {

class TOptionsWindow : public TOptionsView, private TLayoutDialog {
public:
  explicit TOptionsWindow(HWND owner);

  void ShowValues(const TOptionsValues& values) override;
  TOptionsValues Values() const override;
  TModalResult ShowModal(TOptionsDlg& dialog) override;

private:
  bool OnInit() override;
  void OnCommand(int, int) override {}
  void OnEnd(TModalResult result) override;
  void ShowInControls() const;
  TOptionsValues ReadControls() const;
  bool Checked(int id) const;
  void Check(int id, bool checked) const;
  int RadioIndex(int group, int choices) const;
  void CheckRadio(int group, int choices, int index) const;

  HWND Owner;
  TOptionsDlg* Logic = nullptr;
  TOptionsValues Held;
};

}  // namespace tgl
