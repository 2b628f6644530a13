#pragma once
// The system's list of display adapters, as EnumDisplayDevicesA reports it. Windows 95 has
// no such call; there the system offers no enumerator at all.
#include <cstdint>
#include <memory>

#include "platform/DisplayDeviceRecord.h"

namespace tgl {

// Holds whatever the enumeration needs from the system (the loaded user32) until it goes.
class TDisplayDeviceEnumerator {
public:
  virtual ~TDisplayDeviceEnumerator() = default;
  // The adapter at `index` (0-based), filled into `device`, whose cb the caller has set;
  // false past the last adapter.
  virtual bool EnumDisplayDevice(uint32_t index, DISPLAY_DEVICEA& device) = 0;
};

class TDisplayDevices {
public:
  virtual ~TDisplayDevices() = default;
  // nullptr when this Windows has no EnumDisplayDevicesA.
  virtual std::unique_ptr<TDisplayDeviceEnumerator> OpenEnumerator() = 0;
};

}  // namespace tgl
