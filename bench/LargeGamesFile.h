#pragma once
// A Games.CFG as a user with a large collection has it: the settings section, the default
// profile's card sections, then every game's section followed by its card sections. The
// card sections hold one key per option of the built-in tuning definitions.
#include <string>

namespace tgl::bench {

// The title of game number `index` (from 0).
std::string GameTitle(int index);
// Needs the embedded texts installed. At most nine card sections per game.
std::string LargeGamesFile(int games, int cardSectionsPerGame);

}  // namespace tgl::bench
