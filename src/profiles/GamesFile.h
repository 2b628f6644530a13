#pragma once
// The layout of Games.CFG: where it is and how its sections are named. Section names
// compare without regard to letter case, as the file's reader does.
#include <string>
#include <string_view>

namespace tgl {

// ProgramDir + "Games.CFG".
std::string GamesFilePath();

// Name of the default profile: "%Default%".
std::string NameOfDefaultProfile();
// The start of every card section of the default profile, a fixed text.
inline constexpr std::string_view DefaultCardSectionPrefix = "%%Default%_";

// "%" + profile name + "_": the start of every card section of that profile.
std::string CardSectionPrefix(std::string_view profileName);
// "%" + profile name + "_" + tuning definition file name + "%".
std::string CardSectionName(std::string_view profileName, std::string_view tuningFile);
// Whether the section's name begins with CardSectionPrefix(profileName).
bool IsCardSectionOf(std::string_view sectionName, std::string_view profileName);

// A section whose name begins with "%" is never a game; nor is one without a name, since
// no game has an empty title.
bool IsGameSection(std::string_view sectionName);

}  // namespace tgl
