#pragma once
// The system's Open dialog from a TFileDialogSpec.
#include <windows.h>

#include <string>

#include "ui/FileDialogSpec.h"

namespace tgl {

// True with the chosen file's full name; false when the user cancelled. An error of the
// chooser itself is raised.
bool ExecuteFileOpenDialog(HWND owner, const TFileDialogSpec& spec, std::string& fileName);

}  // namespace tgl
