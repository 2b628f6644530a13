#pragma once
// The command line: only its first argument is looked at.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/StringList.h"

namespace tgl {

// The help of the switches that come first; LaunchHelpText is what "/?" shows.
inline constexpr const char* HelpText =
    "Possible command line parameters:\r"
    "  /minimized - start TesmoraGL minimized in traybar\r"
    "  /exportall - Export all configuration files\r"
    "  /export:name - Export \"name\" configuration file\r"
    "  /? - This message will be displayed";

// What "/?" shows: the lines above, with the switches that apply a game's values before the
// last.
inline constexpr const char* LaunchHelpText =
    "Possible command line parameters:\r"
    "  /minimized - start TesmoraGL minimized in traybar\r"
    "  /exportall - Export all configuration files\r"
    "  /export:name - Export \"name\" configuration file\r"
    "  /run:\"title\" - Apply the settings of game \"title\" and start it\r"
    "  /apply:\"title\" - Apply the settings of game \"title\"\r"
    "  /apply:Default - Apply the default settings\r"
    "  /? - This message will be displayed";

inline constexpr const char* ExportDoneText = "Export succesfull completed";

// The arguments of a Windows command line, without the program name, split by the rules of
// the C run-time: blanks separate, double quotes group, backslashes escape only before a quote.
TStrings SplitCommandLine(std::string_view commandLine);

// Answers "/?" and the export commands with their message box; true when the program is to
// end now. Export errors propagate.
bool HandleCommandLine(const TStrings& arguments);

bool IsMinimizedSwitch(const TStrings& arguments);

// "/run:Title" applies a game's stored values and starts it; "/apply:Title" applies them
// without starting anything; "/apply:Default" applies the Default entry's values. The switch
// matches in any letter case; the title is the rest of the first argument as given (the
// quotes around a title with blanks are gone once the command line is split).
enum class TLaunchAction { laRun, laApply };

struct TLaunchRequest {
  TLaunchAction Action = TLaunchAction::laRun;
  std::string Title;

  // "/apply:Default" in any letter case names the Default entry, even when a game has that
  // title; "/run:Default" names a game, since the Default entry starts nothing.
  bool IsDefault() const;
  friend bool operator==(const TLaunchRequest&, const TLaunchRequest&) = default;
};

// The request of the first argument; nullopt when it is no /run or /apply switch.
std::optional<TLaunchRequest> ParseLaunchRequest(const TStrings& arguments);

// A second instance hands its request to the running one as the data of WM_COPYDATA with
// this dwData: the request's argument ("/run:Title"), without a terminating zero.
inline constexpr uint32_t LaunchRequestDataId = 0x314C4754;  // "TGL1"
std::string HandOverData(const TLaunchRequest& request);
// The request in handed-over data; nullopt for anything else, since any program can send
// such a message: longer than a command line can be, holding a zero byte, or no request.
std::optional<TLaunchRequest> RequestOfHandOverData(std::string_view data);
inline constexpr size_t MaxHandOverData = 1024;

// The arguments of a desktop shortcut that runs the game: /run:"Title", quoted so that the
// program splits them back into exactly that title. Error for a title that cannot travel
// safely through a shortcut: control characters, a pair of "%" that the shell may take for
// an environment variable, or a line too long for a shortcut of Windows 95.
std::string ShortcutArguments(std::string_view title);
inline constexpr size_t MaxShortcutArguments = 259;

}  // namespace tgl
