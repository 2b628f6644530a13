#pragma once
// The Win32 DISPLAY_DEVICEA record, laid out exactly as Windows fills it (cb = 424), so the
// core can hold and match adapters without <windows.h>.
#include <cstdint>
#include <string>

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

inline constexpr uint32_t DisplayDeviceRecordSize = 424;
inline constexpr uint32_t DISPLAY_DEVICE_MIRRORING_DRIVER = 8;

// A character field read as text: up to its zero, or the whole field when it has none.
template <size_t N>
std::string FieldText(const char (&field)[N]) {
  size_t length = 0;
  while (length < N && field[length] != '\0') ++length;
  return std::string(field, length);
}

}  // namespace tgl
