#pragma once
// The time an animation runs by: milliseconds from any start, wrapping around as Windows'
// tick count does after 49.7 days. The Win32 layer reads the tick count; tests move a
// fake clock by hand.
#include <cstdint>

namespace tgl {

class TClock {
public:
  virtual ~TClock() = default;
  virtual uint32_t Milliseconds() const = 0;
};

}  // namespace tgl
