#include "options/RegistryPath.h"

#include "base/Errors.h"
#include "base/TextUtils.h"

namespace tgl {
namespace {

constexpr std::string_view MachineAlias = "\\Registry\\Machine\\";
constexpr std::string_view LocalMachinePrefix = "\\HKLM\\";
constexpr std::string_view CurrentUserPrefix = "\\HKCU\\";
constexpr std::string_view DisplayNumberPlaceholder = "%NN%";

}  // namespace

std::string JoinOptionPath(std::string_view entry, std::string_view key) {
  std::string path;
  if (entry.empty() || entry.front() != '\\') path += '\\';
  path += entry;
  if (path.back() != '\\') path += '\\';
  path += key;
  return path;
}

std::string ReplaceMachineAlias(std::string_view path) {
  if (!StartsWithText(path, MachineAlias)) return std::string(path);
  return std::string(LocalMachinePrefix) + std::string(path.substr(MachineAlias.size()));
}

bool HasDisplayNumber(std::string_view path) {
  return path.find(DisplayNumberPlaceholder) != std::string_view::npos;
}

void ReplaceDisplayNumber(std::string& path, std::string_view displayNumber) {
  size_t placeholder = path.find(DisplayNumberPlaceholder);
  if (placeholder != std::string::npos)
    path.replace(placeholder, DisplayNumberPlaceholder.size(), displayNumber);
}

TRootKey ParseRoot(std::string& path) {
  std::string prefix = UpperCase(std::string_view(path).substr(0, LocalMachinePrefix.size()));
  TRootKey root;
  if (prefix == LocalMachinePrefix)
    root = TRootKey::rkLocalMachine;
  else if (prefix == CurrentUserPrefix)
    root = TRootKey::rkCurrentUser;
  else
    throw EError("Invalid registry path (root not found)");
  path.erase(0, LocalMachinePrefix.size() - 1);
  return root;
}

TValueLocation SplitValueName(std::string_view path) {
  // The option paths always hold a backslash; a path without one names a value of the root.
  size_t lastBackslash = path.rfind('\\');
  TValueLocation location;
  if (lastBackslash == std::string_view::npos) {
    location.ValueName = path;
  } else {
    location.KeyPath = path.substr(0, lastBackslash);
    location.ValueName = path.substr(lastBackslash + 1);
  }
  if (location.ValueName == "@") location.ValueName.clear();
  return location;
}

namespace {

std::string_view WithoutLeadingBackslash(std::string_view path) {
  if (!path.empty() && path.front() == '\\') path.remove_prefix(1);
  return path;
}

}  // namespace

bool SameRegistryValue(const TRegistryValueRef& a, const TRegistryValueRef& b) {
  return a.Root == b.Root && SameText(a.ValueName, b.ValueName) &&
         SameText(WithoutLeadingBackslash(a.KeyPath), WithoutLeadingBackslash(b.KeyPath));
}

const char* RootKeyName(TRootKey root) {
  switch (root) {
    case TRootKey::rkLocalMachine:
      return "HKEY_LOCAL_MACHINE";
    case TRootKey::rkCurrentUser:
      return "HKEY_CURRENT_USER";
    case TRootKey::rkDynData:
      break;
  }
  return "HKEY_DYN_DATA";
}

std::string RegistryValueText(const TRegistryValueRef& value) {
  std::string text = RootKeyName(value.Root);
  std::string_view path = WithoutLeadingBackslash(value.KeyPath);
  if (!path.empty()) text.append(1, '\\').append(path);
  text.append(1, '\\').append(value.ValueName.empty() ? "(Default)" : value.ValueName);
  return text;
}

}  // namespace tgl
