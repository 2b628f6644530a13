#pragma once
// The proxy of a list-only combo box: the n-th entry shows the option's n-th display text
// and stands for its n-th value text.
#include "options/ControlProxy.h"

namespace tgl {

class TComboControlProxy : public TControlProxy {
public:
  // The silent abort for a SLIDER option; no proxy results.
  // Error: "TComboControlProxy must be linked to ComboBox. Field "%s"" with the option's
  // Name, when its LinkTag names no combo box on the frame.
  static std::unique_ptr<TControlProxy> Create(TRegistryOption& option);

  // The empty text while no entry is selected.
  std::string ReadFromControl() const override;
  // Selects the first value text equal to the option's Value; none when no text is.
  void UpdateControl() override;

protected:
  using TControlProxy::TControlProxy;
  // Besides binding, the box lists the option's Strings, has its Description as hint and
  // drops down as many lines as the option has values, 5 to 15.
  void Link() override;
};

// The drop-down lines of a combo box whose option has `valueCount` value texts.
int ComboDropDownCount(int valueCount);

}  // namespace tgl
