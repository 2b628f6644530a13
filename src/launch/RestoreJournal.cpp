#include "launch/RestoreJournal.h"

#include "base/Crc32.h"
#include "base/StartupState.h"
#include "base/TextUtils.h"
#include "config/FileReplace.h"
#include "platform/Platform.h"

namespace tgl {
namespace {

constexpr std::string_view Header = "TesmoraGL restore journal 1\r\n";
constexpr std::string_view LineEnd = "\r\n";
constexpr std::string_view Absent = "absent";
constexpr std::string_view EndMark = "end";
// A journal holds the few dozen values of one card; anything near this size is not ours.
constexpr size_t MaxJournalSize = 4u << 20;
constexpr const char* TooLargeText =
    "The driver values to put back after the game are too large to record in %s (4 MB at "
    "most), so nothing was written and the game was not started.";
constexpr char HexDigits[] = "0123456789ABCDEF";

struct TRootCode {
  TRootKey Root;
  std::string_view Code;
};
constexpr TRootCode RootCodes[] = {{TRootKey::rkLocalMachine, "HKLM"},
                                   {TRootKey::rkCurrentUser, "HKCU"},
                                   {TRootKey::rkDynData, "HKDD"}};

bool MustEscape(unsigned char c) { return c == '%' || c < 32 || c == 127; }

std::string Escaped(std::string_view text) {
  std::string result;
  for (char c : text) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (MustEscape(byte)) {
      result += '%';
      result += HexDigits[byte >> 4];
      result += HexDigits[byte & 15];
    } else {
      result += c;
    }
  }
  return result;
}

std::string HexText(const std::vector<uint8_t>& bytes) {
  std::string text;
  for (uint8_t byte : bytes) {
    text += HexDigits[byte >> 4];
    text += HexDigits[byte & 15];
  }
  return text;
}

std::string Crc32Text(uint32_t crc) {
  std::string text(8, '0');
  for (int i = 7; i >= 0; --i, crc >>= 4) text[i] = HexDigits[crc & 15];
  return text;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;  // only the upper-case digits that the writer uses
}

std::optional<std::string> Unescaped(std::string_view text) {
  std::string result;
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (c != '%') {
      if (MustEscape(c)) return std::nullopt;
      result += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    int high = HexValue(text[i + 1]), low = HexValue(text[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    result += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return result;
}

std::optional<std::vector<uint8_t>> BytesOfHex(std::string_view text) {
  if (text.size() % 2) return std::nullopt;
  std::vector<uint8_t> bytes;
  bytes.reserve(text.size() / 2);
  for (size_t i = 0; i < text.size(); i += 2) {
    int high = HexValue(text[i]), low = HexValue(text[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes.push_back(static_cast<uint8_t>(high * 16 + low));
  }
  return bytes;
}

// Decimal digits only, no sign, no leading zero, at most `limit`.
std::optional<uint64_t> DecimalOf(std::string_view text, uint64_t limit) {
  if (text.empty() || text.size() > 10 || (text.size() > 1 && text.front() == '0'))
    return std::nullopt;
  uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + uint64_t(c - '0');
  }
  if (value > limit) return std::nullopt;
  return value;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  while (true) {
    size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

std::optional<TJournalEntry> EntryOf(std::string_view line) {
  std::vector<std::string_view> fields = Fields(line);
  if (fields.size() != 4 && fields.size() != 5) return std::nullopt;
  TJournalEntry entry;
  bool rootFound = false;
  for (const TRootCode& code : RootCodes)
    if (fields[0] == code.Code) {
      entry.Value.Root = code.Root;
      rootFound = true;
    }
  std::optional<std::string> keyPath = Unescaped(fields[1]);
  std::optional<std::string> valueName = Unescaped(fields[2]);
  if (!rootFound || !keyPath || !valueName) return std::nullopt;
  entry.Value.KeyPath = std::move(*keyPath);
  entry.Value.ValueName = std::move(*valueName);
  if (fields.size() == 4) {
    if (fields[3] != Absent) return std::nullopt;
    return entry;
  }
  std::optional<uint64_t> type = DecimalOf(fields[3], 0xFFFFFFFFu);
  std::optional<std::vector<uint8_t>> bytes = BytesOfHex(fields[4]);
  if (!type || !bytes) return std::nullopt;
  entry.Previous = TRegistryData{static_cast<TRegDataType>(*type), std::move(*bytes)};
  return entry;
}

std::string_view RootCodeOf(TRootKey root) {
  for (const TRootCode& code : RootCodes)
    if (code.Root == root) return code.Code;
  return RootCodes[0].Code;
}

}  // namespace

std::string JournalText(const TJournalEntries& entries) {
  std::string text(Header);
  for (const TJournalEntry& entry : entries) {
    text.append(RootCodeOf(entry.Value.Root)).append(1, '\t');
    text.append(Escaped(entry.Value.KeyPath)).append(1, '\t');
    text.append(Escaped(entry.Value.ValueName)).append(1, '\t');
    if (entry.Previous)
      text.append(std::to_string(static_cast<uint32_t>(entry.Previous->Type)))
          .append(1, '\t')
          .append(HexText(entry.Previous->Bytes));
    else
      text.append(Absent);
    text.append(LineEnd);
  }
  uint32_t crc = Crc32(text);
  text.append(EndMark).append(1, '\t').append(std::to_string(entries.size())).append(1, '\t');
  text.append(Crc32Text(crc)).append(LineEnd);
  return text;
}

std::optional<TJournalEntries> ParseJournalText(std::string_view text) {
  if (text.size() > MaxJournalSize || !text.starts_with(Header)) return std::nullopt;
  TJournalEntries entries;
  size_t start = Header.size();
  while (start < text.size()) {
    size_t end = text.find(LineEnd, start);
    if (end == std::string_view::npos) return std::nullopt;
    std::string_view line = text.substr(start, end - start);
    size_t next = end + LineEnd.size();
    std::vector<std::string_view> fields = Fields(line);
    if (fields[0] == EndMark) {
      // The last line: nothing may follow it, and it must vouch for every byte before it.
      if (next != text.size() || fields.size() != 3) return std::nullopt;
      std::optional<uint64_t> count = DecimalOf(fields[1], MaxJournalSize);
      if (!count || *count != entries.size() || fields[2].size() != 8 ||
          fields[2] != Crc32Text(Crc32(text.substr(0, start))))
        return std::nullopt;
      return entries;
    }
    std::optional<TJournalEntry> entry = EntryOf(line);
    if (!entry) return std::nullopt;
    entries.push_back(std::move(*entry));
    start = next;
  }
  return std::nullopt;  // no last line: the journal was cut
}

TRestoreJournal::TRestoreJournal(std::string path) : FilePath(std::move(path)) {}

std::string TRestoreJournal::DefaultPath() { return Startup().ProgramDir + "TesmoraGL.Restore"; }

bool TRestoreJournal::Exists() const { return Files().FileExists(FilePath); }

// A journal the reader would refuse is not written: the Run that needs it stops before the
// registry is touched, instead of leaving values that no restore can put back.
void TRestoreJournal::Save(const TJournalEntries& entries) {
  std::string text = JournalText(entries);
  if (text.size() > MaxJournalSize) throw EError(Format(TooLargeText, {FilePath}));
  ReplaceFileContentOrFail(FilePath, text);
}

void TRestoreJournal::RecoverInterruptedSave() { RecoverInterruptedReplace(Files(), FilePath); }

std::optional<TJournalEntries> TRestoreJournal::Load() const {
  if (!Exists()) return std::nullopt;
  std::optional<std::string> text = Files().ReadFile(FilePath, MaxJournalSize + 1);
  std::optional<TJournalEntries> entries;
  if (text && text->size() <= MaxJournalSize) entries = ParseJournalText(*text);
  if (!entries) throw EJournalDamaged(Format("%s cannot be read whole", {FilePath}));
  return entries;
}

bool TRestoreJournal::KeepAside() {
  return MoveFileOver(Files(), FilePath, AsidePath());
}

void TRestoreJournal::Remove() { Files().RemoveFile(FilePath); }

void TRestoreJournal::RemoveUnfinished() { Files().RemoveFile(ReplacementFileName(FilePath)); }

}  // namespace tgl
