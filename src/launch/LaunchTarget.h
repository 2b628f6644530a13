#pragma once
// The game a /run or /apply request names, and the messages of a request that cannot be done.
#include "launch/CommandLine.h"
#include "profiles/Programs.h"

namespace tgl {

inline constexpr const char* UnknownTitleText =
    "There is no game titled \"%s\" in Tesmora Game Launcher.";
inline constexpr const char* NoCardForLaunchText =
    "No supported video card was found, so the settings of \"%s\" cannot be applied.";

// The Default entry for /apply:Default; otherwise the game whose title is the request's,
// letter case ignored as Games.CFG compares titles (the Default entry is never a game).
// A shortcut to a game that was renamed or deleted names no game: the error
// UnknownTitleText, never another game.
TrlProgramConfig& LaunchTarget(const TrlPrograms& programs, const TLaunchRequest& request);

}  // namespace tgl
