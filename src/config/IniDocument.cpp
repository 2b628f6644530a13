#include "config/IniDocument.h"

#include <algorithm>
#include <utility>

#include "app/TextUtils.h"

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

// Appends the lines of `raw` (one, or a run with its line breaks) each ended by CR LF. A
// line ends at CR LF, at a lone LF or at a lone CR, as the text was parsed.
void AppendLines(std::string& text, std::string_view raw) {
  for (;;) {
    size_t end = raw.find_first_of("\r\n");
    text.append(raw.substr(0, end));
    text.append("\r\n");
    if (end == std::string_view::npos) return;
    size_t next = end + (raw[end] == '\r' && end + 1 < raw.size() && raw[end + 1] == '\n' ? 2 : 1);
    raw.remove_prefix(next);
  }
}

// The last line of a run.
std::string_view LastLineOf(std::string_view raw) {
  size_t lastBreak = raw.find_last_of("\r\n");
  return lastBreak == std::string_view::npos ? raw : raw.substr(lastBreak + 1);
}

}  // namespace

TIniDocument::TIniDocument(std::string text) : Pool(std::move(text)) {
  if (Pool.size() > UINT32_MAX) throw EIniTooLarge("text too large");
  const char* data = Pool.data();
  const size_t size = Pool.size();
  size_t start = 0;
  for (size_t i = 0; i < size; ++i) {
    char c = data[i];
    if (!IsLineBreak(c)) continue;
    AddParsedLine(ParseLine(start, i - start));
    if (c == '\r' && i + 1 < size && data[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < size) AddParsedLine(ParseLine(start, size - start));
  CompactSize = Pool.size();
  LineCount = 0;
}

std::string_view TIniDocument::RawOf(const TLine& line) const {
  return std::string_view(Pool).substr(line.Start, line.Length);
}

std::string_view TIniDocument::NameOf(const TLine& line) const {
  return std::string_view(Pool).substr(line.Start + line.NameStart, line.NameLength);
}

std::string_view TIniDocument::ValueOf(const TLine& line) const {
  return std::string_view(Pool).substr(line.Start + line.ValueStart, line.ValueLength);
}

TIniDocument::TLine TIniDocument::ParseLine(size_t start, size_t length) const {
  TLine line;
  line.Start = static_cast<uint32_t>(start);
  line.Length = static_cast<uint32_t>(length);
  std::string_view raw = std::string_view(Pool).substr(start, length);
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
  if (to - from >= 2 && (raw[from] == '"' || raw[from] == '\'') && raw[to - 1] == raw[from]) {
    ++from;
    --to;
  }
  line.ValueStart = static_cast<uint32_t>(from);
  line.ValueLength = static_cast<uint32_t>(to - from);
  return line;
}

TIniDocument::TLine TIniDocument::AddLine(std::string_view raw) {
  size_t start = Pool.size();
  if (raw.size() > UINT32_MAX - start) throw EIniFormat("document too large");
  Pool.append(raw);
  return ParseLine(start, raw.size());
}

void TIniDocument::AddParsedLine(const TLine& line) {
  std::vector<TLine>& lines = Sections.empty() ? Preamble : Sections.back().Lines;
  // Blank lines and comments are only ever written back as they stand: a run of them is
  // one range, so that a file of nothing but line breaks costs no memory per line.
  if (line.Kind == TLineKind::lkOther && !lines.empty() &&
      lines.back().Kind == TLineKind::lkOther) {
    lines.back().Length = line.Start + line.Length - lines.back().Start;
    return;
  }
  if (++LineCount > MaxLines) throw EIniTooLarge("too many lines");
  if (line.Kind == TLineKind::lkSection)
    Sections.push_back({line, {}});
  else
    lines.push_back(line);
}

const TIniDocument::TSection* TIniDocument::FindSection(std::string_view name) const {
  if (!Indexed) {
    FirstByName.clear();
    FirstByName.reserve(Sections.size());
    // emplace keeps the first section of a name.
    for (size_t i = 0; i < Sections.size(); ++i)
      FirstByName.emplace(UpperCase(NameOf(Sections[i].Header)), i);
    Indexed = true;
  }
  auto found = FirstByName.find(UpperCase(name));
  return found == FirstByName.end() ? nullptr : &Sections[found->second];
}

TIniDocument::TSection* TIniDocument::FindSection(std::string_view name) {
  return const_cast<TSection*>(std::as_const(*this).FindSection(name));
}

std::optional<std::string_view> TIniDocument::Find(std::string_view section,
                                                   std::string_view ident) const {
  const TSection* found = FindSection(section);
  if (!found) return std::nullopt;
  for (const TLine& line : found->Lines)
    if (line.Kind == TLineKind::lkKey && SameText(NameOf(line), ident)) return ValueOf(line);
  return std::nullopt;
}

bool TIniDocument::HasSection(std::string_view section) const {
  return FindSection(section) != nullptr;
}

TStrings TIniDocument::KeyNames(std::string_view section) const {
  TStrings names;
  if (const TSection* found = FindSection(section))
    for (const TLine& line : found->Lines)
      if (line.Kind == TLineKind::lkKey) names.emplace_back(NameOf(line));
  return names;
}

TNameValues TIniDocument::KeysWithValues(std::string_view section) const {
  TNameValues keys;
  const TSection* found = FindSection(section);
  if (!found) return keys;
  std::unordered_map<std::string, std::string_view> firstValues;
  for (const TLine& line : found->Lines) {
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
    TSection added{AddLine(HeaderLine(section)), {}};
    added.Lines.push_back(AddLine(std::string(ident) + "=" + std::string(value)));
    AppendSection(std::move(added));
    if (Indexed) FirstByName.emplace(UpperCase(section), Sections.size() - 1);
    Changed(false);
    return;
  }
  std::vector<TLine>& lines = found->Lines;
  for (TLine& line : lines) {
    if (line.Kind != TLineKind::lkKey || !SameText(NameOf(line), ident)) continue;
    // Keep the key's own spelling; only its value changes.
    line = AddLine(std::string(NameOf(line)) + "=" + std::string(value));
    Changed(false);
    return;
  }
  auto lastKey = std::find_if(lines.rbegin(), lines.rend(),
                              [](const TLine& line) { return line.Kind == TLineKind::lkKey; });
  lines.insert(lastKey.base(), AddLine(std::string(ident) + "=" + std::string(value)));
  Changed(false);
}

void TIniDocument::AppendSection(TSection section) {
  std::vector<TLine>& last = Sections.empty() ? Preamble : Sections.back().Lines;
  std::string_view lastRaw = !last.empty()       ? LastLineOf(RawOf(last.back()))
                             : !Sections.empty() ? RawOf(Sections.back().Header)
                                                 : std::string_view();
  bool fileIsEmpty = Sections.empty() && Preamble.empty();
  if (!fileIsEmpty && !TrimBlanks(lastRaw).empty()) last.push_back(AddLine(""));
  Sections.push_back(std::move(section));
}

bool TIniDocument::EraseSection(std::string_view section) {
  // Every section of that name goes, so no stale duplicate surfaces afterwards.
  return EraseSections([&](std::string_view name) { return SameText(name, section); }) > 0;
}

bool TIniDocument::DeleteKey(std::string_view section, std::string_view ident) {
  TSection* found = FindSection(section);
  if (!found) return false;
  auto removed = std::remove_if(found->Lines.begin(), found->Lines.end(), [&](const TLine& line) {
    return line.Kind == TLineKind::lkKey && SameText(NameOf(line), ident);
  });
  if (removed == found->Lines.end()) return false;
  found->Lines.erase(removed, found->Lines.end());
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
  TSection result{AddLine(HeaderLine(name)), {}};
  // The key lines keep their text: they share it with the original in the pool.
  for (const TLine& line : section.Lines)
    if (line.Kind == TLineKind::lkKey) result.Lines.push_back(line);
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
  // Replaced lines stay in the pool; once they outweigh the document, copy out the rest.
  if (Pool.size() <= 2 * CompactSize + 65536) return;
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
    for (TLine& line : section.Lines) relocate(line);
  }
  Pool = std::move(fresh);
  CompactSize = Pool.size();
}

std::string TIniDocument::Text() const {
  std::string text;
  size_t lineCount = Preamble.size();
  for (const TSection& section : Sections) lineCount += 1 + section.Lines.size();
  text.reserve(Pool.size() + 2 * lineCount);
  auto emit = [&](const TLine& line) {
    if (line.Kind == TLineKind::lkOther) return AppendLines(text, RawOf(line));
    text.append(RawOf(line));
    text.append("\r\n");
  };
  for (const TLine& line : Preamble) emit(line);
  for (const TSection& section : Sections) {
    emit(section.Header);
    for (const TLine& line : section.Lines) emit(line);
  }
  return text;
}

}  // namespace tgl
