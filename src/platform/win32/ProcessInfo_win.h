#pragma once
// What the running process learns about itself from Windows at start-up.
#include <string>

#include "base/WindowsVersion.h"

namespace tgl {

// The full path of the program file.
std::string ProgramPath();
// Its folder, with the trailing backslash.
std::string ProgramFolder();
// The numbers GetVersionExA reports; all zero when it fails.
TOsVersion OsVersion();

}  // namespace tgl
