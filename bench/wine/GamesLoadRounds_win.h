#pragma once
// Loading the games of a large Games.CFG through the program's store and through the
// Windows profile functions, side by side, round after round, with the physical floor:
// reading the file once and scanning it.
//
// Each round works on a fresh copy of the file under a new name, so both start cold: the
// program's INI cache and Wine's (or Windows') cache of profile files have never seen it.
// Warm is the same load again, the median of a few. Prints one line per round and the
// lowest ratios; false when the two loads disagree on any game.
#include <string>

namespace tgl::bench {

struct TLoadRoundsSettings {
  std::string WorkFolder;  // ends with a backslash; each round makes a folder in it
  int Games = 1000;
  int CardSectionsPerGame = 9;
  int Rounds = 5;
  int WarmRepeats = 5;
};

bool RunGamesLoadRounds(const TLoadRoundsSettings& settings);

}  // namespace tgl::bench
