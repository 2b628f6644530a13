#pragma once
// Windows 98, Me and 2000 list their display adapters through EnumDisplayDevicesA.
#include "cards/Cards.h"

namespace tgl {

class TrlWin98Cards : public TrlCards {
public:
  TrlWin98Cards() = default;

protected:
  // Error: "This function of program not supported on Windows'95" when the system has no
  // EnumDisplayDevicesA.
  void Enumerate() override;
};

}  // namespace tgl
