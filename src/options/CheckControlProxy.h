#pragma once
// The proxy of a check box. The option's first value text stands for the checked state,
// the second for the unchecked one; only SWITCH options can be shown this way.
#include "options/ControlProxy.h"

namespace tgl {

class TCheckControlProxy : public TControlProxy {
public:
  // The silent abort when the option is not a SWITCH option; no proxy results.
  // Error: "TCheckControlProxy must be linked to CheckBox" when the option's LinkTag names
  // no check box on the frame.
  static std::unique_ptr<TControlProxy> Create(TRegistryOption& option);

  std::string ReadFromControl() const override;
  // Checked exactly when the option's Value is its first value text.
  void UpdateControl() override;

protected:
  using TControlProxy::TControlProxy;
  // Besides binding, the box shows the option's Caption and has its Description as hint.
  void Link() override;
};

}  // namespace tgl
