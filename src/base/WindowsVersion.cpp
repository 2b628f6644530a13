#include "base/WindowsVersion.h"

#include "base/StartupState.h"

namespace tgl {

int WindowsVersionOf(const TOsVersion& version) {
  if (version.PlatformId == PlatformNT && version.Major > 4) return wvWindows2000;
  if (version.PlatformId == PlatformWindows && version.Major >= 4) {
    if (version.Minor >= 90) return wvWindowsMe;
    if (version.Minor >= 10) return wvWindows98;
    return wvWindows95;
  }
  return wvUnsupported;
}

}  // namespace tgl
