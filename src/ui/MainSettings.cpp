#include "ui/MainSettings.h"

#include <string>

#include "base/StartupState.h"
#include "config/CustomIniFile.h"
#include "config/IniDocument.h"
#include "launch/LaunchSettings.h"

namespace tgl {
namespace {

const std::string Section = ConfigurationSection;

void WriteBool(TIniDocument& games, const char* key, bool value) {
  games.Set(Section, key, value ? "1" : "0");
}

}  // namespace

TProgramSettings ReadProgramSettings(TCustomIniFile& games) {
  TProgramSettings settings;
  TMainSettings& main = settings.Main;
  main.ConfirmSaving = games.ReadBool(Section, "ConfirmSaving", main.ConfirmSaving);
  main.ConfirmDelete = games.ReadBool(Section, "ConfirmDelete", main.ConfirmDelete);
  main.ConfirmDefault = games.ReadBool(Section, "ConfirmDefault", main.ConfirmDefault);
  main.ConfirmRegistry = games.ReadBool(Section, "ConfirmRegistry", main.ConfirmRegistry);
  // Held in a byte: only the low 8 bits of the number count.
  main.OnRun = static_cast<uint8_t>(games.ReadInteger(Section, "OnRun", main.OnRun) & 0xFF);
  main.GenericToolbar = games.ReadBool(Section, "GenericToolbar", main.GenericToolbar);
  main.RestoreDriverSettings = ReadRestoreDriverSettings(games);
  settings.GameListLargeIcons =
      games.ReadBool(Section, "GameListStyle", settings.GameListLargeIcons);
  settings.NotifyOnWrongValue =
      games.ReadBool(Section, "NotifyOnWrongValue", settings.NotifyOnWrongValue);
  settings.ShowAllCards = games.ReadBool(Section, "ShowAllCards", settings.ShowAllCards);
  return settings;
}

void WriteProgramSettings(TIniDocument& games, const TProgramSettings& settings) {
  const TMainSettings& main = settings.Main;
  WriteBool(games, "ConfirmSaving", main.ConfirmSaving);
  WriteBool(games, "ConfirmDelete", main.ConfirmDelete);
  WriteBool(games, "ConfirmDefault", main.ConfirmDefault);
  WriteBool(games, "ConfirmRegistry", main.ConfirmRegistry);
  games.Set(Section, "OnRun", std::to_string(main.OnRun));
  WriteBool(games, "GenericToolbar", main.GenericToolbar);
  WriteBool(games, "GameListStyle", settings.GameListLargeIcons);
  WriteBool(games, "NotifyOnWrongValue", settings.NotifyOnWrongValue);
  WriteRestoreDriverSettings(games, main.RestoreDriverSettings);
}

}  // namespace tgl
