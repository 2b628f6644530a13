#include "config/ResourceIniFile.h"

#include "base/Errors.h"
#include "base/TextUtils.h"
#include "platform/Platform.h"

namespace tgl {
namespace {

[[noreturn]] void RefuseModification() {
  throw EError("TResourceIniFile: couldn't modify data (only read allowed)");
}

// Removes one opening quote and then, only if one was removed, one closing quote; the two
// need not be of the same kind.
std::string_view StripOuterQuotes(std::string_view value) {
  auto isQuote = [](char c) { return c == '"' || c == '\''; };
  if (value.empty() || !isQuote(value.front())) return value;
  value.remove_prefix(1);
  if (!value.empty() && isQuote(value.back())) value.remove_suffix(1);
  return value;
}

}  // namespace

TStrings SplitLines(std::string_view text) {
  TStrings lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

TResourceIniFile::TResourceIniFile(const std::string& fileName) : TCustomIniFile(fileName) {
  LoadValues();
}

void TResourceIniFile::LoadValues() {
  Sections.clear();
  if (GetFileName().empty()) return;
  std::optional<std::string_view> text = EmbeddedTexts().Find(GetFileName());
  if (text) SetStrings(SplitLines(*text));
}

void TResourceIniFile::SetStrings(const TStrings& lines) {
  Sections.clear();
  TSection* current = nullptr;
  for (const std::string& line : lines) {
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
      Sections.push_back({line.substr(1, line.size() - 2), {}});
      current = &Sections.back();
      continue;
    }
    if (current) current->Lines.emplace_back(Trim(line));
  }
}

const TResourceIniFile::TSection* TResourceIniFile::FindSection(const std::string& name) const {
  for (const TSection& section : Sections)
    if (SameText(section.Name, name)) return &section;
  return nullptr;
}

std::string TResourceIniFile::ReadString(const std::string& section, const std::string& ident,
                                         const std::string& defaultValue) {
  const TSection* found = FindSection(section);
  if (!found) return defaultValue;
  for (const std::string& line : found->Lines) {
    if (!SameText(NamePart(line), ident)) continue;
    return std::string(StripOuterQuotes(Trim(ValuePart(line))));
  }
  return defaultValue;
}

void TResourceIniFile::ReadSection(const std::string& section, TStrings& strings) {
  strings.clear();
  if (const TSection* found = FindSection(section))
    for (const std::string& line : found->Lines) strings.emplace_back(Trim(NamePart(line)));
}

void TResourceIniFile::ReadSections(TStrings& strings) {
  strings.clear();
  for (const TSection& section : Sections) strings.push_back(section.Name);
}

void TResourceIniFile::ReadSectionValues(const std::string& section, TStrings& strings) {
  strings.clear();
  if (const TSection* found = FindSection(section)) strings = found->Lines;
}

void TResourceIniFile::WriteString(const std::string&, const std::string&, const std::string&) {
  RefuseModification();
}

void TResourceIniFile::EraseSection(const std::string&) { RefuseModification(); }

void TResourceIniFile::DeleteKey(const std::string&, const std::string&) { RefuseModification(); }

}  // namespace tgl
