// Feeds arbitrary bytes to the reader of the restore journal: a text is refused, or read
// into entries that the writer turns into a text which reads back as the same entries.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "launch/RestoreJournal.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tgl;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  std::optional<TJournalEntries> entries = ParseJournalText(text);
  if (entries && ParseJournalText(JournalText(*entries)) != entries) std::abort();
  return 0;
}
