#include "panels/TuningFrame.h"

#include <string>

#include "base/Errors.h"
#include "base/TextUtils.h"

namespace tgl {

void TGenericTuningFrame::SetParent(TFramePanel& panel) {
  if (FPlaced) throw EError("TuningFrame: a frame is placed only once");
  FControls = panel.Realize(FLayout);
  FPlaced = true;
}

void TGenericTuningFrame::AddComponents(const TFrameComponent* first,
                                        const TFrameComponent* last) {
  FLayout.insert(FLayout.end(), first, last);
}

void TGenericTuningFrame::HideComponent(std::string_view name) {
  bool found = false;
  for (TFrameComponent& component : FLayout)
    if (component.Name == name) {
      component.Visible = false;
      found = true;
    }
  if (!found) throw EError(Format("TuningFrame: no component \"%s\" to hide", {name}));
}

}  // namespace tgl
