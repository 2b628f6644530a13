#pragma once
// The Win32 DISPLAY_DEVICEA record, laid out exactly as Windows fills it (cb = 424), so the
// core can hold and match adapters without <windows.h>.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tgl {

struct DISPLAY_DEVICEA {
  uint32_t cb = 0;
  char DeviceName[32] = {};
  char DeviceString[128] = {};
  uint32_t StateFlags = 0;
  char DeviceID[128] = {};
  char DeviceKey[128] = {};
};
static_assert(sizeof(DISPLAY_DEVICEA) == 424, "DISPLAY_DEVICEA must match the Win32 layout");
static_assert(offsetof(DISPLAY_DEVICEA, DeviceName) == 4 &&
                  offsetof(DISPLAY_DEVICEA, DeviceString) == 36 &&
                  offsetof(DISPLAY_DEVICEA, StateFlags) == 164 &&
                  offsetof(DISPLAY_DEVICEA, DeviceID) == 168 &&
                  offsetof(DISPLAY_DEVICEA, DeviceKey) == 296,
              "DISPLAY_DEVICEA fields must lie where Windows puts them");

inline constexpr uint32_t DisplayDeviceRecordSize = 424;
// DISPLAY_DEVICE_MIRRORING_DRIVER of the Win32 headers (a macro there, hence another name).
inline constexpr uint32_t MirroringDriverFlag = 8;

// A zeroed record with its size set, as EnumDisplayDevicesA expects to receive it.
inline DISPLAY_DEVICEA NewDisplayDevice() {
  DISPLAY_DEVICEA device;
  device.cb = DisplayDeviceRecordSize;
  return device;
}

// A character field read as text: up to its zero, or the whole field when it has none.
template <size_t N>
std::string FieldText(const char (&field)[N]) {
  size_t length = 0;
  while (length < N && field[length] != '\0') ++length;
  return std::string(field, length);
}

// Zeroes the field and puts the text at its start; a text exactly as long as the field fills
// it without a terminating zero. Error: "VideoCard params are larger than char buffer".
void CopyToCharBuffer(char* field, size_t fieldSize, std::string_view text);

template <size_t N>
void CopyToCharBuffer(char (&field)[N], std::string_view text) {
  CopyToCharBuffer(field, N, text);
}

}  // namespace tgl
