#pragma once
// The parsed form of an INI file on disk, with the reading rules of the Windows profile
// functions: names compare without regard to case, blanks around names, around "=" and at
// the ends of values are ignored, a value in matching quotes loses them, lines starting
// with ";" are comments. Edits keep every other line of the file as it was.
//
// Games.CFG grows to two hundred thousand lines for a large game collection, of which one
// load looks at a few thousand, so the document is kept compact and parsed no further than
// it is read: the text it was made from stays as it is, shared with whoever else holds it;
// a section stays a range of that text until its lines are first needed; a parsed line is
// a range too (edited lines are appended to a text of the document's own), a run of blank
// lines and comments is one range; and sections are found through an index by name that
// allocates nothing per section.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "base/StringList.h"

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

// The text that reads back as exactly `value` after "=", here and with the Windows profile
// functions: the value itself, or the value in one more pair of double quotes when blanks
// at its ends would be dropped or its own matching quotes taken off.
std::string ValueText(std::string_view value);

class TIniDocument {
public:
  // The most lines a document holds, counting section headers and keys: a run of blank
  // lines and comments counts as one. Some thirty times what a large game collection needs,
  // and little enough memory for a 32-bit process.
  static constexpr size_t MaxLines = 4000000;

  TIniDocument() = default;
  // EIniTooLarge for a text of more than MaxLines lines.
  explicit TIniDocument(std::string text);
  // The same over a text that others may hold too; the document never changes it.
  explicit TIniDocument(std::shared_ptr<const std::string> text);

  // The value, or nullopt when the section or key is missing; the first section and key of
  // a name win. The view is valid until the next edit.
  std::optional<std::string_view> Find(std::string_view section, std::string_view ident) const;
  bool HasSection(std::string_view section) const;
  TStrings KeyNames(std::string_view section) const;
  TStrings SectionNames() const;
  // The section names one by one, in file order, without copying them: each view is valid
  // until the next edit.
  size_t SectionCount() const { return Sections.size(); }
  std::string_view SectionName(size_t index) const { return NameOf(Sections[index].Header); }
  // Every key of the section in file order, each with the value Find gives for its name.
  TNameValues KeysWithValues(std::string_view section) const;

  // Whether the name can be a key: one that the file reads back as written (see Set).
  static bool IsKeyName(std::string_view name);

  // EIniFormat when a name or the value would not read back as written: a line break or a
  // zero byte anywhere, "]" in the section name, "=" in the key name, a key name that would
  // read as a comment or a section header, blanks at the ends of a name. The value is
  // written as ValueText writes it, so it reads back exactly.
  void Set(std::string_view section, std::string_view ident, std::string_view value);
  // Adds the section with these keys in their order, in time in proportion to their number:
  // a section of that name that is there already takes them through Set. EIniFormat, with
  // nothing changed, for any name or value Set would refuse.
  void AddSection(std::string_view section,
                  const std::vector<std::pair<std::string, std::string>>& values);
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
  // Offsets count through the text the document was made from and then through its own
  // text of edited lines. They are 32 bits wide: a document's text stays far below 4 GB.
  struct TLine {
    uint32_t Start = 0;
    uint32_t Length = 0;
    uint32_t NameStart = 0;  // relative to Start; section or key name, trimmed
    uint32_t NameLength = 0;
    uint32_t ValueStart = 0;  // key value, trimmed and unquoted
    uint32_t ValueLength = 0;
    TLineKind Kind = TLineKind::lkOther;
  };
  struct TSection {
    TLine Header;
    // Every line after the header up to the next header: until they are first needed, the
    // range of the text they stand in, with every line break in it.
    uint32_t RawStart = 0;
    uint32_t RawLength = 0;
    mutable bool Parsed = true;
    mutable std::vector<TLine> Lines;
  };

  static void CheckSectionName(std::string_view name);

  std::string_view TextAt(uint32_t start, uint32_t length) const;
  std::string_view RawOf(const TLine& line) const { return TextAt(line.Start, line.Length); }
  std::string_view NameOf(const TLine& line) const;
  std::string_view ValueOf(const TLine& line) const;
  static TLine ParseLine(uint32_t start, std::string_view raw);
  TLine AddLine(std::string_view raw);
  uint32_t OwnTextStart() const { return static_cast<uint32_t>(Base ? Base->size() : 0); }

  void Parse();
  const std::vector<TLine>& LinesOf(const TSection& section) const;
  std::vector<TLine>& EditableLinesOf(TSection& section);

  const TSection* FindSection(std::string_view name) const;
  TSection* FindSection(std::string_view name);
  void BuildIndex() const;
  void IndexSection(size_t index) const;
  void AppendSection(TSection section);
  TSection KeysUnderNewName(const TSection& section, std::string_view name);
  std::vector<std::optional<std::string>> TargetNames(const TSectionRename& rename) const;
  void Changed(bool structure);
  void CompactWhenWasteful();

  std::shared_ptr<const std::string> Base;  // the text the document was made from
  std::string Own;                          // edited lines, appended
  size_t CompactSize = 0;  // size of both texts when they last held no stale text
  std::vector<TLine> Preamble;  // lines before the first section header
  std::vector<TSection> Sections;
  // Open addressing over the upper-cased names: 0 is a free slot, else section index + 1.
  // Kept at most half full; the first section of a name is the one it finds.
  mutable std::vector<uint32_t> Index;
  mutable bool Indexed = false;
  uint64_t Edits = 0;
};

}  // namespace tgl
