#pragma once
// Puts tuning frames in a panel window: the frame becomes a panel that fills it, and each
// component a child window whose control ID is its Tag, inside its parent's window. The
// frames must be freed before the panel object, whose tooltip their controls use.
#include <windows.h>

#include <optional>

#include "panels/FramePanel.h"
#include "widgets/ToolTip_win.h"

namespace tgl {

class TWin32FramePanel : public TFramePanel {
public:
  // `panel` is a TglPanel (PanelWindow_win.h), so the frame follows its size.
  explicit TWin32FramePanel(HWND panel);
  std::unique_ptr<TControlSet> Realize(const std::vector<TFrameComponent>& layout) override;

private:
  HWND FPanel;
  // The hints of the controls of all its frames; made with the first frame.
  std::optional<TToolTip> FTips;
};

}  // namespace tgl
