#pragma once
// One display adapter, or one entry of the card catalogue.
#include <string>

#include "platform/DisplayDeviceRecord.h"

namespace tgl {

class TrlCardConfig {
public:
  std::string CardName;    // from the catalogue; empty for an unknown adapter
  DISPLAY_DEVICEA Device;  // DeviceString is shown; DeviceKey is the driver's registry key
  std::string HardwareID;  // the catalogue key tried last, or "\not supported\"
  std::string TuningFile;  // base name of the tuning definition file; may be empty
};

// What a catalogue entry carries as its hardware ID.
inline constexpr const char* CatalogueHardwareID = "\\not supported\\";

// The text after the last backslash of the card's DeviceKey (such as 0000), which fills the
// display-number placeholder of Windows 9x registry paths. It is kept as text, leading zeros
// included. Error: "DeficeKey is wrongly parsed for Display number in Windows 9x" when that
// text is not a number.
std::string GetDisplayNumber(const TrlCardConfig& card);

}  // namespace tgl
