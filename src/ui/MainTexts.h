#pragma once
// The texts of the main window's message boxes, exactly as users know them. In them "\r"
// starts a new line.
namespace tgl {

inline constexpr const char* NoCardText =
    " didn't found any videocard on your system.\rYour have no videocard!?!";
inline constexpr const char* HardwareIDText = "Hardware ID is : %s";
inline constexpr const char* RestrictedModeText =
    "%s is running in restricted mode.\rYou can only edit settings but couldn't apply them.\r"
    "To be able to apply settings you must enter Windows with Administrator like rights.";
inline constexpr const char* SaveChangesText =
    "Do you want to save changes (overwise changes will be reverted)? ";
inline constexpr const char* DeleteProfileText = "Delete game profile?";
inline constexpr const char* UploadDefaultText = "Upload default settings?";
inline constexpr const char* UploadRegistryText = "Upload current settings from registry?";
inline constexpr const char* RunRestrictedText =
    "Custom configuration couldn't be applied to registry.\rRun anyway?";
inline constexpr const char* RunFailedText = "Some error occured during application execution";
inline constexpr const char* NoGamesAssertion = "GamesList should contains some items";
inline constexpr const char* IncompleteStartText =
    "Tesmora Game Launcher could not start completely (see the message it showed at start),\r"
    "so it cannot do this.";
inline constexpr const char* GamesFileUnreadableText =
    "%s cannot be read.\rIt is kept as it is, and nothing is saved to it while it cannot be read.";

// The profile files (.tgp) of GameListPopup's "Export profile file..." and "Import profile
// file...". "Profile file" is the file's one name: a game of the list is a game.
inline constexpr const char* ExportProfileCaption = "E&xport profile file...";
inline constexpr const char* ImportProfileCaption = "&Import profile file...";
inline constexpr const char* ExportProfileHint = "Save the game's settings to a profile file";
inline constexpr const char* ImportProfileHint = "Add a game from a profile file";
inline constexpr const char* ExportProfileTitle = "Export profile file";
inline constexpr const char* ImportProfileTitle = "Import profile file";
inline constexpr const char* ProfileFileFilter =
    "Tesmora Game Launcher profile files (*.tgp)|*.tgp|All files (*.*)|*.*";
inline constexpr const char* ValuesLeftOutText =
    "The profile file was written without these values, which a profile file cannot "
    "carry:\r%s";
inline constexpr const char* NoDesktopText =
    "The desktop folder cannot be found, so no shortcut was made.";
inline constexpr const char* ReplaceShortcutText = "The desktop already holds \"%s\".\rReplace it?";

// Panel 0 of the status bar, by WindowsVersion.
inline constexpr const char* WindowsVersionTexts[] = {
    "not supported Windows version", "Windows 95", "Windows 98", "Windows Me", "Windows 2000"};

}  // namespace tgl
