#include "config/IniDocument.h"

#include "app/TextUtils.h"
#include "config/ResourceIniFile.h"

namespace tgl {
namespace {

std::string_view StripMatchingQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

}  // namespace

TIniDocument::TIniDocument(std::string_view text) {
  for (std::string& raw : SplitLines(text)) Lines.push_back(ParseLine(std::move(raw)));
  Reindex();
}

TIniDocument::TLine TIniDocument::ParseLine(std::string raw) {
  TLine line;
  std::string_view text = TrimBlanks(raw);
  if (text.empty() || text.front() == ';') {
    line.Kind = TLineKind::lkOther;
  } else if (text.front() == '[') {
    size_t close = text.find(']');
    std::string_view name =
        close == std::string_view::npos ? text.substr(1) : text.substr(1, close - 1);
    line.Kind = TLineKind::lkSection;
    line.Name = TrimBlanks(name);
  } else {
    size_t equals = text.find('=');
    line.Kind = TLineKind::lkKey;
    if (equals == std::string_view::npos) {
      line.Name = text;
    } else {
      line.Name = TrimBlanks(text.substr(0, equals));
      line.Value = StripMatchingQuotes(TrimBlanks(text.substr(equals + 1)));
    }
  }
  line.Raw = std::move(raw);
  return line;
}

void TIniDocument::Reindex() {
  Sections.clear();
  for (size_t i = 0; i < Lines.size(); ++i) {
    const TLine& line = Lines[i];
    if (line.Kind == TLineKind::lkSection) {
      if (!Sections.empty()) Sections.back().End = i;
      Sections.push_back({line.Name, i, {}, Lines.size()});
    } else if (line.Kind == TLineKind::lkKey && !Sections.empty()) {
      Sections.back().Keys.push_back(i);
    }
  }
  if (!Sections.empty()) Sections.back().End = Lines.size();
}

const TIniDocument::TSectionIndex* TIniDocument::FindSection(std::string_view name) const {
  for (const TSectionIndex& section : Sections)
    if (SameText(section.Name, name)) return &section;
  return nullptr;
}

const std::string* TIniDocument::Find(std::string_view section, std::string_view ident) const {
  const TSectionIndex* found = FindSection(section);
  if (!found) return nullptr;
  for (size_t key : found->Keys)
    if (SameText(Lines[key].Name, ident)) return &Lines[key].Value;
  return nullptr;
}

TStrings TIniDocument::KeyNames(std::string_view section) const {
  TStrings names;
  if (const TSectionIndex* found = FindSection(section))
    for (size_t key : found->Keys) names.push_back(Lines[key].Name);
  return names;
}

TStrings TIniDocument::SectionNames() const {
  TStrings names;
  for (const TSectionIndex& section : Sections) names.push_back(section.Name);
  return names;
}

void TIniDocument::Set(std::string_view section, std::string_view ident, std::string_view value) {
  std::string raw = std::string(ident) + "=" + std::string(value);
  const TSectionIndex* found = FindSection(section);
  if (!found) {
    if (!Lines.empty() && !TrimBlanks(Lines.back().Raw).empty())
      Lines.push_back(ParseLine(""));
    Lines.push_back(ParseLine("[" + std::string(section) + "]"));
    Lines.push_back(ParseLine(std::move(raw)));
    Reindex();
    return;
  }
  for (size_t key : found->Keys) {
    if (!SameText(Lines[key].Name, ident)) continue;
    // Keep the key's own spelling; only its value changes.
    Lines[key] = ParseLine(Lines[key].Name + "=" + std::string(value));
    return;
  }
  size_t insertAt = found->Keys.empty() ? found->Header + 1 : found->Keys.back() + 1;
  Lines.insert(Lines.begin() + insertAt, ParseLine(std::move(raw)));
  Reindex();
}

bool TIniDocument::EraseSection(std::string_view section) {
  bool erased = false;
  // Every section of that name goes, so no stale duplicate surfaces afterwards.
  for (size_t i = Sections.size(); i-- > 0;) {
    if (!SameText(Sections[i].Name, section)) continue;
    Lines.erase(Lines.begin() + Sections[i].Header, Lines.begin() + Sections[i].End);
    erased = true;
  }
  if (erased) Reindex();
  return erased;
}

bool TIniDocument::DeleteKey(std::string_view section, std::string_view ident) {
  const TSectionIndex* found = FindSection(section);
  if (!found) return false;
  bool deleted = false;
  for (size_t i = found->Keys.size(); i-- > 0;) {
    size_t key = found->Keys[i];
    if (!SameText(Lines[key].Name, ident)) continue;
    Lines.erase(Lines.begin() + key);
    deleted = true;
  }
  if (deleted) Reindex();
  return deleted;
}

std::string TIniDocument::Text() const {
  std::string text;
  for (const TLine& line : Lines) {
    text += line.Raw;
    text += "\r\n";
  }
  return text;
}

}  // namespace tgl
