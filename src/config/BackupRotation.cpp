#include "config/BackupRotation.h"

#include <optional>

#include "base/Errors.h"
#include "base/TextUtils.h"
#include "config/FileReplace.h"
#include "config/IniFile.h"
#include "platform/Platform.h"

namespace tgl {

TBackupRotation::TBackupRotation(std::string path, int copies)
    : FilePath(std::move(path)), Copies(copies) {}

std::string TBackupRotation::CopyName(int number) const {
  return FilePath + "." + std::to_string(number);
}

void TBackupRotation::BeforeWrite() {
  if (Copied) return;
  Copied = true;
  TFileSystem& files = Files();
  const size_t readLimit = TIniFile::MaxFileSize + 1;
  std::optional<std::string> content = files.ReadFile(FilePath, readLimit);
  if (!content || content->size() >= readLimit || files.ReadFile(CopyName(1), readLimit) == content)
    return;

  // The copies move up to the first free number; only when none is free is the oldest
  // replaced. A gap that a crash left is filled, so no copy is dropped before its time.
  int free = 1;
  while (free < Copies && files.FileExists(CopyName(free))) ++free;
  for (int number = free - 1; number >= 1; --number)
    if (!MoveFileOver(files, CopyName(number), CopyName(number + 1)))
      throw EError(Format("Unable to write to %s", {CopyName(number + 1)}));
  ReplaceFileContentOrFail(CopyName(1), *content);
}

std::optional<TBackupRotation>& GamesBackup() {
  static std::optional<TBackupRotation> rotation;
  return rotation;
}

}  // namespace tgl
