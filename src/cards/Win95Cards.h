#pragma once
// Windows 95 has no EnumDisplayDevicesA: its adapters are found by walking the registry's
// list of configured devices and keeping those of the DISPLAY class.
#include "cards/Cards.h"

namespace tgl {

class TrlWin95Cards : public TrlCards {
public:
  TrlWin95Cards() = default;

protected:
  void Enumerate() override;
};

}  // namespace tgl
