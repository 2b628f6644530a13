#pragma once
// The titles under which a game can be stored. A title names the game's section of
// Games.CFG and begins the names of its card sections, so it must read back from the file
// as exactly the same title and must not reach into the sections of another profile.
#include <string_view>

namespace tgl {

// Raises the error for the user when a game cannot be stored under `title`: an empty
// title, "_" (which would make one game's card sections look like another's), "]" or a
// line break (the file cannot hold them in a section name), blanks at either end (the file
// drops them), or the name of the default profile or of the settings section.
void CheckProfileTitle(std::string_view title);

// A title that begins with "%" is stored, but the list passes over it (such sections are
// the program's own): a game added under it would be lost at the next start.
inline constexpr const char* TitlePercentText = "Application title shouldn't begin with \"%\".";

// CheckProfileTitle, and the title must be one the game list shows.
void CheckListedTitle(std::string_view title);

}  // namespace tgl
