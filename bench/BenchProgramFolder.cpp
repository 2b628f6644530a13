#include "BenchProgramFolder.h"

#include <dirent.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

#include "base/StartupState.h"
#include "config/BackupRotation.h"

namespace tgl::bench {
namespace {

std::string MakeScratchFolder() {
  char pattern[] = "/tmp/tesmoragl-bench-XXXXXX";
  const char* made = ::mkdtemp(pattern);
  if (!made) throw std::runtime_error("cannot create a scratch folder");
  return std::string(made) + "/";
}

}  // namespace

TBenchProgramFolder::TBenchProgramFolder(bool withCache)
    : FolderPath(MakeScratchFolder()),
      Scope(TPlatform{&FileSystem, &Texts, &Messages, &Desktop, withCache ? &Cache : nullptr,
                      &Registry, &Displays, &CodePage, &Shell}) {
  Startup() = TStartupState{};
  GamesBackup().reset();
  Startup().ProgramDir = FolderPath;
}

TBenchProgramFolder::~TBenchProgramFolder() {
  Startup() = TStartupState{};
  GamesBackup().reset();
  if (DIR* directory = ::opendir(FolderPath.c_str())) {
    while (dirent* entry = ::readdir(directory))
      if (entry->d_type != DT_DIR) ::unlink((FolderPath + entry->d_name).c_str());
    ::closedir(directory);
  }
  ::rmdir(FolderPath.c_str());
}

void TBenchProgramFolder::Write(const std::string& name, const std::string& bytes) {
  FileSystem.WriteFile(FolderPath + name, bytes);
}

}  // namespace tgl::bench
