#include "profiles/GamesFile.h"

#include "base/StartupState.h"
#include "base/TextUtils.h"

namespace tgl {

std::string GamesFilePath() { return Startup().ProgramDir + GamesFileName; }

std::string NameOfDefaultProfile() { return std::string("%") + DefaultProfileName + "%"; }

std::string CardSectionPrefix(std::string_view profileName) {
  std::string prefix(1, '%');
  return prefix.append(profileName).append(1, '_');
}

std::string CardSectionName(std::string_view profileName, std::string_view tuningFile) {
  return CardSectionPrefix(profileName) + std::string(tuningFile) + "%";
}

bool IsCardSectionOf(std::string_view sectionName, std::string_view profileName) {
  return sectionName.size() > profileName.size() + 1 && sectionName.front() == '%' &&
         sectionName[profileName.size() + 1] == '_' &&
         SameText(sectionName.substr(1, profileName.size()), profileName);
}

bool IsGameSection(std::string_view sectionName) {
  return !sectionName.empty() && sectionName.front() != '%';
}

}  // namespace tgl
