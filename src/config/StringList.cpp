#include "config/StringList.h"

#include "app/TextUtils.h"

namespace tgl {

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
    if (lines[i].find('=') != std::string::npos && SameText(NamePart(lines[i]), name))
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

}  // namespace tgl
