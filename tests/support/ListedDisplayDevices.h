#pragma once
// The system's display adapters as a list of records, for tests. Like the real call, the
// enumeration refuses a record whose cb is not set to its size.
#include <memory>
#include <string>
#include <vector>

#include "platform/DisplayDevices.h"

namespace tgl::test {

class TListedDisplayDevices : public TDisplayDevices {
public:
  std::unique_ptr<TDisplayDeviceEnumerator> OpenEnumerator() override;

  std::vector<DISPLAY_DEVICEA> Devices;
  // A system without EnumDisplayDevicesA (Windows 95).
  bool FunctionMissing = false;
  // Enumerators handed out and not yet released.
  int OpenEnumerators = 0;
};

// An adapter record as EnumDisplayDevicesA fills it.
DISPLAY_DEVICEA DisplayAdapter(const std::string& deviceID, const std::string& description,
                               const std::string& deviceKey = "", uint32_t stateFlags = 0);

}  // namespace tgl::test
