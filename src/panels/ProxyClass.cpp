#include "panels/ProxyClass.h"

#include "app/Errors.h"
#include "panels/CheckControlProxy.h"
#include "panels/ComboControlProxy.h"

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
