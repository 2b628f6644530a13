#include "config/CustomIniFile.h"

#include "base/TextUtils.h"

namespace tgl {

int TCustomIniFile::ReadInteger(const std::string& section, const std::string& ident,
                                int defaultValue) {
  std::string text = ReadString(section, ident, "");
  // Leading blanks are tolerated as the classic conversion did; trailing ones are not.
  std::string_view number = text;
  while (!number.empty() && number.front() == ' ') number.remove_prefix(1);
  return ParseInteger(number).value_or(defaultValue);
}

void TCustomIniFile::WriteInteger(const std::string& section, const std::string& ident, int value) {
  WriteString(section, ident, std::to_string(value));
}

bool TCustomIniFile::ReadBool(const std::string& section, const std::string& ident,
                              bool defaultValue) {
  return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const std::string& section, const std::string& ident, bool value) {
  WriteString(section, ident, value ? "1" : "0");
}

bool TCustomIniFile::ValueExists(const std::string& section, const std::string& ident) {
  TStrings keys;
  ReadSection(section, keys);
  for (const std::string& key : keys)
    if (SameText(key, ident)) return true;
  return false;
}

}  // namespace tgl
