#include "support/ListedDisplayDevices.h"

namespace tgl::test {
namespace {

class TListedEnumerator : public TDisplayDeviceEnumerator {
public:
  explicit TListedEnumerator(TListedDisplayDevices& list) : List(list) { ++List.OpenEnumerators; }
  ~TListedEnumerator() override { --List.OpenEnumerators; }

  bool EnumDisplayDevice(uint32_t index, DISPLAY_DEVICEA& device) override {
    if (device.cb != DisplayDeviceRecordSize || index >= List.Devices.size()) return false;
    device = List.Devices[index];
    device.cb = DisplayDeviceRecordSize;
    return true;
  }

private:
  TListedDisplayDevices& List;
};

}  // namespace

std::unique_ptr<TDisplayDeviceEnumerator> TListedDisplayDevices::OpenEnumerator() {
  if (FunctionMissing) return nullptr;
  return std::make_unique<TListedEnumerator>(*this);
}

DISPLAY_DEVICEA DisplayAdapter(const std::string& deviceID, const std::string& description,
                               const std::string& deviceKey, uint32_t stateFlags) {
  DISPLAY_DEVICEA device = NewDisplayDevice();
  CopyToCharBuffer(device.DeviceName, "\\\\.\\DISPLAY1");
  CopyToCharBuffer(device.DeviceString, description);
  CopyToCharBuffer(device.DeviceID, deviceID);
  CopyToCharBuffer(device.DeviceKey, deviceKey);
  device.StateFlags = stateFlags;
  return device;
}

}  // namespace tgl::test
