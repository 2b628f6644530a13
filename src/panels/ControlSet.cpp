#include "panels/ControlSet.h"

#include <string>

#include "base/Errors.h"
#include "base/TextUtils.h"

namespace tgl {

TControlSet::~TControlSet() {
  Conceal();
  while (!FControls.empty()) FControls.pop_back();
}

TControl& TControlSet::Add(std::unique_ptr<TControl> control) {
  FControls.push_back(std::move(control));
  return *FControls.back();
}

TControl& TControlSet::Controls(int index) const {
  if (index < 0 || index >= Count())
    throw EError(Format("List index out of bounds (%d)", {std::to_string(index)}));
  return *FControls[static_cast<size_t>(index)];
}

TControl* TControlSet::Find(std::string_view name) const {
  for (const auto& control : FControls)
    if (control->Name() == name) return control.get();
  return nullptr;
}

TControl* TControlSet::LastWithTag(int tag) const {
  TControl* found = nullptr;
  for (const auto& control : FControls)
    if (control->Tag() == tag) found = control.get();
  return found;
}

}  // namespace tgl
