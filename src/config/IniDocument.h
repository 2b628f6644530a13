#pragma once
// The parsed form of an INI file on disk, with the reading rules of the Windows profile
// functions: names compare without regard to case, blanks around names, around "=" and at
// the ends of values are ignored, a value in matching quotes loses them, lines starting
// with ";" are comments. Edits keep every other line of the file as it was.
//
// Games.CFG grows to a hundred thousand lines for a large game collection, so the document
// is kept compact: every line is a range of one text buffer (edited lines are appended to
// it), a run of blank lines and comments is one range, and sections are found through an
// index by name.
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "config/StringList.h"

namespace tgl {

// An edit whose text the file could not hold so that it reads back as written.
class EIniFormat : public std::invalid_argument {
public:
  using std::invalid_argument::invalid_argument;
};

// A text of more lines than a document holds.
class EIniTooLarge : public std::length_error {
public:
  using std::length_error::length_error;
};

class TIniDocument {
public:
  // The most lines a document holds, counting section headers and keys: a run of blank
  // lines and comments counts as one. Some thirty times what a large game collection needs,
  // and little enough memory for a 32-bit process.
  static constexpr size_t MaxLines = 4000000;

  TIniDocument() = default;
  // EIniTooLarge for a text of more than MaxLines lines.
  explicit TIniDocument(std::string text);

  // The value, or nullopt when the section or key is missing; the first section and key of
  // a name win. The view is valid until the next edit.
  std::optional<std::string_view> Find(std::string_view section, std::string_view ident) const;
  bool HasSection(std::string_view section) const;
  TStrings KeyNames(std::string_view section) const;
  TStrings SectionNames() const;
  // Every key of the section in file order, each with the value Find gives for its name.
  TNameValues KeysWithValues(std::string_view section) const;

  // Whether the name can be a key: one that the file reads back as written (see Set).
  static bool IsKeyName(std::string_view name);

  // EIniFormat when a name or the value would not read back as written: a line break or a
  // zero byte anywhere, "]" in the section name, "=" in the key name, a key name that would
  // read as a comment or a section header, blanks at the ends of a name.
  void Set(std::string_view section, std::string_view ident, std::string_view value);
  // Both return false when there was nothing to remove.
  bool EraseSection(std::string_view section);
  bool DeleteKey(std::string_view section, std::string_view ident);

  // Edits of many sections at once. `erase` and the rename functions see every section name
  // in file order. A moved or copied section takes its keys along in their order, their
  // values exactly as written; its comments and blank lines are left out. It goes to the end
  // of the file, in file order. A name that cannot be a section name (see Set) raises
  // EIniFormat before anything changes.
  using TSectionFilter = std::function<bool(std::string_view name)>;
  using TSectionRename = std::function<std::optional<std::string>(std::string_view name)>;
  size_t EraseSections(const TSectionFilter& erase);
  void MoveSections(const TSectionRename& newName);
  void CopySections(const TSectionRename& copyName);

  // Counts the edits made since the document was parsed.
  uint64_t Revision() const { return Edits; }

  // The file's bytes, lines ended by CR LF.
  std::string Text() const;

private:
  enum class TLineKind : uint8_t { lkOther, lkSection, lkKey };
  // A line, or a run of lines that are neither headers nor keys, with its line breaks.
  // Offsets are 32 bits wide: a document's text stays far below 4 GB.
  struct TLine {
    uint32_t Start = 0;  // in Pool
    uint32_t Length = 0;
    uint32_t NameStart = 0;  // relative to Start; section or key name, trimmed
    uint32_t NameLength = 0;
    uint32_t ValueStart = 0;  // key value, trimmed and unquoted
    uint32_t ValueLength = 0;
    TLineKind Kind = TLineKind::lkOther;
  };
  struct TSection {
    TLine Header;
    std::vector<TLine> Lines;  // every line after the header up to the next header
  };

  static void CheckSectionName(std::string_view name);

  std::string_view RawOf(const TLine& line) const;
  std::string_view NameOf(const TLine& line) const;
  std::string_view ValueOf(const TLine& line) const;
  TLine ParseLine(size_t start, size_t length) const;
  TLine AddLine(std::string_view raw);
  void AddParsedLine(const TLine& line);

  const TSection* FindSection(std::string_view name) const;
  TSection* FindSection(std::string_view name);
  void AppendSection(TSection section);
  TSection KeysUnderNewName(const TSection& section, std::string_view name);
  std::vector<std::optional<std::string>> TargetNames(const TSectionRename& rename) const;
  void Changed(bool structure);
  void CompactWhenWasteful();

  std::string Pool;             // the text of every line; edited lines are appended
  size_t CompactSize = 0;       // size of Pool when it last held no stale text
  std::vector<TLine> Preamble;  // lines before the first section header
  std::vector<TSection> Sections;
  size_t LineCount = 0;  // as MaxLines counts them, while the text is parsed
  mutable std::unordered_map<std::string, size_t> FirstByName;  // upper-cased name
  mutable bool Indexed = false;
  uint64_t Edits = 0;
};

}  // namespace tgl
