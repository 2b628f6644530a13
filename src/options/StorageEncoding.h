#pragma once
// The number forms of the registry storage that the registry object does not give: the
// value text of a DWORD or BINDWORD option as a signed 32-bit integer, and that integer as
// the four bytes of BINDWORD data, least significant first. The registry object itself
// writes and reads the typed values and checks their types.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "base/Errors.h"
#include "options/OptionKeywords.h"
#include "platform/Registry.h"

namespace tgl {

// A value text that the storage cannot hold, such as "abc" or 4294909824 for a DWORD.
class EConvertError : public EError {
public:
  using EError::EError;
};

// A signed 32-bit decimal integer text (optional sign, digits only).
// Error EConvertError: "'%s' is not a valid integer value".
int32_t IntegerOfText(const std::string& value);
std::array<uint8_t, 4> BytesOfInteger(int32_t number);
int32_t IntegerOfBytes(std::span<const uint8_t, 4> bytes);

// The registry data that an option of this storage stores for `value`: DWORD an integer
// value, STRING a string value, BINDWORD four binary bytes; BINARY stores nothing (nullopt).
// Error EConvertError for a DWORD or BINDWORD text that is no signed 32-bit integer.
std::optional<TRegistryData> StoredDataOf(TStoreAs storeAs, const std::string& value);

}  // namespace tgl
