#pragma once
// The user's guide: README.txt beside the program, plain text that the shell opens with the
// handler for text files (Notepad on every Windows), or Notepad itself where text files have
// no handler. F1 in the main window and its dialogs and "Help" in the tray menu open it.
#include <string>

namespace tgl {

inline constexpr const char* UserGuideFileName = "README.txt";

std::string UserGuidePath();

// Errors: "The user's guide %s is missing." and "The user's guide %s cannot be opened."
void OpenUserGuide();

}  // namespace tgl
