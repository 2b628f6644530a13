#pragma once
// The registry locations of the tuning definitions: a path list entry joined with an
// option's key, the "\Registry\Machine\" alias, the root prefixes "\HKLM\" and "\HKCU\",
// and the split into key path and value name.
#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace tgl {

// `entry` and `key` joined by one backslash, with a backslash in front:
// "Software\Vendor" + "OpenGL\Value" gives "\Software\Vendor\OpenGL\Value".
std::string JoinOptionPath(std::string_view entry, std::string_view key);

// "\Registry\Machine\" at the start, in any letter case, becomes "\HKLM\".
std::string ReplaceMachineAlias(std::string_view path);

// Whether `path` holds the display-number placeholder "%NN%".
bool HasDisplayNumber(std::string_view path);
// Replaces the first "%NN%" of `path` by `displayNumber`.
void ReplaceDisplayNumber(std::string& path, std::string_view displayNumber);

// The root named by the first six characters of `path` ("\HKLM\" or "\HKCU\", any letter
// case), which are removed but for the backslash that begins the key path.
// Error: "Invalid registry path (root not found)"; `path` is then left as it is.
TRootKey ParseRoot(std::string& path);

struct TValueLocation {
  std::string KeyPath;    // everything before the last backslash
  std::string ValueName;  // everything after it; "@" is the key's default value (empty)
};
TValueLocation SplitValueName(std::string_view path);

// One registry value: the root, the key path from it (a leading backslash is allowed) and
// the value name (empty for the key's default value).
struct TRegistryValueRef {
  TRootKey Root = TRootKey::rkLocalMachine;
  std::string KeyPath;
  std::string ValueName;
};
// Whether both name the same value, as the registry compares names: letter case and one
// leading backslash of the key path do not count.
bool SameRegistryValue(const TRegistryValueRef& a, const TRegistryValueRef& b);
// "HKEY_LOCAL_MACHINE\Software\Key\Value", "(Default)" for the default value.
std::string RegistryValueText(const TRegistryValueRef& value);
const char* RootKeyName(TRootKey root);

}  // namespace tgl
