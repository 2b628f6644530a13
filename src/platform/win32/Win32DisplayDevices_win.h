#pragma once
// EnumDisplayDevicesA, looked up in user32 at run time: Windows 95 does not have it.
#include "platform/DisplayDevices.h"

namespace tgl {

class TWin32DisplayDevices : public TDisplayDevices {
public:
  std::unique_ptr<TDisplayDeviceEnumerator> OpenEnumerator() override;
};

}  // namespace tgl
