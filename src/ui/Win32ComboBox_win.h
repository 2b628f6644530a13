#pragma once
// A list-only combo box of the tuning frames.
#include "ui/Win32Control_win.h"

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
  int FDropDownCount = 0;
};

}  // namespace tgl
