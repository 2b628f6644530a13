#pragma once
// A list-only combo box of the tuning frames.
#include "panels/win32/Win32Control_win.h"

namespace tgl {

class TWin32ComboBox : public TWin32Control {
public:
  TWin32ComboBox(const TFrameComponent& component, HWND parent, TToolTip& tips);
  TStrings Items() const override;
  void SetItems(const TStrings& items) override;
  int ItemIndex() const override;
  void SetItemIndex(int index) override;
  int DropDownCount() const override { return FDropDownCount; }
  void SetDropDownCount(int count) override;
  void OnCommand(int code) override;

private:
  int FDropDownCount = DefaultDropDownCount;
  int FSizedRows = 0;  // the rows the list was last sized for
};

// Makes the drop-down list of a list-only combo box `rows` lines high.
void SetDropDownRows(HWND comboBox, int rows);

}  // namespace tgl
