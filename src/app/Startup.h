#pragma once
// Start-up steps that run before any window exists.
#include <string>

#include "base/WindowsVersion.h"

namespace tgl {

// Sets ProgramFile and ProgramDir from the program file's full path, the backups of
// Games.CFG in that folder, LogEnabled from Games.CFG, writes the two opening log lines and
// sets WindowsVersion.
void InitializeStartup(const std::string& programPath, const TOsVersion& osVersion);

}  // namespace tgl
