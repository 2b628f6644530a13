#pragma once
// The desktop shortcut of a game: it starts this program with /run:"Title", shows the
// game's icon and starts in the game's folder, so it keeps working however the launcher's
// own settings change.
#include <string>

#include "platform/ShellCalls.h"
#include "profiles/ProgramConfig.h"

namespace tgl {

// What the shortcut of `game` holds; `programFile` is the launcher's own program file.
// Error for a title that a shortcut cannot carry safely (ShortcutArguments).
TShellLink GameShortcut(const TrlProgramConfig& game, const std::string& programFile);

// The full path of the shortcut file in `folder` (which ends with its separator): the
// title with every character that no file name may hold replaced by "_", shortened to fit
// a path of 259 characters, then ".lnk". Error when not even one character fits.
std::string ShortcutPath(const std::string& folder, const std::string& title);

inline constexpr size_t MaxShortcutPath = 259;
inline constexpr size_t MaxShortcutDescription = 259;

}  // namespace tgl
