#include "launch/LaunchSettings.h"

#include "base/StartupState.h"

namespace tgl {

bool ReadRestoreDriverSettings(TCustomIniFile& games) {
  return games.ReadBool(ConfigurationSection, RestoreDriverSettingsKey, false);
}

void WriteRestoreDriverSettings(TCustomIniFile& games, bool restore) {
  if (restore)
    games.WriteBool(ConfigurationSection, RestoreDriverSettingsKey, true);
  else if (games.ValueExists(ConfigurationSection, RestoreDriverSettingsKey))
    games.DeleteKey(ConfigurationSection, RestoreDriverSettingsKey);
}

void WriteRestoreDriverSettings(TIniDocument& games, bool restore) {
  if (restore)
    games.Set(ConfigurationSection, RestoreDriverSettingsKey, "1");
  else
    games.DeleteKey(ConfigurationSection, RestoreDriverSettingsKey);
}

}  // namespace tgl
