#include "base/StartupState.h"

namespace tgl {

TStartupState& Startup() {
  static TStartupState state;
  return state;
}

bool IsNTMode() { return Startup().WindowsVersion == wvWindows2000; }

}  // namespace tgl
