#pragma once
// How long TesmoraGL.exe takes to switch games as a keyboard user does: Down pressed in the
// game list, until the next game is selected, its values loaded into the tuning panel and
// the window painted. The Games.CFG beside the program holds the games. Needs a display.
#include <optional>
#include <string>

#include "RepeatedTimes.h"

namespace tgl::bench {

struct TGameSwitchTimes : TRepeatedTimes {
  int Games = 0;  // items of the game list
};

// `switches` presses of Down from the first item; nullopt when the window or its game list
// did not show, a press did not move the selection, or the program did not end.
std::optional<TGameSwitchTimes> GameSwitchTimes(const std::string& exePath, int switches);

}  // namespace tgl::bench
