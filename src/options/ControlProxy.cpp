#include "options/ControlProxy.h"

#include "base/Errors.h"
#include "base/TextUtils.h"
#include "options/FieldHub.h"
#include "panels/TuningFrame.h"

namespace tgl {

void TControlProxy::Link() {
  const int32_t tag = FOption.LinkTag();
  if (tag == -1) return;
  const TFieldHub* hub = FOption.Hub();
  const TGenericTuningFrame* frame = hub ? hub->Frame() : nullptr;
  if (!frame) return;
  FControl = frame->Controls().LastWithTag(tag);
}

void TControlProxy::HookChanges() {
  FControl->SetOnChange([this] { ControlChanged(); });
}

void TControlProxy::ControlChanged() { FOption.SetValue(ReadFromControl()); }

const std::string& TControlProxy::ValueText(int index) const {
  const TStrings& values = FOption.Values();
  if (index < 0 || index >= static_cast<int>(values.size()))
    throw EError(Format("List index out of bounds (%d)", {std::to_string(index)}));
  return values[static_cast<size_t>(index)];
}

}  // namespace tgl
