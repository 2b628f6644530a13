#pragma once
// The panel a tuning frame is put in. It turns the frame's layout into controls, one per
// component and in the same order, inside a frame that fills the panel.
#include <memory>
#include <vector>

#include "panels/ControlSet.h"
#include "panels/FrameComponent.h"

namespace tgl {

class TFramePanel {
public:
  virtual ~TFramePanel() = default;
  virtual std::unique_ptr<TControlSet> Realize(const std::vector<TFrameComponent>& layout) = 0;
};

}  // namespace tgl
