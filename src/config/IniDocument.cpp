#include "config/IniDocument.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

#include "base/TextUtils.h"

namespace tgl {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A line break or a zero byte would split the line, or end it early for the Windows
// profile functions.
bool FitsOnOneLine(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

bool HasBlankEnds(std::string_view text) {
  return !text.empty() && (IsBlank(text.front()) || IsBlank(text.back()));
}

// Start and end of `text[begin, end)` without its blanks at both ends.
void TrimRange(std::string_view text, size_t& begin, size_t& end) {
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
}

std::string HeaderLine(std::string_view name) {
  std::string line(1, '[');
  line.append(name).append(1, ']');
  return line;
}

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

// The end of the line that starts at `start`: its first CR or LF, or the end of the text.
size_t LineEnd(const char* data, size_t start, size_t size) {
  size_t i = start;
  // Every byte above CR is a byte of the line: one comparison for nearly all of them.
  while (i < size && (static_cast<unsigned char>(data[i]) > '\r' || !IsLineBreak(data[i]))) ++i;
  return i;
}

// Where the next line starts after the line break at `end` (CR LF, LF or CR).
size_t NextLineStart(const char* data, size_t end, size_t size) {
  if (end >= size) return size;
  return end + (data[end] == '\r' && end + 1 < size && data[end + 1] == '\n' ? 2 : 1);
}

// Appends the lines of `raw` (one, or a run with its line breaks) each ended by CR LF. A
// line ends at CR LF, at a lone LF or at a lone CR, as the text was parsed.
void AppendLines(std::string& text, std::string_view raw) {
  for (;;) {
    size_t end = raw.find_first_of("\r\n");
    text.append(raw.substr(0, end));
    text.append("\r\n");
    if (end == std::string_view::npos) return;
    raw.remove_prefix(NextLineStart(raw.data(), end, raw.size()));
  }
}

// The last line of a run.
std::string_view LastLineOf(std::string_view raw) {
  size_t lastBreak = raw.find_last_of("\r\n");
  return lastBreak == std::string_view::npos ? raw : raw.substr(lastBreak + 1);
}

// What a line is, from its first character after blanks.
enum class TLineStart { lsOther, lsHeader, lsKey };
TLineStart LineStartOf(const char* data, size_t start, size_t end) {
  while (start < end && IsBlank(data[start])) ++start;
  if (start == end || data[start] == ';') return TLineStart::lsOther;
  return data[start] == '[' ? TLineStart::lsHeader : TLineStart::lsKey;
}

// Upper-case FNV-1a, so that names SameText takes for equal hash alike.
uint32_t NameHash(std::string_view name) {
  uint32_t hash = 2166136261u;
  for (char c : name) {
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  }
  return hash;
}

bool IsQuote(char c) { return c == '"' || c == '\''; }

}  // namespace

std::string ValueText(std::string_view value) {
  bool quoted = value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front();
  if (HasBlankEnds(value) || quoted) return QuotedText(value);
  return std::string(value);
}

TIniDocument::TIniDocument(std::string text)
    : TIniDocument(std::make_shared<const std::string>(std::move(text))) {}

TIniDocument::TIniDocument(std::shared_ptr<const std::string> text) : Base(std::move(text)) {
  if (Base->size() > UINT32_MAX) throw EIniTooLarge("text too large");
  Parse();
  CompactSize = Base->size();
}

// One pass over the text that finds the section headers and counts the lines; the lines
// of a section are parsed when they are first needed, those before the first header now.
void TIniDocument::Parse() {
  const char* data = Base->data();
  const size_t size = Base->size();
  size_t lineCount = 0;
  bool afterOther = false;  // the previous line of this section was neither header nor key
  auto closeSection = [&](size_t end) {
    if (Sections.empty()) return;
    TSection& last = Sections.back();
    last.RawLength = static_cast<uint32_t>(end - last.RawStart);
  };
  for (size_t start = 0; start < size;) {
    const size_t end = LineEnd(data, start, size);
    const size_t next = NextLineStart(data, end, size);
    const TLineStart kind = LineStartOf(data, start, end);
    if (kind != TLineStart::lsOther || !afterOther) {
      if (++lineCount > MaxLines) throw EIniTooLarge("too many lines");
    }
    if (kind == TLineStart::lsHeader) {
      closeSection(start);
      TSection section;
      section.Header = ParseLine(static_cast<uint32_t>(start),
                                 std::string_view(data + start, end - start));
      section.RawStart = static_cast<uint32_t>(next);
      section.Parsed = false;
      Sections.push_back(std::move(section));
      afterOther = false;
    } else {
      if (Sections.empty()) {
        TLine line = ParseLine(static_cast<uint32_t>(start), std::string_view(data + start, end - start));
        if (kind == TLineStart::lsOther && afterOther)
          Preamble.back().Length = static_cast<uint32_t>(end - Preamble.back().Start);
        else
          Preamble.push_back(line);
      }
      afterOther = kind == TLineStart::lsOther;
    }
    start = next;
  }
  closeSection(size);
}

const std::vector<TIniDocument::TLine>& TIniDocument::LinesOf(const TSection& section) const {
  if (section.Parsed) return section.Lines;
  const char* data = Base->data();
  const size_t end = section.RawStart + section.RawLength;
  for (size_t start = section.RawStart; start < end;) {
    const size_t lineEnd = LineEnd(data, start, end);
    TLine line = ParseLine(static_cast<uint32_t>(start), std::string_view(data + start, lineEnd - start));
    std::vector<TLine>& lines = section.Lines;
    // Blank lines and comments are only ever written back as they stand: a run of them is
    // one range, so that a file of nothing but line breaks costs no memory per line.
    if (line.Kind == TLineKind::lkOther && !lines.empty() && lines.back().Kind == TLineKind::lkOther)
      lines.back().Length = static_cast<uint32_t>(lineEnd - lines.back().Start);
    else
      lines.push_back(line);
    start = NextLineStart(data, lineEnd, end);
  }
  section.Parsed = true;
  return section.Lines;
}

std::vector<TIniDocument::TLine>& TIniDocument::EditableLinesOf(TSection& section) {
  LinesOf(section);
  return section.Lines;
}

std::string_view TIniDocument::TextAt(uint32_t start, uint32_t length) const {
  const uint32_t ownStart = OwnTextStart();
  if (start >= ownStart) return std::string_view(Own).substr(start - ownStart, length);
  return std::string_view(*Base).substr(start, length);
}

std::string_view TIniDocument::NameOf(const TLine& line) const {
  return TextAt(line.Start + line.NameStart, line.NameLength);
}

std::string_view TIniDocument::ValueOf(const TLine& line) const {
  return TextAt(line.Start + line.ValueStart, line.ValueLength);
}

TIniDocument::TLine TIniDocument::ParseLine(uint32_t start, std::string_view raw) {
  TLine line;
  line.Start = start;
  line.Length = static_cast<uint32_t>(raw.size());
  size_t begin = 0, end = raw.size();
  TrimRange(raw, begin, end);
  if (begin == end || raw[begin] == ';') return line;
  auto setName = [&](size_t from, size_t to) {
    TrimRange(raw, from, to);
    line.NameStart = static_cast<uint32_t>(from);
    line.NameLength = static_cast<uint32_t>(to - from);
  };
  if (raw[begin] == '[') {
    size_t close = raw.find(']', begin + 1);
    line.Kind = TLineKind::lkSection;
    setName(begin + 1, close < end ? close : end);
    return line;
  }
  line.Kind = TLineKind::lkKey;
  size_t equals = raw.find('=', begin);
  if (equals >= end) {
    setName(begin, end);
    return line;
  }
  setName(begin, equals);
  size_t from = equals + 1, to = end;
  TrimRange(raw, from, to);
  if (to - from >= 2 && IsQuote(raw[from]) && raw[to - 1] == raw[from]) {
    ++from;
    --to;
  }
  line.ValueStart = static_cast<uint32_t>(from);
  line.ValueLength = static_cast<uint32_t>(to - from);
  return line;
}

TIniDocument::TLine TIniDocument::AddLine(std::string_view raw) {
  const size_t start = OwnTextStart() + Own.size();
  if (raw.size() > UINT32_MAX - start) throw EIniFormat("document too large");
  Own.append(raw);
  return ParseLine(static_cast<uint32_t>(start), raw);
}

void TIniDocument::IndexSection(size_t index) const {
  const std::string_view name = NameOf(Sections[index].Header);
  const size_t mask = Index.size() - 1;
  for (size_t slot = NameHash(name) & mask;; slot = (slot + 1) & mask) {
    if (Index[slot] == 0) {
      Index[slot] = static_cast<uint32_t>(index + 1);
      return;
    }
    // The first section of a name keeps the slot.
    if (SameText(NameOf(Sections[Index[slot] - 1].Header), name)) return;
  }
}

void TIniDocument::BuildIndex() const {
  size_t slots = 16;
  while (slots < 2 * Sections.size() + 2) slots *= 2;
  Index.assign(slots, 0);
  for (size_t i = 0; i < Sections.size(); ++i) IndexSection(i);
  Indexed = true;
}

const TIniDocument::TSection* TIniDocument::FindSection(std::string_view name) const {
  if (!Indexed) BuildIndex();
  const size_t mask = Index.size() - 1;
  for (size_t slot = NameHash(name) & mask; Index[slot] != 0; slot = (slot + 1) & mask) {
    const TSection& section = Sections[Index[slot] - 1];
    if (SameText(NameOf(section.Header), name)) return &section;
  }
  return nullptr;
}

TIniDocument::TSection* TIniDocument::FindSection(std::string_view name) {
  return const_cast<TSection*>(std::as_const(*this).FindSection(name));
}

std::optional<std::string_view> TIniDocument::Find(std::string_view section,
                                                   std::string_view ident) const {
  const TSection* found = FindSection(section);
  if (!found) return std::nullopt;
  for (const TLine& line : LinesOf(*found))
    if (line.Kind == TLineKind::lkKey && SameText(NameOf(line), ident)) return ValueOf(line);
  return std::nullopt;
}

bool TIniDocument::HasSection(std::string_view section) const {
  return FindSection(section) != nullptr;
}

TStrings TIniDocument::KeyNames(std::string_view section) const {
  TStrings names;
  if (const TSection* found = FindSection(section))
    for (const TLine& line : LinesOf(*found))
      if (line.Kind == TLineKind::lkKey) names.emplace_back(NameOf(line));
  return names;
}

TNameValues TIniDocument::KeysWithValues(std::string_view section) const {
  TNameValues keys;
  const TSection* found = FindSection(section);
  if (!found) return keys;
  std::unordered_map<std::string, std::string_view> firstValues;
  for (const TLine& line : LinesOf(*found)) {
    if (line.Kind != TLineKind::lkKey) continue;
    auto first = firstValues.emplace(UpperCase(NameOf(line)), ValueOf(line)).first;
    keys.emplace_back(NameOf(line), first->second);
  }
  return keys;
}

TStrings TIniDocument::SectionNames() const {
  TStrings names;
  names.reserve(Sections.size());
  for (const TSection& section : Sections) names.emplace_back(NameOf(section.Header));
  return names;
}

void TIniDocument::CheckSectionName(std::string_view name) {
  if (!FitsOnOneLine(name) || name.find(']') != std::string_view::npos || HasBlankEnds(name))
    throw EIniFormat("not a section name");
}

bool TIniDocument::IsKeyName(std::string_view name) {
  // A key name must not turn its line into a comment or a section header.
  return FitsOnOneLine(name) && name.find('=') == std::string_view::npos && !HasBlankEnds(name) &&
         (name.empty() || (name.front() != ';' && name.front() != '['));
}

void TIniDocument::Set(std::string_view section, std::string_view ident, std::string_view value) {
  CheckSectionName(section);
  if (!IsKeyName(ident)) throw EIniFormat("not a key name");
  if (!FitsOnOneLine(value)) throw EIniFormat("not a value");

  TSection* found = FindSection(section);
  if (!found) {
    TSection added;
    added.Header = AddLine(HeaderLine(section));
    added.Lines.push_back(AddLine(std::string(ident) + "=" + ValueText(value)));
    AppendSection(std::move(added));
    Changed(false);
    return;
  }
  std::vector<TLine>& lines = EditableLinesOf(*found);
  for (TLine& line : lines) {
    if (line.Kind != TLineKind::lkKey || !SameText(NameOf(line), ident)) continue;
    // Keep the key's own spelling; only its value changes.
    line = AddLine(std::string(NameOf(line)) + "=" + ValueText(value));
    Changed(false);
    return;
  }
  auto lastKey = std::find_if(lines.rbegin(), lines.rend(),
                              [](const TLine& line) { return line.Kind == TLineKind::lkKey; });
  lines.insert(lastKey.base(), AddLine(std::string(ident) + "=" + ValueText(value)));
  Changed(false);
}

void TIniDocument::AddSection(std::string_view section,
                              const std::vector<std::pair<std::string, std::string>>& values) {
  CheckSectionName(section);
  for (const auto& [ident, value] : values) {
    if (!IsKeyName(ident)) throw EIniFormat("not a key name");
    if (!FitsOnOneLine(value)) throw EIniFormat("not a value");
  }
  if (FindSection(section)) {
    for (const auto& [ident, value] : values) Set(section, ident, value);
    return;
  }
  TSection added;
  added.Header = AddLine(HeaderLine(section));
  added.Lines.reserve(values.size());
  for (const auto& [ident, value] : values)
    added.Lines.push_back(AddLine(ident + "=" + ValueText(value)));
  AppendSection(std::move(added));
  Changed(false);
}

void TIniDocument::AppendSection(TSection section) {
  std::string_view lastRaw;
  bool hasLine = false;
  if (!Sections.empty()) {
    const std::vector<TLine>& last = LinesOf(Sections.back());
    lastRaw = last.empty() ? RawOf(Sections.back().Header) : LastLineOf(RawOf(last.back()));
    hasLine = true;
  } else if (!Preamble.empty()) {
    lastRaw = LastLineOf(RawOf(Preamble.back()));
    hasLine = true;
  }
  if (hasLine && !TrimBlanks(lastRaw).empty()) {
    TLine blank = AddLine("");
    if (Sections.empty())
      Preamble.push_back(blank);
    else
      Sections.back().Lines.push_back(blank);
  }
  Sections.push_back(std::move(section));
  if (Indexed) {
    if (2 * Sections.size() + 2 > Index.size())
      BuildIndex();
    else
      IndexSection(Sections.size() - 1);
  }
}

bool TIniDocument::EraseSection(std::string_view section) {
  // Every section of that name goes, so no stale duplicate surfaces afterwards.
  return EraseSections([&](std::string_view name) { return SameText(name, section); }) > 0;
}

bool TIniDocument::DeleteKey(std::string_view section, std::string_view ident) {
  TSection* found = FindSection(section);
  if (!found) return false;
  std::vector<TLine>& lines = EditableLinesOf(*found);
  auto removed = std::remove_if(lines.begin(), lines.end(), [&](const TLine& line) {
    return line.Kind == TLineKind::lkKey && SameText(NameOf(line), ident);
  });
  if (removed == lines.end()) return false;
  lines.erase(removed, lines.end());
  Changed(false);
  return true;
}

size_t TIniDocument::EraseSections(const TSectionFilter& erase) {
  auto removed = std::remove_if(Sections.begin(), Sections.end(), [&](const TSection& section) {
    return erase(NameOf(section.Header));
  });
  size_t count = static_cast<size_t>(Sections.end() - removed);
  Sections.erase(removed, Sections.end());
  if (count > 0) Changed(true);
  return count;
}

std::vector<std::optional<std::string>> TIniDocument::TargetNames(
    const TSectionRename& rename) const {
  std::vector<std::optional<std::string>> targets;
  targets.reserve(Sections.size());
  for (const TSection& section : Sections) {
    targets.push_back(rename(NameOf(section.Header)));
    if (targets.back()) CheckSectionName(*targets.back());
  }
  return targets;
}

TIniDocument::TSection TIniDocument::KeysUnderNewName(const TSection& section,
                                                      std::string_view name) {
  TSection result;
  // The key lines keep their text: they share it with the original.
  for (const TLine& line : LinesOf(section))
    if (line.Kind == TLineKind::lkKey) result.Lines.push_back(line);
  result.Header = AddLine(HeaderLine(name));
  return result;
}

void TIniDocument::MoveSections(const TSectionRename& newName) {
  std::vector<std::optional<std::string>> targets = TargetNames(newName);
  if (std::none_of(targets.begin(), targets.end(), [](const auto& t) { return t.has_value(); }))
    return;
  std::vector<TSection> kept, moved;
  kept.reserve(Sections.size());
  for (size_t i = 0; i < Sections.size(); ++i) {
    if (targets[i])
      moved.push_back(KeysUnderNewName(Sections[i], *targets[i]));
    else
      kept.push_back(std::move(Sections[i]));
  }
  Sections = std::move(kept);
  Indexed = false;
  for (TSection& section : moved) AppendSection(std::move(section));
  Changed(true);
}

void TIniDocument::CopySections(const TSectionRename& copyName) {
  std::vector<std::optional<std::string>> targets = TargetNames(copyName);
  std::vector<TSection> copies;
  for (size_t i = 0; i < Sections.size(); ++i)
    if (targets[i]) copies.push_back(KeysUnderNewName(Sections[i], *targets[i]));
  if (copies.empty()) return;
  for (TSection& section : copies) AppendSection(std::move(section));
  Changed(true);
}

void TIniDocument::Changed(bool structure) {
  ++Edits;
  if (structure) Indexed = false;
  CompactWhenWasteful();
}

void TIniDocument::CompactWhenWasteful() {
  // Replaced lines stay in the texts; once they outweigh the document, copy out the rest.
  if (OwnTextStart() + Own.size() <= 2 * CompactSize + 65536) return;
  std::string fresh;
  fresh.reserve(CompactSize);
  auto relocate = [&](TLine& line) {
    uint32_t start = static_cast<uint32_t>(fresh.size());
    fresh.append(RawOf(line));
    line.Start = start;
  };
  for (TLine& line : Preamble) relocate(line);
  for (TSection& section : Sections) {
    relocate(section.Header);
    if (section.Parsed) {
      for (TLine& line : section.Lines) relocate(line);
    } else {
      uint32_t start = static_cast<uint32_t>(fresh.size());
      fresh.append(TextAt(section.RawStart, section.RawLength));
      section.RawStart = start;
    }
  }
  Base = std::make_shared<const std::string>(std::move(fresh));
  Own.clear();
  CompactSize = Base->size();
}

std::string TIniDocument::Text() const {
  std::string text;
  text.reserve(OwnTextStart() + Own.size() + 2 * (Preamble.size() + Sections.size()));
  auto emit = [&](const TLine& line) {
    if (line.Kind == TLineKind::lkOther) return AppendLines(text, RawOf(line));
    text.append(RawOf(line));
    text.append("\r\n");
  };
  for (const TLine& line : Preamble) emit(line);
  for (const TSection& section : Sections) {
    emit(section.Header);
    if (section.Parsed) {
      for (const TLine& line : section.Lines) emit(line);
    } else if (section.RawLength > 0) {
      // The section's lines as they stand; a last line without its line break gets one.
      std::string_view raw = TextAt(section.RawStart, section.RawLength);
      if (IsLineBreak(raw.back())) {
        const size_t lastBreak = raw.back() == '\n' && raw.size() > 1 && raw[raw.size() - 2] == '\r' ? 2 : 1;
        raw.remove_suffix(lastBreak);
      }
      AppendLines(text, raw);
    }
  }
  return text;
}

}  // namespace tgl
