#include "config/IniFile.h"

#include "base/Errors.h"
#include "base/TextUtils.h"
#include "config/BackupRotation.h"
#include "config/FileReplace.h"
#include "config/IniCache.h"
#include "config/IniSnapshot.h"
#include "config/Log.h"
#include "platform/Platform.h"

namespace tgl {

TIniFile::TIniFile(const std::string& fileName) : TCustomIniFile(fileName) {}

void TIniFile::FailWrite() const { throw EError(Format("Unable to write to %s", {GetFileName()})); }

void TIniFile::FailTooLarge() const {
  throw EError(Format("The file %s is too large (over 64 MB or 4,000,000 lines)", {GetFileName()}));
}

std::optional<TDecodedText> TIniFile::ReadContent() const {
  TFileSystem& files = Files();
  std::string bytes;
  // One byte more than a file may hold tells a file that holds too much.
  if (!files.ReadFileInto(GetFileName(), MaxFileSize + 1, bytes)) return std::nullopt;
  if (bytes.size() > MaxFileSize) FailTooLarge();
  return DecodeText(std::move(bytes));
}

std::shared_ptr<const TIniDocument> TIniFile::Snapshot() const {
  // A file in the code page holds the very text its copy was parsed from; a Unicode file
  // never does, and is read whole and decoded to be compared.
  TFileSystem& files = Files();
  RecoverInterruptedReplace(files, GetFileName());
  if (TIniCache* cache = IniCache()) {
    auto holds = [&](std::string_view text) { return files.FileHolds(GetFileName(), text) == true; };
    if (std::shared_ptr<const TIniDocument> unchanged = cache->Unchanged(GetFileName(), holds))
      return unchanged;
  }
  std::optional<TDecodedText> content = ReadContent();
  std::string text = content ? std::move(content->Text) : std::string();
  try {
    if (TIniCache* cache = IniCache()) return cache->Document(GetFileName(), std::move(text));
    return std::make_shared<const TIniDocument>(std::move(text));
  } catch (const EIniTooLarge&) {
    FailTooLarge();
  }
}

void TIniFile::Modify(const std::function<void(TIniDocument&)>& edit) {
  const std::string& path = GetFileName();
  RecoverInterruptedReplace(Files(), path);
  std::optional<TDecodedText> content = ReadContent();
  // An edit of what could not be read would replace the whole file with the edit alone.
  if (!content && Files().PathExists(path)) FailWrite();
  if (!content) content.emplace();

  TIniCache* cache = IniCache();
  std::shared_ptr<TIniDocument> document;
  try {
    document = cache ? cache->Editable(path, content->Text)
                     : std::make_shared<TIniDocument>(content->Text);
  } catch (const EIniTooLarge&) {
    FailTooLarge();
  }
  uint64_t before = document->Revision();
  try {
    edit(*document);
  } catch (const EIniFormat&) {
    FailWrite();
  }
  std::string text = std::move(content->Text);
  // An edit that ends with the text it began with writes nothing: the file keeps its bytes
  // and its date, and no backup is made of it.
  if (document->Revision() != before) {
    std::string edited = document->Text();
    if (edited != text) {
      if (!content->Reversible)
        throw EError(Format("Unable to write to %s: its Unicode text has characters outside "
                            "this system's code page",
                            {path}));
      text = std::move(edited);
      if (content->Encoding == TTextEncoding::teAnsi)
        Save(text);
      else
        Save(EncodeText(text, content->Encoding));
    }
  }
  if (cache) cache->Keep(path, std::move(text), std::move(document));
}

void TIniFile::Save(const std::string& bytes) {
  // What the next read would refuse is not written either.
  if (bytes.size() > MaxFileSize) FailTooLarge();
  BackUpBeforeFirstWrite();
  if (!ReplaceFileContent(Files(), GetFileName(), bytes)) FailWrite();
}

// A copy that cannot be made does not stop the write: the write is crash-safe by itself,
// and refusing it would cost the user the change they are saving.
void TIniFile::BackUpBeforeFirstWrite() const {
  std::optional<TBackupRotation>& backup = GamesBackup();
  if (!backup || !SameText(backup->Path(), GetFileName())) return;
  try {
    backup->BeforeWrite();
  } catch (const EError& error) {
    WriteLog(Format("No backup of %s: %s", {GetFileName(), error.what()}));
  }
}

bool TIniFile::CannotBeRead() const {
  TFileSystem& files = Files();
  const std::string& path = GetFileName();
  return files.PathExists(path) && (!files.FileExists(path) || !files.ReadFile(path, 1));
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
