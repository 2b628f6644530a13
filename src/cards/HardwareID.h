#pragma once
// The catalogue's form of an adapter's device ID.
#include <string>

namespace tgl {

// Drops the bus prefix (the first four characters, PCI\ or whatever stands there) and, when
// the ID has more than one backslash, the instance part from its last backslash on:
// PCI\VEN_121A&DEV_0009&SUBSYS_0004121A&REV_01\BUS_01&DEV_00&FUNC_00 gives
// VEN_121A&DEV_0009&SUBSYS_0004121A&REV_01.
std::string ExtractHardwareID(const std::string& deviceID);

}  // namespace tgl
