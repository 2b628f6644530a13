#include "profiles/Programs.h"

#include <algorithm>

#include "app/Errors.h"
#include "app/TextUtils.h"
#include "config/IniFile.h"
#include "config/IniSnapshot.h"
#include "profiles/GamesFile.h"

namespace tgl {

TrlPrograms::TrlPrograms() { Load(); }

TrlPrograms::~TrlPrograms() { Clear(); }

void TrlPrograms::Load() {
  TIniFile file(GamesFilePath());
  // One version of the file for all the profiles.
  TIniSnapshot games(file.GetFileName(), file.Snapshot());
  TStrings sections;
  games.ReadSections(sections);
  std::erase_if(sections, [](const std::string& section) { return !IsGameSection(section); });

  std::unique_ptr<TrlProgramConfig> profile = TrlProgramConfig::CreateDefault();
  profile->Load(&games);
  Add(std::move(profile));
  for (std::string& section : sections) {
    profile = std::make_unique<TrlProgramConfig>();
    profile->Name = std::move(section);
    profile->Load(&games);
    Add(std::move(profile));
  }
}

void TrlPrograms::Clear() {
  while (!Profiles.empty()) Profiles.pop_back();
}

TrlProgramConfig& TrlPrograms::Items(int index) const {
  if (index < 0 || index >= Count())
    throw EError(Format("List index out of bounds (%d)", {std::to_string(index)}));
  return *Profiles[index];
}

int TrlPrograms::Add(std::unique_ptr<TrlProgramConfig> profile) {
  Profiles.push_back(std::move(profile));
  return Count() - 1;
}

int TrlPrograms::IndexOf(const TrlProgramConfig* profile) const {
  for (int i = 0; i < Count(); ++i)
    if (Profiles[i].get() == profile) return i;
  return -1;
}

int TrlPrograms::IndexOfName(std::string_view name) const {
  for (int i = 0; i < Count(); ++i)
    if (SameText(Profiles[i]->Name, name)) return i;
  return -1;
}

void TrlPrograms::Delete(int index) {
  Items(index).Erase();
  Profiles.erase(Profiles.begin() + index);
}

}  // namespace tgl
