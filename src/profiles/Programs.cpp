#include "profiles/Programs.h"

#include <algorithm>

#include "base/Errors.h"
#include "base/TextUtils.h"
#include "config/IniFile.h"
#include "config/IniSnapshot.h"
#include "profiles/GamesFile.h"

namespace tgl {

TrlPrograms::TrlPrograms() { Load(); }

TrlPrograms::~TrlPrograms() { Clear(); }

void TrlPrograms::Load() {
  TIniFile file(GamesFilePath());
  // One version of the file for all the profiles, its section names read in place.
  TIniSnapshot games(file.GetFileName(), file.Snapshot());
  const TIniDocument& document = games.Document();

  std::unique_ptr<TrlProgramConfig> profile = TrlProgramConfig::CreateDefault();
  profile->Load(&games);
  Add(std::move(profile));
  for (size_t i = 0; i < document.SectionCount(); ++i) {
    std::string_view section = document.SectionName(i);
    if (!IsGameSection(section)) continue;
    profile = std::make_unique<TrlProgramConfig>();
    profile->Name = section;
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
