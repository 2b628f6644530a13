#pragma once
// A read-only INI reader over one version of a disk INI file, as TIniFile::Snapshot took
// it: many lookups for the price of one read of the file. It reads by the same rules as
// TIniFile; it does not see writes made after the snapshot was taken.
#include <memory>
#include <string>

#include "config/CustomIniFile.h"
#include "config/IniDocument.h"

namespace tgl {

class TIniSnapshot : public TCustomIniFile {
public:
  TIniSnapshot(const std::string& fileName, std::shared_ptr<const TIniDocument> document);

  const TIniDocument& Document() const { return *Content; }

  std::string ReadString(const std::string& section, const std::string& ident,
                         const std::string& defaultValue) override;
  void ReadSection(const std::string& section, TStrings& strings) override;
  void ReadSections(TStrings& strings) override;
  void ReadSectionValues(const std::string& section, TStrings& strings) override;
  // The write operations raise "TIniSnapshot: couldn't modify data (only read allowed)".
  void WriteString(const std::string& section, const std::string& ident,
                   const std::string& value) override;
  void EraseSection(const std::string& section) override;
  void DeleteKey(const std::string& section, const std::string& ident) override;
  void UpdateFile() override {}

private:
  std::shared_ptr<const TIniDocument> Content;
};

}  // namespace tgl
