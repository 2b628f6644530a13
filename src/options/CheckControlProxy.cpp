#include "options/CheckControlProxy.h"

#include "base/Errors.h"

namespace tgl {

std::unique_ptr<TControlProxy> TCheckControlProxy::Create(TRegistryOption& option) {
  if (option.OptionType() != otSwitch) Abort();
  std::unique_ptr<TCheckControlProxy> proxy(new TCheckControlProxy(option));
  proxy->Link();
  return proxy;
}

void TCheckControlProxy::Link() {
  TControlProxy::Link();
  if (!Control() || Control()->Kind() != cmCheckBox)
    throw EError("TCheckControlProxy must be linked to CheckBox");
  Control()->SetCaption(Option().Caption());
  Control()->SetHint(Option().Description());
  HookChanges();
}

std::string TCheckControlProxy::ReadFromControl() const {
  return ValueText(Control()->Checked() ? 0 : 1);
}

void TCheckControlProxy::UpdateControl() {
  const TStrings& values = Option().Values();
  Control()->SetChecked(!values.empty() && Option().Value() == values.front());
}

}  // namespace tgl
