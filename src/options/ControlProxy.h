#pragma once
// A control proxy binds one tuning option to the control of the card's tuning frame whose
// Tag is the option's LinkTag: it prepares the control from the option's definition, shows
// the option's value in it, and writes the user's choice into the option the moment the
// control changes. The option owns its proxy; the frame owns the control.
#include <memory>
#include <string>

#include "options/OptionProxy.h"
#include "options/RegistryOption.h"
#include "panels/Control.h"

namespace tgl {

class TControlProxy;

// A proxy class, called as the virtual constructor: the proxy of `option`, bound to its
// control on the current frame of the option's hub.
using TProxyClass = std::unique_ptr<TControlProxy> (*)(TRegistryOption& option);

class TControlProxy : public TOptionProxy {
public:
  // Touches neither the control nor the option: the hub frees the frame, and with it the
  // control, before the options that own the proxies.
  ~TControlProxy() override = default;

  // The bound control; the frame owns it.
  TControl* Control() const { return FControl; }
  TRegistryOption& Option() const { return FOption; }

  // The value text that the control's current state stands for.
  // Error: "List index out of bounds (%d)" for a state or entry without a value text.
  virtual std::string ReadFromControl() const = 0;

  // The user changed the control: its value text becomes the option's Value at once. When
  // the state has no value text, the error passes out and the option keeps its value.
  void ControlChanged();

protected:
  explicit TControlProxy(TRegistryOption& option) : FOption(option) {}

  // Binds the control: the last component of the hub's current frame that carries the
  // option's LinkTag, so a label laid out before its control never wins. No control for
  // LinkTag -1, or without a hub, a frame or a matching component.
  virtual void Link();

  // Makes the control's user changes run ControlChanged; the last step of a good Link.
  void HookChanges();

  // Item `index` of the option's Values. Error: "List index out of bounds (%d)".
  const std::string& ValueText(int index) const;

private:
  TControl* FControl = nullptr;
  TRegistryOption& FOption;
};

}  // namespace tgl
