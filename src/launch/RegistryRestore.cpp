#include "launch/RegistryRestore.h"

#include <algorithm>

namespace tgl {
namespace {

bool Holds(const TJournalEntries& entries, const TRegistryValueRef& value) {
  return std::any_of(entries.begin(), entries.end(), [&](const TJournalEntry& entry) {
    return SameRegistryValue(entry.Value, value);
  });
}

// The value's data; nullopt when it, or a key that can be read, is not there.
std::optional<TRegistryData> CurrentData(TRegistry& registry, const TRegistryValueRef& value) {
  registry.SetRootKey(value.Root);
  if (!registry.OpenKeyReadOnly(value.KeyPath)) return std::nullopt;
  return registry.ReadValue(value.ValueName);
}

void PutBack(TRegistry& registry, const TJournalEntry& entry) {
  registry.SetRootKey(entry.Value.Root);
  if (entry.Previous) {
    if (registry.OpenKey(entry.Value.KeyPath, true))
      registry.WriteValue(entry.Value.ValueName, *entry.Previous);
  } else if (registry.OpenKey(entry.Value.KeyPath, false)) {
    // A key that cannot be opened holds no value we wrote: the write could not open it either.
    registry.DeleteValue(entry.Value.ValueName);
  }
}

}  // namespace

TJournalEntries RecordPreviousValues(TRegistrySystem& registry, const TRegistryWritePlan& plan) {
  std::unique_ptr<TRegistry> keys = registry.CreateRegistry();
  TJournalEntries entries;
  for (const TPlannedValue& planned : plan.Values) {
    if (!planned.WillStore() || Holds(entries, planned.Value)) continue;
    entries.push_back({planned.Value, CurrentData(*keys, planned.Value)});
  }
  return entries;
}

TJournalEntries RestoreValues(TRegistrySystem& registry, const TJournalEntries& entries) {
  std::unique_ptr<TRegistry> keys = registry.CreateRegistry();
  TJournalEntries failed;
  for (const TJournalEntry& entry : entries) {
    try {
      PutBack(*keys, entry);
    } catch (const ERegistryError&) {
      // Read back below like any other value.
    }
    if (CurrentData(*keys, entry.Value) != entry.Previous) failed.push_back(entry);
  }
  return failed;
}

void MergeEntries(TJournalEntries& older, const TJournalEntries& newer) {
  for (const TJournalEntry& entry : newer)
    if (!Holds(older, entry.Value)) older.push_back(entry);
}

}  // namespace tgl
