// The option hub's exchange of values with the driver registry.
#include "base/StartupState.h"
#include "base/TextUtils.h"
#include "config/Log.h"
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

// What became of one planned value when it was written.
enum class TWriteOutcome { woWritten, woNothingToStore, woNoLocation, woKeyNotOpened, woRefused, woNotConverted };

// Registry and conversion failures concern this value only; anything else ends the write.
TWriteOutcome WritePlannedValue(TRegistry& registry, const TPlannedValue& planned) {
  const TValueLocation location{planned.Value.KeyPath, planned.Value.ValueName};
  // Setting the root also closes the key of the value before.
  registry.SetRootKey(planned.Value.Root);
  // An empty entry is a gap between the path keys of a definition file, or a card without
  // a driver key: the option's key alone would land at the top of the root.
  bool opened = planned.HasLocation && registry.OpenKey(planned.Value.KeyPath, true);
  if (!opened) {
    WriteLog(Format(OpenKeyErrorLine, {location.KeyPath, location.ValueName, planned.PathEntry}));
    // It must not reach the key another option left open, whatever its storage.
    LogAt(WriteErrorLine, location);
    return planned.HasLocation ? TWriteOutcome::woKeyNotOpened : TWriteOutcome::woNoLocation;
  }
  if (planned.Option->StoreAs() == saBinary) {
    LogAt(WriteBinaryLine, location);
    return TWriteOutcome::woNothingToStore;
  }
  if (!planned.Data) {
    WriteLog(Format(ConvertErrorLine,
                    {planned.Option->Value(), location.KeyPath, location.ValueName}));
    return TWriteOutcome::woNotConverted;
  }
  try {
    registry.WriteValue(location.ValueName, *planned.Data);
  } catch (const ERegistryError&) {
    LogAt(WriteErrorLine, location);
    return TWriteOutcome::woRefused;
  }
  return TWriteOutcome::woWritten;
}

// Whether a later value of the plan stores into the same registry value: that one decides
// what the value must hold.
bool StoredAgainLater(const TRegistryWritePlan& plan, size_t index) {
  for (size_t later = index + 1; later < plan.Values.size(); ++later)
    if (plan.Values[later].WillStore() &&
        SameRegistryValue(plan.Values[later].Value, plan.Values[index].Value))
      return true;
  return false;
}

// What the registry holds at the value now: nullopt for the data when there is none; false
// when its key cannot be opened for reading.
bool ReadBack(TRegistry& registry, const TRegistryValueRef& value,
              std::optional<TRegistryData>& data) {
  registry.SetRootKey(value.Root);
  if (!registry.OpenKeyReadOnly(value.KeyPath)) return false;
  data = registry.ReadValue(value.ValueName);
  return true;
}

const char* NotWrittenReason(TWriteOutcome outcome) {
  switch (outcome) {
    case TWriteOutcome::woNoLocation:
      return "the tuning definition gives no registry path";
    case TWriteOutcome::woKeyNotOpened:
      return "the key cannot be opened";
    case TWriteOutcome::woRefused:
      return "the registry refused it";
    case TWriteOutcome::woNotConverted:
      return "not a 32-bit integer";
    case TWriteOutcome::woWritten:
    case TWriteOutcome::woNothingToStore:
      break;
  }
  return "";
}

