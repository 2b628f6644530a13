#include "config/IniFile.h"

#include "app/Errors.h"
#include "app/TextUtils.h"
#include "config/IniCache.h"
#include "config/IniSnapshot.h"
#include "platform/Platform.h"

namespace tgl {

TIniFile::TIniFile(const std::string& fileName) : TCustomIniFile(fileName) {}

void TIniFile::RecoverInterruptedWrite() const {
  TFileSystem& files = Files();
  const std::string& path = GetFileName();
  std::string backup = BackupFileName(path);
  // A replace that stopped between moving the old file aside and putting the new one in
  // place leaves only the backup: it holds the last complete content.
  if (!files.FileExists(path) && files.FileExists(backup)) files.MoveIntoPlace(backup, path, "");
}

void TIniFile::FailWrite() const { throw EError(Format("Unable to write to %s", {GetFileName()})); }

std::shared_ptr<const TIniDocument> TIniFile::Snapshot() const {
  RecoverInterruptedWrite();
  std::string text = Files().ReadFile(GetFileName()).value_or(std::string());
  if (TIniCache* cache = IniCache()) return cache->Document(GetFileName(), std::move(text));
  return std::make_shared<const TIniDocument>(std::move(text));
}

void TIniFile::Modify(const std::function<void(TIniDocument&)>& edit) {
  RecoverInterruptedWrite();
  const std::string& path = GetFileName();
  std::optional<std::string> read = Files().ReadFile(path);
  // An edit of what could not be read would replace the whole file with the edit alone.
  if (!read && Files().FileExists(path)) FailWrite();
  std::string text = read ? std::move(*read) : std::string();

  TIniCache* cache = IniCache();
  std::shared_ptr<TIniDocument> document =
      cache ? cache->Editable(path, text) : std::make_shared<TIniDocument>(text);
  uint64_t before = document->Revision();
  try {
    edit(*document);
  } catch (const EIniFormat&) {
    FailWrite();
  }
  if (document->Revision() != before) {
    text = document->Text();
    Save(text);
  }
  if (cache) cache->Keep(path, std::move(text), std::move(document));
}

void TIniFile::Save(const std::string& text) {
  TFileSystem& files = Files();
  const std::string& path = GetFileName();
  std::string fresh = NewFileName(path);
  try {
    files.WriteFile(fresh, text);
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
  return TIniSnapshot(GetFileName(), Snapshot()).ReadString(section, ident, defaultValue);
}

void TIniFile::WriteString(const std::string& section, const std::string& ident,
                           const std::string& value) {
  Modify([&](TIniDocument& document) { document.Set(section, ident, value); });
}

void TIniFile::ReadSection(const std::string& section, TStrings& strings) {
  TIniSnapshot(GetFileName(), Snapshot()).ReadSection(section, strings);
}

void TIniFile::ReadSections(TStrings& strings) {
  TIniSnapshot(GetFileName(), Snapshot()).ReadSections(strings);
}

void TIniFile::ReadSectionValues(const std::string& section, TStrings& strings) {
  TIniSnapshot(GetFileName(), Snapshot()).ReadSectionValues(section, strings);
}

void TIniFile::EraseSection(const std::string& section) {
  Modify([&](TIniDocument& document) { document.EraseSection(section); });
}

void TIniFile::DeleteKey(const std::string& section, const std::string& ident) {
  Modify([&](TIniDocument& document) { document.DeleteKey(section, ident); });
}

}  // namespace tgl
