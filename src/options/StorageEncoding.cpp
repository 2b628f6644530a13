#include "options/StorageEncoding.h"

#include "base/TextUtils.h"

namespace tgl {

int32_t IntegerOfText(const std::string& value) {
  std::string_view digits = value;
  bool negative = false;
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  bool valid = !digits.empty();
  int64_t magnitude = 0;
  for (char c : digits) {
    if (c < '0' || c > '9' || magnitude > 0x80000000ll) {
      valid = false;
      break;
    }
    magnitude = magnitude * 10 + (c - '0');
  }
  int64_t number = negative ? -magnitude : magnitude;
  if (!valid || number < INT32_MIN || number > INT32_MAX)
    throw EConvertError(Format("'%s' is not a valid integer value", {value}));
  return static_cast<int32_t>(number);
}

std::array<uint8_t, 4> BytesOfInteger(int32_t number) {
  uint32_t bits = static_cast<uint32_t>(number);
  return {uint8_t(bits), uint8_t(bits >> 8), uint8_t(bits >> 16), uint8_t(bits >> 24)};
}

int32_t IntegerOfBytes(std::span<const uint8_t, 4> bytes) {
  uint32_t bits = 0;
  for (size_t i = 0; i < 4; ++i) bits |= uint32_t(bytes[i]) << (8 * i);
  return static_cast<int32_t>(bits);
}

std::optional<TRegistryData> StoredDataOf(TStoreAs storeAs, const std::string& value) {
  switch (storeAs) {
    case saDWord:
      return IntegerData(IntegerOfText(value));
    case saString:
      return StringData(value);
    case saBinDWord:
      return BinaryData(BytesOfInteger(IntegerOfText(value)));
    case saBinary:
      break;
  }
  return std::nullopt;
}

}  // namespace tgl
