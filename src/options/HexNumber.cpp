#include "options/HexNumber.h"

#include <array>
#include <cassert>

#include "base/Errors.h"
#include "base/TextUtils.h"

namespace tgl {

uint8_t HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return uint8_t(c - '0');
  if (c >= 'A' && c <= 'F') return uint8_t(c - 'A' + 10);
  if (c >= 'a' && c <= 'f') return uint8_t(c - 'a' + 10);
  throw EError("String contains non-HEX data");
}

void HexToBin(std::string_view text, std::span<uint8_t> buffer) {
  if (text.empty()) return;
  assert(text.size() == 2 * buffer.size() && "RegistryFieldsUnit: HexToBin text length");
  if (text.size() != 2 * buffer.size()) return;
  const size_t count = buffer.size();
  for (size_t i = 0; i < count; ++i)
    buffer[count - 1 - i] =
        uint8_t(HexDigitValue(text[2 * i]) << 4 | HexDigitValue(text[2 * i + 1]));
}

std::string NormalizeNumber(std::string_view text) {
  std::string_view trimmed = Trim(text);
  if (trimmed.size() < 2 || trimmed.size() > 9 || (trimmed.back() != 'h' && trimmed.back() != 'H'))
    return std::string(trimmed);
  std::string digits(trimmed.substr(0, trimmed.size() - 1));
  digits.insert(0, 8 - digits.size(), '0');
  std::array<uint8_t, 4> bytes{};
  HexToBin(digits, bytes);
  uint32_t number = uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
                    uint32_t(bytes[3]) << 24;
  // FFFFFFFFh converts like every other value, to 4294967295.
  return std::to_string(number);
}

}  // namespace tgl
