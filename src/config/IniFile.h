#pragma once
// An INI file on disk, read anew at every operation and written through at every write, so
// that several readers of one file always see each other's writes. A write never leaves
// the file half-written (config/FileReplace.h). A file saved as "Unicode" is read and
// written in its own encoding (config/TextEncoding.h). A file beyond what a document can
// hold is refused: "The file %s is too large (over 64 MB or 4,000,000 lines)".
// With an IniCache installed, an unchanged file is not parsed again (config/IniCache.h).
// The file that the start-up state keeps copies of (Games.CFG) is copied aside before the
// first write of the program run (config/BackupRotation.h).
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "config/CustomIniFile.h"
#include "config/IniDocument.h"
#include "config/TextEncoding.h"

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

  // The file's content as it is now, for many lookups at the price of one read; read it
  // through a TIniSnapshot. It does not change when the file does.
  std::shared_ptr<const TIniDocument> Snapshot() const;
  // One read-modify-write: `edit` changes the content, which is written back once, when
  // the edit changed anything, before Modify returns. When `edit` raises, the file stays
  // as it was. A text the file cannot hold, a file that exists but cannot be read (or a
  // folder of that name), and a read-only file raise "Unable to write to %s"; a Unicode file whose characters the
  // code page cannot all hold raises "Unable to write to %s: its Unicode text has
  // characters outside this system's code page".
  void Modify(const std::function<void(TIniDocument&)>& edit);

  // Something carries the file's name but cannot be read as a file: a folder, or a file
  // the system does not let the program read. Such a file is never written.
  bool CannotBeRead() const;

  // The largest file that is read: 64 MB.
  static constexpr size_t MaxFileSize = size_t(64) << 20;

private:
  // The file's text, or nullopt when it is missing or cannot be read. The caller has put
  // back what an interrupted replace left (RecoverInterruptedReplace) once, before.
  std::optional<TDecodedText> ReadContent() const;
  void Save(const std::string& bytes);
  void BackUpBeforeFirstWrite() const;
  [[noreturn]] void FailWrite() const;
  [[noreturn]] void FailTooLarge() const;
};

}  // namespace tgl
