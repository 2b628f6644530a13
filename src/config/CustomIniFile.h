#pragma once
// The INI reader interface that every configuration reader shares.
#include <string>

#include "base/StringList.h"

namespace tgl {

class TCustomIniFile {
public:
  explicit TCustomIniFile(std::string fileName) : FileName(std::move(fileName)) {}
  virtual ~TCustomIniFile() = default;
  TCustomIniFile(const TCustomIniFile&) = delete;
  TCustomIniFile& operator=(const TCustomIniFile&) = delete;

  const std::string& GetFileName() const { return FileName; }

  virtual std::string ReadString(const std::string& section, const std::string& ident,
                                 const std::string& defaultValue) = 0;
  virtual void WriteString(const std::string& section, const std::string& ident,
                           const std::string& value) = 0;
  // Decimal, or hexadecimal after "0x", "0X" or "$"; a missing, empty or unparsable value
  // gives the default.
  virtual int ReadInteger(const std::string& section, const std::string& ident, int defaultValue);
  virtual void WriteInteger(const std::string& section, const std::string& ident, int value);
  // True exactly when the integer read is not 0; words such as "yes" give the default.
  virtual bool ReadBool(const std::string& section, const std::string& ident, bool defaultValue);
  virtual void WriteBool(const std::string& section, const std::string& ident, bool value);
  virtual void ReadSection(const std::string& section, TStrings& strings) = 0;
  virtual void ReadSections(TStrings& strings) = 0;
  virtual void ReadSectionValues(const std::string& section, TStrings& strings) = 0;
  virtual void EraseSection(const std::string& section) = 0;
  virtual void DeleteKey(const std::string& section, const std::string& ident) = 0;
  virtual void UpdateFile() = 0;

  // Whether the section holds the key, compared without regard to letter case.
  bool ValueExists(const std::string& section, const std::string& ident);

private:
  std::string FileName;
};

}  // namespace tgl
