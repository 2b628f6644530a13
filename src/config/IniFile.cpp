#include "config/IniFile.h"

#include "app/Errors.h"
#include "app/TextUtils.h"
#include "platform/Platform.h"

namespace tgl {
namespace {

// A line break or a zero byte in a name or value would split the line and corrupt the file.
bool FitsOnOneLine(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

}  // namespace

TIniFile::TIniFile(const std::string& fileName) : TCustomIniFile(fileName) {}

void TIniFile::RecoverInterruptedWrite() const {
  TFileSystem& files = Files();
  const std::string& path = GetFileName();
  std::string backup = BackupFileName(path);
  // A replace that stopped between moving the old file aside and putting the new one in
  // place leaves only the backup: it holds the last complete content.
  if (!files.FileExists(path) && files.FileExists(backup)) files.MoveIntoPlace(backup, path, "");
}

TIniDocument TIniFile::Load() const {
  RecoverInterruptedWrite();
  std::optional<std::string> text = Files().ReadFile(GetFileName());
  return text ? TIniDocument(*text) : TIniDocument();
}

void TIniFile::FailWrite() const { throw EError(Format("Unable to write to %s", {GetFileName()})); }

void TIniFile::Save(const TIniDocument& document) {
  TFileSystem& files = Files();
  const std::string& path = GetFileName();
  std::string fresh = NewFileName(path);
  try {
    files.WriteFile(fresh, document.Text());
  } catch (const EError&) {
    files.RemoveFile(fresh);
    FailWrite();
  }
  if (!files.MoveIntoPlace(fresh, path, BackupFileName(path))) {
    files.RemoveFile(fresh);
    FailWrite();
  }
}

std::string TIniFile::ReadString(const std::string& section, const std::string& ident,
                                 const std::string& defaultValue) {
  TIniDocument document = Load();
  const std::string* value = document.Find(section, ident);
  return value ? *value : defaultValue;
}

void TIniFile::WriteString(const std::string& section, const std::string& ident,
                           const std::string& value) {
  if (!FitsOnOneLine(section) || !FitsOnOneLine(ident) || !FitsOnOneLine(value) ||
      section.find(']') != std::string::npos || ident.find('=') != std::string::npos)
    FailWrite();
  TIniDocument document = Load();
  document.Set(section, ident, value);
  Save(document);
}

void TIniFile::ReadSection(const std::string& section, TStrings& strings) {
  strings = Load().KeyNames(section);
}

void TIniFile::ReadSections(TStrings& strings) { strings = Load().SectionNames(); }

void TIniFile::ReadSectionValues(const std::string& section, TStrings& strings) {
  TIniDocument document = Load();
  for (const std::string& key : document.KeyNames(section))
    SetValueOf(strings, key, *document.Find(section, key));
}

void TIniFile::EraseSection(const std::string& section) {
  TIniDocument document = Load();
  if (document.EraseSection(section)) Save(document);
}

void TIniFile::DeleteKey(const std::string& section, const std::string& ident) {
  TIniDocument document = Load();
  if (document.DeleteKey(section, ident)) Save(document);
}

}  // namespace tgl
