#include "options/StorageEncoding.h"

#include "app/TextUtils.h"

namespace tgl {
namespace {

[[noreturn]] void FailDataType() { throw ERegistryDataError("Invalid registry data type"); }

std::string BytesText(const std::array<uint8_t, 4>& bytes) {
  return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

}  // namespace

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

int32_t IntegerOfBytes(std::string_view bytes) {
  if (bytes.size() != 4) FailDataType();
  uint32_t bits = 0;
  for (size_t i = 0; i < 4; ++i) bits |= uint32_t(static_cast<uint8_t>(bytes[i])) << (8 * i);
  return static_cast<int32_t>(bits);
}

std::string TextOfStringData(std::string_view bytes) {
  return std::string(bytes.substr(0, bytes.find('\0')));
}

TStoredData EncodeValue(TStoreAs storeAs, const std::string& value) {
  switch (storeAs) {
    case saDWord:
      return {sdDWord, BytesText(BytesOfInteger(IntegerOfText(value)))};
    case saBinDWord:
      return {sdBinary, BytesText(BytesOfInteger(IntegerOfText(value)))};
    case saString:
      return {sdString, value + '\0'};
    case saBinary:
      break;
  }
  FailDataType();
}

std::string DecodeValue(TStoreAs storeAs, const TStoredData& data) {
  switch (storeAs) {
    case saDWord:
      if (data.DataType != sdDWord) FailDataType();
      return std::to_string(IntegerOfBytes(data.Bytes));
    case saBinDWord:
      if (data.DataType != sdBinary) FailDataType();
      return std::to_string(IntegerOfBytes(data.Bytes));
    case saString:
      if (data.DataType == sdMissing) return "";
      if (data.DataType != sdString && data.DataType != sdExpandString) FailDataType();
      return TextOfStringData(data.Bytes);
    case saBinary:
      break;
  }
  FailDataType();
}

}  // namespace tgl
