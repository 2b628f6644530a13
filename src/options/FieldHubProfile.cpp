// The option hub's exchange of values with the card sections of Games.CFG.
#include "base/StartupState.h"
#include "config/IniFile.h"
#include "options/FieldHub.h"

namespace tgl {

std::string TFieldHub::CardSectionName() const {
  return "%" + FProfileName + "_" + GetTuningFile() + "%";
}

void TFieldHub::CheckProfileReady() const {
  if (GetTuningFile().empty() || FProfileName.empty()) Abort();
}

std::string TFieldHub::ProfileKeyOf(const TRegistryOption& option) const {
  // The 9x and the NT value of an OS-dependent option are kept apart in one profile.
  return option.OSDependent() && IsNTMode() ? option.Name() + "NT" : option.Name();
}

void TFieldHub::TransferProfile(bool save) {
  CheckProfileReady();
  TIniFile games(Startup().ProgramDir + GamesFileName);
  const std::string section = CardSectionName();
  // One read or one write of Games.CFG for the whole card section: the file may hold
  // hundreds of games.
  if (save) {
    games.Modify([&](TIniDocument& document) {
      for (const std::unique_ptr<TRegistryOption>& option : FOptions)
        document.Set(section, ProfileKeyOf(*option), option->Value());
    });
  } else {
    std::shared_ptr<const TIniDocument> document = games.Snapshot();
    for (const std::unique_ptr<TRegistryOption>& option : FOptions) {
      std::optional<std::string_view> value = document->Find(section, ProfileKeyOf(*option));
      option->SetValue(value && !value->empty() ? std::string(*value) : option->Default());
    }
  }
  for (const std::unique_ptr<TRegistryOption>& option : FOptions)
    option->SetSavedValue(option->Value());
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
