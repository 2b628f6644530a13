#pragma once
// The proxy class for the kind of control an option names.
#include "options/ControlProxy.h"
#include "options/OptionKeywords.h"

namespace tgl {

// TCheckControlProxy for ckCheck, TComboControlProxy for ckCombo.
// Error: "This type of control proxy not realized yet" for ckRadio and ckSlider.
TProxyClass ProxyClassFor(TControlKind kind);

}  // namespace tgl
