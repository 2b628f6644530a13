#include "config/FileReplace.h"

#include "base/Errors.h"
#include "base/TextUtils.h"
#include "platform/Platform.h"

namespace tgl {
namespace {

// Gives up a replace before the file was touched: the content written beside it goes.
bool Abandon(TFileSystem& files, const std::string& fresh) {
  files.RemoveFile(fresh);
  return false;
}

// Windows 9x: the old file moves aside, the new one moves in, the old one goes.
bool ReplaceInTwoSteps(TFileSystem& files, const std::string& path, const std::string& fresh) {
  if (!files.FileExists(path)) return files.RenameFile(fresh, path) || Abandon(files, fresh);
  const std::string backup = BackupFileName(path);
  // A backup beside the file is ours, left when its removal failed after an earlier replace.
  if (files.FileExists(backup) && !files.RemoveFile(backup)) return Abandon(files, fresh);
  if (!files.RenameFile(path, backup)) return Abandon(files, fresh);
  if (!files.RenameFile(fresh, path)) {
    // When even the old file cannot move back, both side files stay for the next read.
    if (files.RenameFile(backup, path)) files.RemoveFile(fresh);
    return false;
  }
  files.RemoveFile(backup);
  return true;
}

}  // namespace

std::string ReplacementFileName(const std::string& path) { return path + ".TesmoraGL-new"; }

std::string BackupFileName(const std::string& path) { return path + ".TesmoraGL-old"; }

bool ReplaceFileContent(TFileSystem& files, const std::string& path, std::string_view bytes) {
  // The read-only mark is the user's word that the file must not change; the profile
  // functions of every Windows version refuse to write such a file too.
  if (files.IsReadOnly(path)) return false;
  const std::string fresh = ReplacementFileName(path);
  try {
    files.WriteFile(fresh, bytes);
  } catch (const EError&) {
    return Abandon(files, fresh);
  }
  if (!files.CanReplaceInOneStep()) return ReplaceInTwoSteps(files, path, fresh);
  return files.ReplaceInOneStep(fresh, path) || Abandon(files, fresh);
}

void ReplaceFileContentOrFail(const std::string& path, std::string_view bytes) {
  if (!ReplaceFileContent(Files(), path, bytes)) throw EError(Format("Unable to write to %s", {path}));
}

bool MoveFileOver(TFileSystem& files, const std::string& source, const std::string& target) {
  if (!files.FileExists(target)) return files.RenameFile(source, target);
  if (files.CanReplaceInOneStep()) return files.ReplaceInOneStep(source, target);
  return files.RemoveFile(target) && files.RenameFile(source, target);
}

void RecoverInterruptedReplace(TFileSystem& files, const std::string& path) {
  if (files.FileExists(path)) return;
  const std::string backup = BackupFileName(path), fresh = ReplacementFileName(path);
  if (!files.FileExists(backup) || !files.FileExists(fresh)) return;
  if (files.RenameFile(backup, path)) files.RemoveFile(fresh);
}

}  // namespace tgl
