#pragma once
// Labels, check boxes and group boxes of the tuning frames.
#include "panels/win32/Win32Control_win.h"

namespace tgl {

// A static text that is as wide as its text, as the layouts' labels are.
class TWin32Label : public TWin32Control {
public:
  TWin32Label(const TFrameComponent& component, HWND parent, TToolTip& tips);
  void SetCaption(const std::string& caption) override;

private:
  void FitToText();
};

class TWin32CheckBox : public TWin32Control {
public:
  TWin32CheckBox(const TFrameComponent& component, HWND parent, TToolTip& tips);
  bool Checked() const override;
  void SetChecked(bool checked) override;
  void OnCommand(int code) override;
};

// A group box holds its controls as their parent window and passes their notifications on.
class TWin32GroupBox : public TWin32Control {
public:
  TWin32GroupBox(const TFrameComponent& component, HWND parent, TToolTip& tips);
};

}  // namespace tgl
