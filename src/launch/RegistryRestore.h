#pragma once
// Recording the registry values a planned write will change, and putting them back.
#include "launch/RestoreJournal.h"
#include "options/RegistryWritePlan.h"
#include "platform/Registry.h"

namespace tgl {

// Every value the plan stores into, as the registry holds it now: its type and data, or
// absent (also when its key is missing or cannot be read, since then the write cannot reach
// it either). A value that several options store into is recorded once.
TJournalEntries RecordPreviousValues(TRegistrySystem& registry, const TRegistryWritePlan& plan);

// Puts every value back exactly: a value that existed gets its type and data again (its key
// is created when it went missing), a value that was absent is deleted. Each value is read
// back afterwards; the entries that are not as recorded are returned, in order.
TJournalEntries RestoreValues(TRegistrySystem& registry, const TJournalEntries& entries);

// Adds to `older` the entries of `newer` for values that `older` does not hold: where both
// hold a value, the older record is the one from before either write.
void MergeEntries(TJournalEntries& older, const TJournalEntries& newer);

}  // namespace tgl
