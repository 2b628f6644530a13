#include "config/IniSnapshot.h"

#include "base/Errors.h"

namespace tgl {
namespace {

[[noreturn]] void RefuseWrite() {
  throw EError("TIniSnapshot: couldn't modify data (only read allowed)");
}

}  // namespace

TIniSnapshot::TIniSnapshot(const std::string& fileName,
                           std::shared_ptr<const TIniDocument> document)
    : TCustomIniFile(fileName), Content(std::move(document)) {}

std::string TIniSnapshot::ReadString(const std::string& section, const std::string& ident,
                                     const std::string& defaultValue) {
  std::optional<std::string_view> value = Content->Find(section, ident);
  return value ? std::string(*value) : defaultValue;
}

void TIniSnapshot::ReadSection(const std::string& section, TStrings& strings) {
  strings = Content->KeyNames(section);
}

void TIniSnapshot::ReadSections(TStrings& strings) { strings = Content->SectionNames(); }

void TIniSnapshot::ReadSectionValues(const std::string& section, TStrings& strings) {
  SetValuesOf(strings, Content->KeysWithValues(section));
}

void TIniSnapshot::WriteString(const std::string&, const std::string&, const std::string&) {
  RefuseWrite();
}

void TIniSnapshot::EraseSection(const std::string&) { RefuseWrite(); }

void TIniSnapshot::DeleteKey(const std::string&, const std::string&) { RefuseWrite(); }

}  // namespace tgl
