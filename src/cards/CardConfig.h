#pragma once
// One display adapter, or one entry of the card catalogue.
#include <string>

#include "cards/DisplayDevice.h"

namespace tgl {

class TrlCardConfig {
public:
  std::string CardName;    // from the catalogue; empty for an unknown adapter
  DISPLAY_DEVICEA Device;  // DeviceString is shown; DeviceKey is the driver's registry key
  std::string HardwareID;  // the catalogue key tried last, or "\not supported\"
  std::string TuningFile;  // base name of the tuning definition file; may be empty
};

}  // namespace tgl
