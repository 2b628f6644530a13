// The option hub's exchange of values with the driver registry.
#include "app/Log.h"
#include "app/RootUnit.h"
#include "app/TextUtils.h"
#include "options/FieldHub.h"
#include "options/StorageEncoding.h"
#include "platform/Platform.h"

namespace tgl {
namespace {

constexpr const char* OpenKeyErrorLine =
    "Regisry OpenKey error at \"%s \\ %s\"; Original key: \"%s\"";
constexpr const char* ReadBinaryLine = "Try to read binary data: Key: %s \\ %s";
constexpr const char* ReadErrorLine = "unexpected exception while reading: %s \\ %s";
constexpr const char* WriteBinaryLine = "Try to write binary data: Key: %s \\ %s";
constexpr const char* WriteErrorLine = "Registry exception while writing: Key: \"%s \\ %s\"";
constexpr const char* ConvertErrorLine = "Convert error of value \"%s\" at: Key: %s \\ %s";
constexpr const char* WrongValuesText =
    "Some uploaded values doesn't map to defined in program.\rSetting them to defaults.";

void LogAt(const char* pattern, const TValueLocation& location) {
  WriteLog(Format(pattern, {location.KeyPath, location.ValueName}));
}

// An option whose key could not be opened fails its read or write like a missing value,
// whatever its storage: it must not reach the key another option left open.
void CheckKeyOpen(bool opened, const TValueLocation& location) {
  if (!opened) throw ERegistryError(Format("Failed to open key '%s'", {location.KeyPath}));
}

int32_t ReadBinDWord(TRegistry& registry, const std::string& name) {
  std::vector<uint8_t> bytes = registry.ReadBinaryData(name, 4);
  if (bytes.size() != 4) throw ERegistryError(Format("Invalid data type for '%s'", {name}));
  return IntegerOfBytes(std::span<const uint8_t, 4>(bytes.data(), 4));
}

std::string ReadStoredValue(TRegistry& registry, TStoreAs storeAs, const TValueLocation& location) {
  switch (storeAs) {
    case saDWord:
      return std::to_string(registry.ReadInteger(location.ValueName));
    case saString:
      return registry.ReadString(location.ValueName);
    case saBinDWord:
      return std::to_string(ReadBinDWord(registry, location.ValueName));
    case saBinary:
      LogAt(ReadBinaryLine, location);
      break;
  }
  return std::string();
}

void WriteStoredValue(TRegistry& registry, TStoreAs storeAs, const std::string& value,
                      const TValueLocation& location) {
  switch (storeAs) {
    case saDWord:
      registry.WriteInteger(location.ValueName, IntegerOfText(value));
      break;
    case saString:
      registry.WriteString(location.ValueName, value);
      break;
    case saBinDWord:
      registry.WriteBinaryData(location.ValueName, BytesOfInteger(IntegerOfText(value)));
      break;
    case saBinary:
      LogAt(WriteBinaryLine, location);
      break;
  }
}

}  // namespace

std::string TFieldHub::NormalizePath(const std::string& path) const {
  std::string normalized = ReplaceMachineAlias(path);
  if (HasDisplayNumber(normalized)) {
    if (!FCurrentCard) throw EError("DeficeKey is wrongly parsed for Display number in Windows 9x");
    ReplaceDisplayNumber(normalized, GetDisplayNumber(*FCurrentCard));
  }
  return normalized;
}

TFieldHub::TOptionKey TFieldHub::OpenOptionKey(TRegistry& registry, bool readOnly,
                                               const TRegistryOption& option) const {
  const std::string& entry = PathEntry(option.PathIndex());
  std::string path = NormalizePath(JoinOptionPath(entry, option.Key()));
  TRootKey root = TRootKey::rkLocalMachine;
  try {
    root = ParseRoot(path);
  } catch (const EError&) {
    // A path without a root prefix, such as a Windows 95 driver key, lies under
    // HKEY_LOCAL_MACHINE.
  }
  // Setting the root also closes the key of the option before.
  registry.SetRootKey(root);
  TOptionKey key;
  key.Location = SplitValueName(path);
  // An empty entry is a gap between the path keys of a definition file, or a card without
  // a driver key: the option's key alone would land at the top of the root.
  if (entry.empty()) return key;
  key.Opened = readOnly ? registry.OpenKeyReadOnly(key.Location.KeyPath)
                        : registry.OpenKey(key.Location.KeyPath, true);
  return key;
}

void TFieldHub::TransferRegistry(bool write) {
  std::unique_ptr<TRegistry> registry = Registry().CreateRegistry();
  bool wrong = false;
  for (const std::unique_ptr<TRegistryOption>& option : FOptions) {
    TOptionKey key = OpenOptionKey(*registry, !write, *option);
    if (!key.Opened)
      WriteLog(Format(OpenKeyErrorLine, {key.Location.KeyPath, key.Location.ValueName,
                                         PathEntry(option->PathIndex())}));
    if (write)
      WriteOption(*registry, *option, key);
    else if (ReadOption(*registry, *option, key))
      wrong = true;
  }
  if (!write && wrong && Startup().NotifyOnWrongValue)
    Messages().ShowMessage(WrongValuesText, TMessageKind::mkWarning);
}

bool TFieldHub::ReadOption(TRegistry& registry, TRegistryOption& option, const TOptionKey& key) {
  option.SetValue(std::string());
  try {
    CheckKeyOpen(key.Opened, key.Location);
    option.SetValue(ReadStoredValue(registry, option.StoreAs(), key.Location));
  } catch (const std::exception&) {
    LogAt(ReadErrorLine, key.Location);
  }
  if (option.Value().empty()) option.SetValue(option.Default());
  return option.CheckUpValue();
}

// Registry and conversion failures concern this value only; anything else ends the transfer.
void TFieldHub::WriteOption(TRegistry& registry, const TRegistryOption& option,
                            const TOptionKey& key) {
  try {
    CheckKeyOpen(key.Opened, key.Location);
    WriteStoredValue(registry, option.StoreAs(), option.Value(), key.Location);
  } catch (const ERegistryError&) {
    LogAt(WriteErrorLine, key.Location);
  } catch (const EConvertError&) {
    WriteLog(Format(ConvertErrorLine,
                    {option.Value(), key.Location.KeyPath, key.Location.ValueName}));
  }
}

}  // namespace tgl
