#pragma once
// The system's Open dialog from a TFileDialogRequest.
#include <windows.h>

#include <string>

#include "ui/FileDialogRequest.h"

namespace tgl {

// True with the chosen file's full name; false when the user cancelled. An error of the
// chooser itself is raised.
bool ExecuteFileOpenDialog(HWND owner, const TFileDialogRequest& request, std::string& fileName);

}  // namespace tgl
