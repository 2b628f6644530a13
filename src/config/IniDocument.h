#pragma once
// The parsed form of an INI file on disk, with the reading rules of the Windows profile
// functions: names compare without regard to case, blanks around names, around "=" and at
// the ends of values are ignored, a value in matching quotes loses them, lines starting
// with ";" are comments. Edits keep every other line of the file as it was.
#include <string>
#include <string_view>
#include <vector>

#include "config/StringList.h"

namespace tgl {

class TIniDocument {
public:
  TIniDocument() = default;
  explicit TIniDocument(std::string_view text);

  // nullptr when the section or key is missing; the first section and key of a name win.
  const std::string* Find(std::string_view section, std::string_view ident) const;
  TStrings KeyNames(std::string_view section) const;
  TStrings SectionNames() const;

  void Set(std::string_view section, std::string_view ident, std::string_view value);
  // Both return false when there was nothing to remove.
  bool EraseSection(std::string_view section);
  bool DeleteKey(std::string_view section, std::string_view ident);

  // The file's bytes, lines ended by CR LF.
  std::string Text() const;

private:
  enum class TLineKind { lkOther, lkSection, lkKey };
  struct TLine {
    std::string Raw;
    TLineKind Kind = TLineKind::lkOther;
    std::string Name;   // section or key name, trimmed
    std::string Value;  // key value, trimmed and unquoted
  };
  struct TSectionIndex {
    std::string Name;
    size_t Header = 0;  // line of the "[name]" header
    std::vector<size_t> Keys;
    size_t End = 0;     // one past the last line of the section
  };

  static TLine ParseLine(std::string Raw);
  void Reindex();
  const TSectionIndex* FindSection(std::string_view name) const;

  std::vector<TLine> Lines;
  std::vector<TSectionIndex> Sections;
};

}  // namespace tgl
