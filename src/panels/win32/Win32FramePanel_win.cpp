#include "panels/win32/Win32FramePanel_win.h"

#include <commctrl.h>

#include "base/Errors.h"
#include "panels/win32/PanelWindow_win.h"
#include "panels/win32/Win32ComboBox_win.h"
#include "panels/win32/Win32PageControl_win.h"
#include "panels/win32/Win32SimpleControls_win.h"
#include "widgets/ToolTip_win.h"

namespace tgl {
namespace {

// The frame's own window, freed after the controls. It is made hidden and shown once its
// controls are all made.
class TFrameWindow : public TControlHost {
public:
  explicit TFrameWindow(HWND panel) : Frame(panel, FrameRect(), 0, false) {
    MarkFillsParent(Frame.Handle());
  }
  HWND Handle() const { return Frame.Handle(); }
  // Shown over whatever else the panel holds, such as the notice that shows when it has no
  // frame, and over the frames of other cards, kept hidden.
  void Reveal() override {
    ::SetWindowPos(Frame.Handle(), HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  }
  void Conceal() override { ::ShowWindow(Frame.Handle(), SW_HIDE); }

private:
  static RECT FrameRect() {
    return {FrameBounds.Left, FrameBounds.Top, FrameBounds.Left + FrameBounds.Width,
            FrameBounds.Top + FrameBounds.Height};
  }
  TPanelWindow Frame;
};

std::unique_ptr<TWin32Control> CreateControl(const TFrameComponent& component,
                                             TWin32Control* parent, HWND frame, TToolTip& tips) {
  HWND container = parent ? parent->ContainerHandle() : frame;
  switch (component.Kind) {
    case cmPageControl: return std::make_unique<TWin32PageControl>(component, container, tips);
    case cmTabSheet: {
      // A control of kind cmPageControl is made as a TWin32PageControl, just above.
      if (!parent || parent->Kind() != cmPageControl)
        throw EError("TuningFrame: a tab sheet belongs in a page control");
      return std::make_unique<TWin32TabSheet>(component, static_cast<TWin32PageControl&>(*parent),
                                              tips);
    }
    case cmGroupBox: return std::make_unique<TWin32GroupBox>(component, container, tips);
    case cmLabel: return std::make_unique<TWin32Label>(component, container, tips);
    case cmCheckBox: return std::make_unique<TWin32CheckBox>(component, container, tips);
    case cmComboBox: return std::make_unique<TWin32ComboBox>(component, container, tips);
  }
  throw EError("TuningFrame: unknown component kind");
}

}  // namespace

TWin32FramePanel::TWin32FramePanel(HWND panel) : FPanel(panel) {
  // Registers the tab and tooltip classes; every comctl32 has this one.
  ::InitCommonControls();
}

std::unique_ptr<TControlSet> TWin32FramePanel::Realize(const std::vector<TFrameComponent>& layout) {
  std::vector<int> parents = ParentIndexes(layout);
  // One tooltip for every frame the panel holds: it is a window of its own (under Wine one
  // of the display server's too), and a frame kept hidden for later needs none of its own.
  if (!FTips) FTips.emplace(FPanel);
  auto host = std::make_unique<TFrameWindow>(FPanel);
  TFrameWindow& frame = *host;
  auto controls = std::make_unique<TControlSet>(std::move(host));
  std::vector<TWin32Control*> made;
  for (size_t index = 0; index < layout.size(); ++index) {
    TWin32Control* parent = parents[index] < 0 ? nullptr : made[static_cast<size_t>(parents[index])];
    auto control = CreateControl(layout[index], parent, frame.Handle(), *FTips);
    made.push_back(control.get());
    if (layout[index].FillsParent) MarkFillsParent(control->Handle());
    controls->Add(std::move(control));
  }
  controls->Reveal();
  return controls;
}

}  // namespace tgl
