#include "base/StringList.h"

#include <unordered_map>

#include "base/TextUtils.h"

namespace tgl {
namespace {

bool HasName(std::string_view line) { return line.find('=') != std::string_view::npos; }

}  // namespace

std::string_view NamePart(std::string_view line) {
  size_t equals = line.find('=');
  return equals == std::string_view::npos ? std::string_view() : line.substr(0, equals);
}

std::string_view ValuePart(std::string_view line) {
  size_t equals = line.find('=');
  return equals == std::string_view::npos ? std::string_view() : line.substr(equals + 1);
}

int IndexOfName(const TStrings& lines, std::string_view name) {
  for (size_t i = 0; i < lines.size(); ++i)
    if (HasName(lines[i]) && SameText(NamePart(lines[i]), name))
      return static_cast<int>(i);
  return -1;
}

std::string ValueOf(const TStrings& lines, std::string_view name) {
  int index = IndexOfName(lines, name);
  return index < 0 ? std::string() : std::string(ValuePart(lines[index]));
}

void SetValueOf(TStrings& lines, std::string_view name, std::string_view value) {
  int index = IndexOfName(lines, name);
  if (value.empty()) {
    if (index >= 0) lines.erase(lines.begin() + index);
    return;
  }
  std::string line = std::string(name) + "=" + std::string(value);
  if (index >= 0)
    lines[index] = std::move(line);
  else
    lines.push_back(std::move(line));
}

void SetValuesOf(TStrings& lines, const TNameValues& values) {
  // The lines of each name, in order: the first one left is the one SetValueOf finds.
  struct TNamedLines {
    std::vector<size_t> Indices;
    size_t First = 0;
  };
  std::unordered_map<std::string, TNamedLines> byName;
  for (size_t i = 0; i < lines.size(); ++i)
    if (HasName(lines[i])) byName[UpperCase(NamePart(lines[i]))].Indices.push_back(i);
  std::vector<bool> removed(lines.size(), false);
  for (const auto& [name, value] : values) {
    TNamedLines& named = byName[UpperCase(name)];
    const bool exists = named.First < named.Indices.size();
    if (value.empty()) {
      if (exists) removed[named.Indices[named.First++]] = true;
      continue;
    }
    std::string line = std::string(name) + "=" + std::string(value);
    if (exists) {
      lines[named.Indices[named.First]] = std::move(line);
    } else {
      named.Indices.push_back(lines.size());
      lines.push_back(std::move(line));
      removed.push_back(false);
    }
  }
  size_t kept = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (removed[i]) continue;
    if (kept != i) lines[kept] = std::move(lines[i]);
    ++kept;
  }
  lines.resize(kept);
}

TStrings ValuesOfNameParts(const TStrings& lines) {
  std::unordered_map<std::string, std::string_view> firstValues;
  for (const std::string& line : lines)
    if (HasName(line)) firstValues.emplace(UpperCase(NamePart(line)), ValuePart(line));
  TStrings values;
  values.reserve(lines.size());
  for (const std::string& line : lines) {
    auto found = firstValues.find(UpperCase(NamePart(line)));
    values.emplace_back(found == firstValues.end() ? std::string_view() : found->second);
  }
  return values;
}

}  // namespace tgl
