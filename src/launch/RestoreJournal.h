#pragma once
// The restore journal: the registry values a Run is about to change, each with the type and
// data it had before, or the note that it did not exist. It is on the disk, complete,
// before the registry is touched, so the values can be put back after the game ends, and
// also after a crash of the program or of Windows.
//
// The file "TesmoraGL.Restore" beside Games.CFG is a text of CR LF lines:
//
//     TesmoraGL restore journal 1
//     HKLM<TAB>System\...\NVidia\OpenGL<TAB>EnableFSAA<TAB>4<TAB>01000000
//     HKCU<TAB>Software\Tesmora<TAB>Name<TAB>absent
//     end<TAB>2<TAB>89ABCDEF
//
// One line per value: the root (HKLM, HKCU, HKDD), the key path, the value name (empty for
// the default value), then the registry type as a decimal number and the data as hex bytes,
// or "absent". In the names, "%", the tab and every other character below 32 or 127 are
// written as "%" and two upper-case hex digits. The last line counts the values and gives
// the CRC-32 (base/Crc32.h) of every byte before it, so a journal that was cut or changed
// anywhere is refused whole.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Errors.h"
#include "options/RegistryPath.h"
#include "platform/Registry.h"

namespace tgl {

struct TJournalEntry {
  TRegistryValueRef Value;
  // The data before the Run changed it; nullopt when there was no such value.
  std::optional<TRegistryData> Previous;

  friend bool operator==(const TJournalEntry& a, const TJournalEntry& b) {
    return a.Value.Root == b.Value.Root && a.Value.KeyPath == b.Value.KeyPath &&
           a.Value.ValueName == b.Value.ValueName && a.Previous == b.Previous;
  }
};
using TJournalEntries = std::vector<TJournalEntry>;

std::string JournalText(const TJournalEntries& entries);
// The entries of a whole journal text; nullopt for anything else, also for a journal text
// that lacks even one byte at its end.
std::optional<TJournalEntries> ParseJournalText(std::string_view text);

// A journal file that exists but cannot be read whole.
class EJournalDamaged : public EError {
public:
  using EError::EError;
};

class TRestoreJournal {
public:
  // The journal at `path`; DefaultPath() is the program's.
  explicit TRestoreJournal(std::string path);
  // ProgramDir + "TesmoraGL.Restore".
  static std::string DefaultPath();

  const std::string& Path() const { return FilePath; }
  // Where a damaged journal is kept aside: the journal's name + ".damaged".
  std::string AsidePath() const { return FilePath + ".damaged"; }

  bool Exists() const;
  // A journal holds a few lines per option of one card; anything beyond this is damage.
  static constexpr size_t MaxJournalSize = size_t(4) << 20;
  // Writes the journal so that it is complete on the disk when this returns, or, after a
  // crash, not there at all. Errors: "Unable to write to %s", and for entries whose journal
  // would be larger than the reader takes (nothing is written then).
  void Save(const TJournalEntries& entries);
  // The entries; nullopt when there is no journal. Error EJournalDamaged when the file
  // cannot be read or is not a whole journal.
  std::optional<TJournalEntries> Load() const;
  // Moves a damaged journal to AsidePath (replacing an older one kept there), so it is
  // neither applied nor lost. False when it could not be moved.
  bool KeepAside();
  void Remove();
  // Removes what a Save that was interrupted left beside the journal.
  void RemoveUnfinished();
  // Where a Save on Windows 9x stopped between its two moves, the journal is missing and the
  // old one waits beside it: it comes back (the new one, never vouched for, goes).
  void RecoverInterruptedSave();

private:
  std::string FilePath;
};

}  // namespace tgl
