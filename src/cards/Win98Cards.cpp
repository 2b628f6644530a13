#include "cards/Win98Cards.h"

#include "base/Errors.h"
#include "platform/Platform.h"

namespace tgl {

void TrlWin98Cards::Enumerate() {
  std::unique_ptr<TDisplayDeviceEnumerator> enumerator = DisplayDevices().OpenEnumerator();
  if (!enumerator) throw EError("This function of program not supported on Windows'95");
  for (uint32_t index = 0;; ++index) {
    DISPLAY_DEVICEA device = NewDisplayDevice();
    if (!enumerator->EnumDisplayDevice(index, device)) break;
    AddCard(device);
  }
}

}  // namespace tgl
