#include "platform/win32/Win32DisplayDevices_win.h"

#include <windows.h>

#include <cstddef>
#include <cstring>
#include <type_traits>

#include "platform/win32/Module_win.h"

namespace tgl {
namespace {

// The core's record is the system's, byte for byte, so it is copied in and out whole.
static_assert(sizeof(::DISPLAY_DEVICEA) == sizeof(tgl::DISPLAY_DEVICEA));
static_assert(offsetof(::DISPLAY_DEVICEA, StateFlags) ==
              offsetof(tgl::DISPLAY_DEVICEA, StateFlags));
static_assert(offsetof(::DISPLAY_DEVICEA, DeviceKey) == offsetof(tgl::DISPLAY_DEVICEA, DeviceKey));
static_assert(std::is_trivially_copyable_v<tgl::DISPLAY_DEVICEA>);

using TEnumDisplayDevicesA = BOOL(WINAPI*)(LPCSTR, DWORD, PDISPLAY_DEVICEA, DWORD);

class TUser32Enumerator : public TDisplayDeviceEnumerator {
public:
  TUser32Enumerator(TModule user32, TEnumDisplayDevicesA function)
      : User32(std::move(user32)), EnumDisplayDevices(function) {}

  bool EnumDisplayDevice(uint32_t index, tgl::DISPLAY_DEVICEA& device) override {
    ::DISPLAY_DEVICEA record;
    std::memcpy(&record, &device, sizeof record);
    // No device name: the adapters themselves, not the monitors of one adapter.
    if (!EnumDisplayDevices(nullptr, index, &record, 0)) return false;
    std::memcpy(static_cast<void*>(&device), &record, sizeof record);
    return true;
  }

private:
  TModule User32;  // keeps the function loaded while it is used
  TEnumDisplayDevicesA EnumDisplayDevices;
};

}  // namespace

std::unique_ptr<TDisplayDeviceEnumerator> TWin32DisplayDevices::OpenEnumerator() {
  TModule user32("user32.dll");
  auto function = user32.Function<TEnumDisplayDevicesA>("EnumDisplayDevicesA");
  if (!function) return nullptr;
  return std::make_unique<TUser32Enumerator>(std::move(user32), function);
}

}  // namespace tgl
