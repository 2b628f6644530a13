#pragma once
// How an option's value text is kept in the registry, by its storage kind: DWORD as a
// 32-bit integer value, STRING as a string value, BINDWORD as exactly four bytes of binary
// data (least significant first). BINARY values are never transferred.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/Errors.h"
#include "options/OptionKeywords.h"

namespace tgl {

// A value text that the storage cannot hold, such as "abc" or 4294909824 for a DWORD.
class EConvertError : public EError {
public:
  using EError::EError;
};

// Registry data of a type or size that the storage cannot read, a missing DWORD or
// BINDWORD value, or a transfer of BINARY storage.
class ERegistryDataError : public EError {
public:
  using EError::EError;
};

// A value as the registry holds it: its data type and raw bytes.
enum TStoredDataType : int {
  sdMissing,      // no value of that name
  sdString,       // REG_SZ
  sdExpandString, // REG_EXPAND_SZ
  sdBinary,       // REG_BINARY
  sdDWord,        // REG_DWORD
  sdOther,        // any other type
};

struct TStoredData {
  TStoredDataType DataType = sdMissing;
  std::string Bytes;
  bool operator==(const TStoredData&) const = default;
};

// A signed 32-bit decimal integer text (optional sign, digits only).
// Error EConvertError: "'%s' is not a valid integer value".
int32_t IntegerOfText(const std::string& value);
std::array<uint8_t, 4> BytesOfInteger(int32_t number);
// Error ERegistryDataError unless `bytes` holds exactly four bytes.
int32_t IntegerOfBytes(std::string_view bytes);
// String data up to its terminating zero, or all of it when the zero is missing.
std::string TextOfStringData(std::string_view bytes);

// The data written for `value`.
// Errors: EConvertError for DWORD and BINDWORD texts that are not signed 32-bit decimal
// integers; ERegistryDataError for BINARY.
TStoredData EncodeValue(TStoreAs storeAs, const std::string& value);
// The value text of registry data: DWORD and BINDWORD give a signed decimal text, STRING
// the string (a missing value reads as empty).
// Error ERegistryDataError: "Invalid registry data type" for data of another type or size,
// a missing DWORD or BINDWORD value, and BINARY storage.
std::string DecodeValue(TStoreAs storeAs, const TStoredData& data);

}  // namespace tgl
