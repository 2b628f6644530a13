#pragma once
// A control of a tuning frame over a real child window whose control ID is the Tag. The
// window carries a pointer to its control object, so the window it notifies (a panel or a
// group box) can hand the notification on.
#include <windows.h>

#include <string>

#include "panels/Control.h"
#include "platform/win32/WindowHandle_win.h"
#include "widgets/ToolTip_win.h"

namespace tgl {

class TWin32Control : public TControl {
public:
  // Takes ownership of `window`.
  TWin32Control(const TFrameComponent& component, HWND window, TToolTip& tips);
  ~TWin32Control() override;

  HWND Handle() const { return FWindow.Get(); }
  // The window the control's children are put in.
  virtual HWND ContainerHandle() const { return Handle(); }

  std::string Caption() const override;
  void SetCaption(const std::string& caption) override;
  std::string Hint() const override { return FHint; }
  void SetHint(const std::string& hint) override;
  bool Visible() const override;
  void SetVisible(bool visible) override;
  bool Enabled() const override;
  void SetEnabled(bool enabled) override;
  bool Checked() const override { return false; }
  void SetChecked(bool) override {}
  TStrings Items() const override { return {}; }
  void SetItems(const TStrings&) override {}
  int ItemIndex() const override { return -1; }
  void SetItemIndex(int) override {}
  int DropDownCount() const override { return 0; }
  void SetDropDownCount(int) override {}

  // A WM_COMMAND notification code or a WM_NOTIFY code from this control's window.
  virtual void OnCommand(int) {}
  virtual void OnNotify(UINT) {}
  // The parent's client area changed and the control fills it.
  virtual void FillParent(const RECT& client);

  // The control object of a window, or nullptr for a window that is none.
  static TWin32Control* FromHandle(HWND window);

private:
  TWindowHandle FWindow;
  TToolTip& FTips;
  std::string FHint;
};

// A child window for a component: at its bounds in `parent`, with its Tag as control ID,
// shown or hidden as laid out. Error: "Cannot create the control %s".
HWND CreateControlWindow(const TFrameComponent& component, HWND parent, const char* className,
                         DWORD style, DWORD exStyle = 0, int extraHeight = 0);

// The font every control of the frames shows its text in.
HFONT ControlFont();

// The text of a window.
std::string WindowText(HWND window);

}  // namespace tgl
