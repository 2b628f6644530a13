#include "app/Startup.h"

#include "base/StartupState.h"
#include "base/TextUtils.h"
#include "config/BackupRotation.h"
#include "config/IniFile.h"
#include "config/Log.h"

namespace tgl {
namespace {

std::string FolderOf(const std::string& path) {
  size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

}  // namespace

void InitializeStartup(const std::string& programPath, const TOsVersion& osVersion) {
  TStartupState& state = Startup();
  state.ProgramFile = programPath;
  state.ProgramDir = FolderOf(programPath);
  GamesBackup().emplace(state.ProgramDir + GamesFileName);
  state.LogEnabled =
      TIniFile(state.ProgramDir + GamesFileName).ReadBool(ConfigurationSection, "WriteLog", false);
  WriteLog("--=== Start of program ===--");
  WriteLog(Format("Starting in \"%s\"", {state.ProgramDir}));
  state.WindowsVersion = WindowsVersionOf(osVersion);
}

}  // namespace tgl
