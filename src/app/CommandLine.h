#pragma once
// The command line: only its first argument is looked at.
#include <string_view>

#include "config/StringList.h"

namespace tgl {

inline constexpr const char* HelpText =
    "Possible command line parameters:\r"
    "  /minimized - start TesmoraGL minimized in traybar\r"
    "  /exportall - Export all configuration files\r"
    "  /export:name - Export \"name\" configuration file\r"
    "  /? - This message will be displayed";

inline constexpr const char* ExportDoneText = "Export succesfull completed";

// The arguments of a Windows command line, without the program name, split by the rules of
// the C run-time: blanks separate, double quotes group, backslashes escape only before a quote.
TStrings SplitCommandLine(std::string_view commandLine);

// Answers "/?" and the export commands with their message box; true when the program is to
// end now. Export errors propagate.
bool HandleCommandLine(const TStrings& arguments);

bool IsMinimizedSwitch(const TStrings& arguments);

}  // namespace tgl
