#include "platform/DisplayDeviceRecord.h"

#include <cstring>

#include "base/Errors.h"

namespace tgl {

void CopyToCharBuffer(char* field, size_t fieldSize, std::string_view text) {
  if (text.size() > fieldSize) throw EError("VideoCard params are larger than char buffer");
  std::memset(field, 0, fieldSize);
  std::memcpy(field, text.data(), text.size());
}

}  // namespace tgl
