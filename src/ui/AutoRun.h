#pragma once
// The autorun entry that starts the program hidden in the tray with Windows: the string
// value "TesmoraGL" of HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Run.
#include <string>

namespace tgl {

inline constexpr const char* AutoRunKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* AutoRunValue = "TesmoraGL";

// Whether the value is there and not empty; any such value counts, also one written
// without quotation marks.
bool IsAutoRunOn();
// The command Windows runs: the program file in quotation marks, so that a path with blanks
// is not taken for a shorter program, then " /minimized".
std::string AutoRunCommand(const std::string& programFile);
// Writes the value for `programFile`, or removes it (no error when it is missing). Error
// "Failed to set data for 'TesmoraGL'" when it cannot be written.
void SetAutoRun(bool on, const std::string& programFile);

}  // namespace tgl
