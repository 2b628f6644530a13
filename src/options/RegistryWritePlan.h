#pragma once
// What a write of the hub's options to the registry will do, worked out before anything is
// written: for each option in order, the value it goes to and the data it stores. The
// write itself, the record of the values it will change and the check that they stuck all
// follow this one plan, so they cannot disagree about locations or encodings.
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "options/RegistryPath.h"
#include "platform/Registry.h"

namespace tgl {

class TRegistryOption;

struct TPlannedValue {
  const TRegistryOption* Option = nullptr;
  // The path list entry as the definition gave it, for the log.
  std::string PathEntry;
  TRegistryValueRef Value;
  // False when the path entry is empty: no key is opened for such an option.
  bool HasLocation = false;
  // The data the option stores; nullopt when it stores nothing: BINARY storage, or a value
  // text the storage cannot hold (ConvertError then says why).
  std::optional<TRegistryData> Data;
  std::string ConvertError;

  // Whether the write will change this value when the registry takes it.
  bool WillStore() const { return HasLocation && Data.has_value(); }
};

struct TRegistryWritePlan {
  std::vector<TPlannedValue> Values;
  // The error that ends the write after the values above (a path number outside the path
  // list, a display number the driver key lacks); the options after it are not planned.
  std::exception_ptr Failure;
};

}  // namespace tgl
