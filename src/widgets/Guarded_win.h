#pragma once
// Runs an event handler from inside a window procedure: no exception may cross into
// Windows, so errors are shown as the program's message boxes and the silent abort ends
// quietly.
#include "base/Errors.h"
#include "platform/Platform.h"

namespace tgl {

template <typename Handler>
void CallGuarded(Handler&& handler) noexcept {
  try {
    handler();
  } catch (const EAbort&) {
  } catch (const std::exception& error) {
    try {
      Messages().ShowMessage(error.what(), TMessageKind::mkError);
    } catch (...) {
    }
  }
}

}  // namespace tgl
