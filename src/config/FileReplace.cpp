#include "config/FileReplace.h"

#include "app/Errors.h"
#include "app/TextUtils.h"
#include "platform/Platform.h"

namespace tgl {

std::string UnfinishedFileName(const std::string& path) { return path + ".tgl-new"; }

void ReplaceFileContent(const std::string& path, std::string_view bytes) {
  TFileSystem& files = Files();
  const std::string fresh = UnfinishedFileName(path);
  bool written = true;
  try {
    files.WriteFile(fresh, bytes);
  } catch (const EError&) {
    written = false;
  }
  if (!written || !files.MoveIntoPlace(fresh, path, path + ".tgl-old")) {
    files.RemoveFile(fresh);
    throw EError(Format("Unable to write to %s", {path}));
  }
}

}  // namespace tgl
