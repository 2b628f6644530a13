#include "config/BackupRotation.h"

#include <optional>

#include "app/Errors.h"
#include "app/TextUtils.h"
#include "config/FileReplace.h"
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
  std::optional<std::string> content = files.ReadFile(FilePath);
  if (!content || files.ReadFile(CopyName(1)) == content) return;

  // The copies move up to the first free number; only when none is free is the oldest
  // replaced. A gap that a crash left is filled, so no copy is dropped before its time.
  int free = 1;
  while (free < Copies && files.FileExists(CopyName(free))) ++free;
  for (int number = free - 1; number >= 1; --number)
    if (!files.MoveIntoPlace(CopyName(number), CopyName(number + 1), CopyName(number + 1) + ".tgl-old"))
      throw EError(Format("Unable to write to %s", {CopyName(number + 1)}));
  ReplaceFileContent(CopyName(1), *content);
}

}  // namespace tgl
