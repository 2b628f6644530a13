#include "options/ComboControlProxy.h"

#include <algorithm>

#include "base/Errors.h"
#include "base/TextUtils.h"

namespace tgl {

int ComboDropDownCount(int valueCount) { return std::clamp(valueCount, 5, 15); }

std::unique_ptr<TControlProxy> TComboControlProxy::Create(TRegistryOption& option) {
  if (option.OptionType() == otSlider) Abort();
  std::unique_ptr<TComboControlProxy> proxy(new TComboControlProxy(option));
  proxy->Link();
  return proxy;
}

void TComboControlProxy::Link() {
  TControlProxy::Link();
  if (!Control() || Control()->Kind() != cmComboBox)
    throw EError(Format("TComboControlProxy must be linked to ComboBox. Field \"%s\"",
                        {Option().Name()}));
  Control()->SetItems(Option().Strings());
  Control()->SetHint(Option().Description());
  Control()->SetDropDownCount(ComboDropDownCount(static_cast<int>(Option().Values().size())));
  HookChanges();
}

std::string TComboControlProxy::ReadFromControl() const {
  int index = Control()->ItemIndex();
  return index == -1 ? std::string() : ValueText(index);
}

void TComboControlProxy::UpdateControl() { Control()->SetItemIndex(Option().ValueIndex()); }

}  // namespace tgl
