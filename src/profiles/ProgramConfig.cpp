#include "profiles/ProgramConfig.h"

#include "base/Errors.h"
#include "base/StartupState.h"
#include "base/TextUtils.h"
#include "config/IniSnapshot.h"
#include "platform/Platform.h"
#include "profiles/GamesFile.h"
#include "profiles/ProfileTitle.h"

namespace tgl {

std::unique_ptr<TrlProgramConfig> TrlProgramConfig::CreateDefault() {
  auto profile = std::make_unique<TrlProgramConfig>();
  profile->Default = true;
  profile->Name = NameOfDefaultProfile();
  return profile;
}

void TrlProgramConfig::Save() {
  if (!IsDefault()) CheckProfileTitle(Name);
  std::string path = GetPath();
  TIniFile(GamesFilePath()).Modify([&](TIniDocument& games) {
    games.Set(Name, "Path", path);
    games.Set(Name, "Parameters", Parameters);
    // Opt-in: a game that never had one keeps the section it always had.
    if (!WaitForProgram.empty())
      games.Set(Name, WaitForProgramKey, WaitForProgram);
    else
      games.DeleteKey(Name, WaitForProgramKey);
  });
}

void TrlProgramConfig::Load(TCustomIniFile* ini) {
  if (ini) {
    ReadFromIni(*ini);
    return;
  }
  TIniFile games(GamesFilePath());
  TIniSnapshot snapshot(games.GetFileName(), games.Snapshot());
  ReadFromIni(snapshot);
}

void TrlProgramConfig::ReadFromIni(TCustomIniFile& ini) {
  Path = ini.ReadString(Name, "Path", "");
  Parameters = ini.ReadString(Name, "Parameters", "");
  WaitForProgram = ini.ReadString(Name, WaitForProgramKey, "");
}

void TrlProgramConfig::Erase() {
  // A profile without a title was never stored.
  if (Name.empty()) return;
  TIniFile(GamesFilePath()).Modify([&](TIniDocument& games) {
    games.EraseSections([&](std::string_view section) {
      return SameText(section, Name) || IsCardSectionOf(section, Name);
    });
  });
}

void TrlProgramConfig::EraseCardSections(TIniFile& ini) {
  ini.Modify([&](TIniDocument& games) {
    games.EraseSections([&](std::string_view section) { return IsCardSectionOf(section, Name); });
  });
}

void TrlProgramConfig::CopyDefaultSettings() {
  if (IsDefault()) return;
  CheckProfileTitle(Name);
  std::string prefix = CardSectionPrefix(Name);
  TIniFile(GamesFilePath()).Modify([&](TIniDocument& games) {
    games.EraseSections([&](std::string_view section) { return IsCardSectionOf(section, Name); });
    games.CopySections([&](std::string_view section) -> std::optional<std::string> {
      if (!StartsWithText(section, DefaultCardSectionPrefix)) return std::nullopt;
      return prefix + std::string(section.substr(DefaultCardSectionPrefix.size()));
    });
  });
}

std::string TrlProgramConfig::GetDisplayName() const {
  return IsDefault() ? std::string(" ") + DefaultProfileName + " " : Name;
}

std::string TrlProgramConfig::GetPath() const {
  return IsDefault() ? ShellFolders().DesktopPath() : Path;
}

void TrlProgramConfig::SetName(const std::string& newName) {
  if (IsDefault() || newName == Name || newName.empty()) return;
  CheckProfileTitle(newName);
  if (Name.empty()) {
    Name = newName;
    return;
  }
  // A change of letter case only renames this profile's own sections.
  bool otherTitle = !SameText(newName, Name);
  std::string newPrefix = CardSectionPrefix(newName);
  TIniFile(GamesFilePath()).Modify([&](TIniDocument& games) {
    if (otherTitle && games.HasSection(newName)) throw EError("Application title should be unique");
    // Left behind by a game of that title that is gone: stale values the moved ones replace.
    if (otherTitle)
      games.EraseSections(
          [&](std::string_view section) { return IsCardSectionOf(section, newName); });
    games.MoveSections([&](std::string_view section) -> std::optional<std::string> {
      if (SameText(section, Name)) return newName;
      if (IsCardSectionOf(section, Name))
        return newPrefix + std::string(section.substr(Name.size() + 2));
      return std::nullopt;
    });
  });
  Name = newName;
}

}  // namespace tgl
