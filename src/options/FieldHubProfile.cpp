// The option hub's exchange of values with the card sections of Games.CFG.
#include "app/Errors.h"
#include "app/RootUnit.h"
#include "config/IniFile.h"
#include "options/FieldHub.h"

namespace tgl {

std::string TFieldHub::CardSectionName() const {
  return "%" + FProfileName + "_" + GetTuningFile() + "%";
}

void TFieldHub::CheckProfileReady() const {
  if (GetTuningFile().empty() || FProfileName.empty()) Abort();
}

void TFieldHub::TransferProfile(bool save) {
  CheckProfileReady();
  TIniFile games(Startup().ProgramDir + GamesFileName);
  const std::string section = CardSectionName();
  // The 9x and the NT value of an OS-dependent option are kept apart in one profile.
  const bool ntMode = IsNTMode();
  for (const std::unique_ptr<TRegistryOption>& option : FOptions) {
    std::string key = option->Name();
    if (option->OSDependent() && ntMode) key += "NT";
    if (save) {
      games.WriteString(section, key, option->Value());
    } else {
      std::string value = games.ReadString(section, key, "");
      option->SetValue(value.empty() ? option->Default() : value);
    }
    option->SetSavedValue(option->Value());
  }
}

bool TFieldHub::IsModified() const {
  for (const std::unique_ptr<TRegistryOption>& option : FOptions)
    if (option->Value() != option->SavedValue()) return true;
  return false;
}

void TFieldHub::RevertValues() {
  for (const std::unique_ptr<TRegistryOption>& option : FOptions)
    option->SetValue(option->SavedValue());
}

}  // namespace tgl
