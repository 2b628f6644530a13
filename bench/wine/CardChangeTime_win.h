#pragma once
// How long TesmoraGL.exe takes to change the card: another entry picked in the card box as a
// user picks it (CB_SETCURSEL, then CBN_SELCHANGE sent to the main window), until the new
// card's panel is made, filled with the selected game's values and painted. The Games.CFG
// beside the program must list every card (ShowAllCards=1). Needs a display.
#include <optional>
#include <string>

#include "RepeatedTimes.h"

namespace tgl::bench {

// First is the change that makes the first panels.
struct TCardChangeTimes : TRepeatedTimes {
  int Cards = 0;  // entries of the card box
};

// `changes` picks, each of the next entry (after the last the first); nullopt when the
// window or its card box did not show, a pick did not take, or the program did not end.
std::optional<TCardChangeTimes> CardChangeTimes(const std::string& exePath, int changes);

}  // namespace tgl::bench
