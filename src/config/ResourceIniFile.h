#pragma once
// A read-only INI reader over one embedded text, parsed once at creation.
#include <string>
#include <string_view>
#include <vector>

#include "config/CustomIniFile.h"

namespace tgl {

class TResourceIniFile : public TCustomIniFile {
public:
  // `fileName` is the resource name; a name without an embedded text gives an empty reader.
  explicit TResourceIniFile(const std::string& fileName);

  // Replaces the contents with the sections of these lines.
  void SetStrings(const TStrings& lines);

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

private:
  struct TSection {
    std::string Name;  // exactly as written between the brackets
    TStrings Lines;    // trimmed, not split
  };

  void LoadValues();
  const TSection* FindSection(const std::string& name) const;

  std::vector<TSection> Sections;
};

// Splits a text into lines at CR LF, a lone LF or a lone CR.
TStrings SplitLines(std::string_view text);

}  // namespace tgl
