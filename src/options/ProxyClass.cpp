#include "options/ProxyClass.h"

#include "base/Errors.h"
#include "options/CheckControlProxy.h"
#include "options/ComboControlProxy.h"

namespace tgl {

TProxyClass ProxyClassFor(TControlKind kind) {
  switch (kind) {
    case ckCheck: return &TCheckControlProxy::Create;
    case ckCombo: return &TComboControlProxy::Create;
    case ckRadio:
    case ckSlider: break;
  }
  throw EError("This type of control proxy not realized yet");
}

}  // namespace tgl
