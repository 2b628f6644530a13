#include "cards/Win95Cards.h"

#include "base/TextUtils.h"
#include "platform/Platform.h"

namespace tgl {
namespace {

const std::string ConfiguredDevicesKey = "\\Config Manager\\Enum";
const std::string DriverClassKey = "System\\CurrentControlSet\\Services\\Class\\";

}  // namespace

// HKEY_DYN_DATA lists the devices the configuration manager has set up; each names its
// hardware key under HKEY_LOCAL_MACHINE\Enum, which tells its class and its driver.
void TrlWin95Cards::Enumerate() {
  std::unique_ptr<TRegistry> configured = Registry().CreateRegistry();
  std::unique_ptr<TRegistry> machine = Registry().CreateRegistry();
  configured->SetRootKey(TRootKey::rkDynData);
  machine->SetRootKey(TRootKey::rkLocalMachine);

  TStrings devices;
  if (configured->OpenKeyReadOnly(ConfiguredDevicesKey)) devices = configured->GetKeyNames();
  for (const std::string& deviceName : devices) {
    if (!configured->OpenKeyReadOnly(ConfiguredDevicesKey + "\\" + deviceName)) continue;
    std::string hardwareKey = configured->ReadString("HardWareKey");
    if (!machine->OpenKeyReadOnly("\\Enum\\" + hardwareKey)) continue;
    if (UpperCase(machine->ReadString("CLASS")) != "DISPLAY") continue;

    DISPLAY_DEVICEA device = NewDisplayDevice();
    std::string driver = machine->ReadString("Driver");
    CopyToCharBuffer(device.DeviceName, driver);
    CopyToCharBuffer(device.DeviceString, machine->ReadString("DeviceDesc"));
    CopyToCharBuffer(device.DeviceID, hardwareKey);
    CopyToCharBuffer(device.DeviceKey, DriverClassKey + driver);
    // The driver's own description names the card better than the device's. The driver key
    // leads from the root of HKEY_LOCAL_MACHINE, as every registry path does.
    if (machine->OpenKeyReadOnly(FieldText(device.DeviceKey))) {
      std::string driverDescription = machine->ReadString("DriverDesc");
      if (!driverDescription.empty()) CopyToCharBuffer(device.DeviceString, driverDescription);
    }
    AddCard(device);
  }
}

}  // namespace tgl
