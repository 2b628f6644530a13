#include "cards/HardwareID.h"

namespace tgl {

std::string ExtractHardwareID(const std::string& deviceID) {
  const size_t busPrefixLength = 4;
  size_t first = deviceID.find('\\');
  size_t last = deviceID.rfind('\\');
  size_t end = first == last ? deviceID.size() : last;
  if (end <= busPrefixLength) return std::string();
  return deviceID.substr(busPrefixLength, end - busPrefixLength);
}

}  // namespace tgl
