#pragma once
// Which Windows family the program runs on, from the numbers GetVersionExA reports.
#include <cstdint>

namespace tgl {

inline constexpr uint32_t PlatformWin32s = 0;   // VER_PLATFORM_WIN32s
inline constexpr uint32_t PlatformWindows = 1;  // VER_PLATFORM_WIN32_WINDOWS
inline constexpr uint32_t PlatformNT = 2;       // VER_PLATFORM_WIN32_NT

struct TOsVersion {
  uint32_t PlatformId = 0;
  uint32_t Major = 0;
  uint32_t Minor = 0;
};

// 0 unsupported (NT 4.0 and older, Win32s), 1 Windows 95, 2 Windows 98, 3 Windows Me,
// 4 Windows 2000 or any later NT version.
int WindowsVersionOf(const TOsVersion& version);

}  // namespace tgl
