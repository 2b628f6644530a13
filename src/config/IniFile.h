#pragma once
// An INI file on disk, read anew at every read and written through at every write, so that
// several readers of one file always see each other's writes. A write never leaves the file
// half-written: the new content goes to a file beside it that then takes its place.
#include <string>

#include "config/CustomIniFile.h"
#include "config/IniDocument.h"

namespace tgl {

class TIniFile : public TCustomIniFile {
public:
  explicit TIniFile(const std::string& fileName);

  std::string ReadString(const std::string& section, const std::string& ident,
                         const std::string& defaultValue) override;
  void WriteString(const std::string& section, const std::string& ident,
                   const std::string& value) override;
  void ReadSection(const std::string& section, TStrings& strings) override;
  void ReadSections(TStrings& strings) override;
  void ReadSectionValues(const std::string& section, TStrings& strings) override;
  void EraseSection(const std::string& section) override;
  void DeleteKey(const std::string& section, const std::string& ident) override;
  void UpdateFile() override {}

  // Names of the files a write uses beside the INI file itself.
  static std::string NewFileName(const std::string& fileName) { return fileName + ".new"; }
  static std::string BackupFileName(const std::string& fileName) { return fileName + ".old"; }

private:
  TIniDocument Load() const;
  void Save(const TIniDocument& document);
  void RecoverInterruptedWrite() const;
  [[noreturn]] void FailWrite() const;
};

}  // namespace tgl