std::optional<TUnappliedValue> CheckValue(TRegistry& registry, const TPlannedValue& planned,
                                          TWriteOutcome outcome) {
  TUnappliedValue unapplied;
  unapplied.Caption = planned.Option->Caption();
  unapplied.Wanted = planned.Data ? DescribeRegistryData(planned.Data)
                                  : QuotedText(planned.Option->Value());
  if (!planned.HasLocation) {
    unapplied.Location = "no registry location";
    unapplied.Found = "nothing";
  } else {
    unapplied.Location = RegistryValueText(planned.Value);
    std::optional<TRegistryData> found;
    bool keyRead = ReadBack(registry, planned.Value, found);
    // What counts is what the value holds now: a refused write of the data it already
    // held changed nothing that matters.
    if (keyRead && planned.Data && found == planned.Data) return std::nullopt;
    unapplied.Found = keyRead ? DescribeRegistryData(found) : "no key";
  }
  unapplied.NotWritten = NotWrittenReason(outcome);
  return unapplied;
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

TFieldHub::TOptionLocation TFieldHub::LocateOption(const TRegistryOption& option) const {
  const std::string& entry = PathEntry(option.PathIndex());
  std::string path = NormalizePath(JoinOptionPath(entry, option.Key()));
  TOptionLocation located;
  try {
    located.Root = ParseRoot(path);
  } catch (const EError&) {
    // A path without a root prefix, such as a Windows 95 driver key, lies under
    // HKEY_LOCAL_MACHINE.
  }
  located.Location = SplitValueName(path);
  // An empty entry is a gap between the path keys of a definition file, or a card without
  // a driver key: the option's key alone would land at the top of the root.
  located.Named = !entry.empty();
  return located;
}

TFieldHub::TOptionKey TFieldHub::OpenOptionKey(TRegistry& registry, bool readOnly,
                                               const TRegistryOption& option) const {
  TOptionLocation located = LocateOption(option);
  // Setting the root also closes the key of the option before.
  registry.SetRootKey(located.Root);
  TOptionKey key;
  key.Location = located.Location;
  if (!located.Named) return key;
  key.Opened = readOnly ? registry.OpenKeyReadOnly(key.Location.KeyPath)
                        : registry.OpenKey(key.Location.KeyPath, true);
  return key;
}

void TFieldHub::TransferRegistry(bool write) {
  if (write) {
    WriteToRegistry();
    return;
  }
  std::unique_ptr<TRegistry> registry = Registry().CreateRegistry();
  bool wrong = false;
  for (const std::unique_ptr<TRegistryOption>& option : FOptions) {
    TOptionKey key = OpenOptionKey(*registry, true, *option);
    if (!key.Opened)
      WriteLog(Format(OpenKeyErrorLine, {key.Location.KeyPath, key.Location.ValueName,
                                         PathEntry(option->PathIndex())}));
    if (ReadOption(*registry, *option, key)) wrong = true;
  }
  if (wrong && Startup().NotifyOnWrongValue)
    Messages().ShowMessage(WrongValuesText, TMessageKind::mkWarning);
}

TRegistryWritePlan TFieldHub::PlanRegistryWrite() const {
  TRegistryWritePlan plan;
  for (const std::unique_ptr<TRegistryOption>& option : FOptions) {
    TPlannedValue planned;
    planned.Option = option.get();
    try {
      TOptionLocation located = LocateOption(*option);
      planned.PathEntry = PathEntry(option->PathIndex());
      planned.Value = {located.Root, located.Location.KeyPath, located.Location.ValueName};
      planned.HasLocation = located.Named;
    } catch (...) {
      plan.Failure = std::current_exception();
      break;
    }
    try {
      planned.Data = StoredDataOf(option->StoreAs(), option->Value());
    } catch (const EConvertError& error) {
      planned.ConvertError = error.what();
    }
    plan.Values.push_back(std::move(planned));
  }
  return plan;
}

TRegistryWriteReport TFieldHub::WriteToRegistry(const TRegistryWritePlan& plan) {
  std::unique_ptr<TRegistry> registry = Registry().CreateRegistry();
  std::vector<TWriteOutcome> outcomes;
  outcomes.reserve(plan.Values.size());
  for (const TPlannedValue& planned : plan.Values)
    outcomes.push_back(WritePlannedValue(*registry, planned));
  if (plan.Failure) std::rethrow_exception(plan.Failure);

  TRegistryWriteReport report;
  for (size_t i = 0; i < plan.Values.size(); ++i) {
    // BINARY storage writes nothing by design, whether its key opened or not.
    if (plan.Values[i].Option->StoreAs() == saBinary) continue;
    if (outcomes[i] == TWriteOutcome::woWritten && StoredAgainLater(plan, i)) continue;
    if (std::optional<TUnappliedValue> unapplied = CheckValue(*registry, plan.Values[i], outcomes[i]))
      report.Values.push_back(std::move(*unapplied));
  }
  LogUnappliedValues(report);
  return report;
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

}  // namespace tgl
